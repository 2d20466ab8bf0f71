#include "ui/inspectors/frmRefs.h"

#include "ClsErrores/Convencion.h"
#include "ui/TextoQt.h"
#include "ui/inspectors/Referencias.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

vbide::VBProject& Activo(vbide::VBE& vbe) {
    vbide::VBProject* p = vbe.ActiveVBProject();
    if (!p) {
        throw ErrorVB(vberr::ObjectRequired, "VBE", "No hay ningún proyecto activo");
    }
    return *p;
}

} // namespace

frmRefs::frmRefs(vbide::VBE& vbe, int paginaCodigos, QWidget* parent)
    : QDialog(parent), vbe_(vbe), cp_(paginaCodigos) {
    setObjectName("frmRefs");
    setWindowTitle("Referencias");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setGeometry(12, 32, 200, 200);
    OKButton = new QPushButton("Aceptar", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(468, 206, 88, 26);
    OKButton->setDefault(true);
    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(224, 32, 332, 56);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(224, 96, 332, 100);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1 = new QLabel("Referencias", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(12, 8, 200, 20);
    setFixedSize(568, 244);

    connect(OKButton, &QPushButton::clicked, this,
            [this] { Procedimiento("frmRefs \\ OKButton_Click", [&] { accept(); }); });
    connect(List1, &QListWidget::currentRowChanged, this, [this](int fila) {
        if (fila >= 0) {
            List1_Click();
        }
    });
    Form_Load();
}

void frmRefs::Form_Load() {
    std::vector<std::string> nombres;
    Procedimiento("frmRefs \\ Form_Load", [&] {
        vbide::VBProject& p = Activo(vbe_);
        inspectors::NombresReferencias(p, cp_, nombres);
        Label3->setText(ui::TextoQt(inspectors::TextoDescripcion(p.Description(), cp_)));
        setWindowTitle(ui::TextoQt(inspectors::TituloReferencias(p.Name(), cp_)));
    });
    // The names read before a failure stay listed; nothing is selected after loading.
    for (const std::string& n : nombres) {
        List1->addItem(QString::fromStdString(n));
    }
    List1->setCurrentRow(-1);
}

void frmRefs::List1_Click() {
    Procedimiento("frmRefs \\ List1_Click", [&] {
        if (List1->count() == 0 || !List1->currentItem()) {
            return;
        }
        auto& r = inspectors::ReferenciaPorNombre(Activo(vbe_),
                                                  List1->currentItem()->text().toStdString(), cp_);
        Label2->setText(ui::TextoQt(inspectors::DetalleReferencia(r, cp_)));
    });
}
