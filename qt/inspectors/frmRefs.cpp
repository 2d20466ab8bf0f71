#include "qt/inspectors/frmRefs.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace qt {

frmRefs::frmRefs(vbide::VBE& vbe, int paginaCodigos, QWidget* parent)
    : Dialogo(parent), comportamiento_(*this, vbe, paginaCodigos) {
    setObjectName("frmRefs");
    setWindowTitle("Referencias");
    auto* List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setGeometry(12, 32, 200, 200);
    auto* OKButton = new QPushButton("Aceptar", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(468, 206, 88, 26);
    OKButton->setDefault(true);
    auto* Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(224, 32, 332, 56);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(224, 96, 332, 100);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* Label1 = new QLabel("Referencias", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(12, 8, 200, 20);
    setFixedSize(568, 244);

    auto& c = comportamiento_;
    connect(OKButton, &QPushButton::clicked, this, [&c] { c.OKButton_Click(); });
    connect(List1, &QListWidget::currentRowChanged, this, [&c](int fila) { c.List1_Click(fila); });
    c.Form_Load();
}

} // namespace qt
