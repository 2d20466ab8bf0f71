#include "ui/config/frmConfiguracion.h"

#include "ClsErrores/Convencion.h"
#include "ui/config/MsgPersonal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const char* const AyudaMensaje = "¿Mostrar un MsgBox cada vez que ocurra un error?";
const char* const AyudaDireccion = "Dirección del email donde quiere recibir el error ocurrido";

// The address box's background: pale yellow while it has the focus, white otherwise.
void Fondo(QLineEdit* caja, const QColor& color) {
    QPalette p = caja->palette();
    p.setColor(QPalette::Base, color);
    caja->setPalette(p);
}

} // namespace

void AvisoConfiguracion(QWidget* padre, const std::string& texto) {
    QMessageBox caja(QMessageBox::NoIcon, "Lintrap", QString::fromStdString(texto), QMessageBox::Ok,
                     padre);
    caja.exec();
}

frmConfiguracion::frmConfiguracion(engine::AjustesPendientes& ajustes, vbide::VBProject* proyecto,
                                   int paginaCodigos, QWidget* parent)
    : QDialog(parent), configuracion_(ajustes), proyecto_(proyecto), cp_(paginaCodigos) {
    setObjectName("frmConfiguracion");
    setWindowTitle("Configuracion - Quovant");

    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setGeometry(8, 36, 404, 132);
    Label3 = new QLabel("Configure el comportamiento del manipulador de errores", this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(12, 10, 400, 20);
    QFont negrita = Label3->font();
    negrita.setBold(true);
    Label3->setFont(negrita);

    Label1 = new QLabel("MsgBox OnError :", this);
    Label1->setObjectName("Label1");
    Label1->setToolTip(AyudaMensaje);
    Label1->setGeometry(20, 50, 200, 24);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->setToolTip(AyudaMensaje);
    for (std::string_view item : install::ItemsMensaje) {
        Combo1->addItem(QString::fromUtf8(item.data(), qsizetype(item.size())));
    }
    Combo1->setGeometry(228, 50, 172, 24);

    Check1 = new QCheckBox("Mandar EMail OnError", this);
    Check1->setObjectName("Check1");
    Check1->setToolTip("¿Mandar un email cada vez que ocurra un error?");
    Check1->move(20, 84);
    Check1->resize(Check1->sizeHint()); // a click beside the text is no click on the box
    Label2 = new QLabel("Dirección de correo de destino :", this);
    Label2->setObjectName("Label2");
    Label2->setToolTip(AyudaDireccion);
    Label2->setGeometry(20, 110, 204, 24);
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setToolTip(AyudaDireccion);
    Text1->setGeometry(228, 110, 172, 24);
    Text1->installEventFilter(this);
    Fondo(Text1, Qt::white);

    Check3 = new QCheckBox("LogOnError", this);
    Check3->setObjectName("Check3");
    Check3->setToolTip("¿Registtrar en un archivo log cada error ocurrido?");
    Check3->move(20, 140);
    Check3->resize(Check3->sizeHint());

    OKButton = new QPushButton("Aceptar", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(232, 180, 88, 26);
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancelar", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(324, 180, 88, 26);
    setFixedSize(420, 216);

    Form_Load();

    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    // A choice of the user, also of the item already shown: "personalizar" chosen again opens
    // the custom message dialog again.
    connect(Combo1, &QComboBox::activated, this, [this](int i) { Combo1_Click(i); });
    connect(Check3, &QCheckBox::toggled, this,
            [this](bool marcado) { configuracion_.MarcaCheck3(marcado); });
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& t) { configuracion_.EscribeText1(t.toStdString()); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void frmConfiguracion::Form_Load() {
    Procedimiento("frmConfiguracion \\ Form_Load", [&] {
        configuracion_.Carga();
        const QSignalBlocker bloqueo(Combo1);
        Combo1->setCurrentIndex(configuracion_.Combo1());
        Check3->setChecked(configuracion_.Check3());
        MuestraCorreo();
    });
}

void frmConfiguracion::MuestraCorreo() {
    const QSignalBlocker bloqueo(Text1);
    Check1->setChecked(configuracion_.Check1());
    Text1->setVisible(configuracion_.Text1Visible());
    Label2->setVisible(configuracion_.Label2Visible());
    Text1->setText(QString::fromStdString(configuracion_.Text1()));
}

void frmConfiguracion::Check1_Click() {
    Procedimiento("frmConfiguracion \\ Check1_Click", [&] {
        configuracion_.MarcaCheck1(Check1->isChecked());
        MuestraCorreo();
    });
}

void frmConfiguracion::Combo1_Click(int indice) {
    Procedimiento("frmConfiguracion \\ Combo1_Click", [&] {
        if (configuracion_.EligeMensaje(indice)) {
            MsgPersonal personal(configuracion_, this);
            personal.exec();
        }
    });
}

void frmConfiguracion::OKButton_Click() {
    install::Aceptacion r = install::Aceptacion::DireccionVacia;
    const bool hecho = Procedimiento("frmConfiguracion \\ OKButton_Click", [&] {
        r = configuracion_.Acepta(proyecto_, cp_);
        if (r == install::Aceptacion::DireccionVacia) {
            AvisoConfiguracion(this, std::string(install::DireccionVacia));
        } else if (r == install::Aceptacion::ValorNoValido) {
            AvisoConfiguracion(this,
                               "No se puede guardar la configuración: " + configuracion_.Motivo());
        }
    });
    // A refusal or a failure leaves the dialog open.
    if (hecho && r == install::Aceptacion::Cerrar) {
        accept();
    }
}

bool frmConfiguracion::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Text1) {
        if (evento->type() == QEvent::FocusIn) {
            Fondo(Text1, QColor(255, 255, 192));
        } else if (evento->type() == QEvent::FocusOut) {
            Fondo(Text1, Qt::white);
        }
    }
    return QDialog::eventFilter(objeto, evento);
}
