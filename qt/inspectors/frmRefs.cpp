#include "qt/inspectors/frmRefs.h"

#include <QGridLayout>
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
    List1->setMinimumSize(200, 200);
    auto* OKButton = new QPushButton("Aceptar", this);
    OKButton->setObjectName("OKButton");
    OKButton->setMinimumWidth(88);
    OKButton->setDefault(true);
    auto* Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A path has no spaces to wrap at: the label keeps its lines whole and the window widens to
    // show them (the layout's minimum grows with the text), and it can be resized at will.
    auto* Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* Label1 = new QLabel("Referencias", this);
    Label1->setObjectName("Label1");

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(Label1, 0, 0);
    rejilla->addWidget(List1, 1, 0, 3, 1);
    rejilla->addWidget(Label3, 1, 1);
    rejilla->addWidget(Label2, 2, 1);
    rejilla->addWidget(OKButton, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    rejilla->setColumnStretch(1, 1);
    rejilla->setColumnMinimumWidth(1, 332);
    rejilla->setRowStretch(2, 1);
    resize(568, 244);

    // Only a selection is a click: the list takes a current row of its own when it gets the
    // focus, without selecting it, and that must not show any reference.
    auto& c = comportamiento_;
    connect(OKButton, &QPushButton::clicked, this, [&c] { c.OKButton_Click(); });
    connect(List1, &QListWidget::itemSelectionChanged, this, [&c, List1] {
        const auto elegidas = List1->selectedItems();
        c.List1_Click(elegidas.isEmpty() ? -1 : List1->row(elegidas.front()));
    });
    c.Form_Load();
}

} // namespace qt
