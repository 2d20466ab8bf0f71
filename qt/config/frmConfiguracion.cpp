#include "qt/config/frmConfiguracion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qt {
namespace {

const char* const AyudaMensaje = "¿Mostrar un MsgBox cada vez que ocurra un error?";
const char* const AyudaDireccion = "Dirección del email donde quiere recibir el error ocurrido";

template <class T>
T* Nuevo(QWidget* padre, const char* nombre, QRect sitio, const char* ayuda = "") {
    auto* c = new T(padre);
    c->setObjectName(nombre);
    c->setGeometry(sitio);
    c->setToolTip(ayuda);
    return c;
}

QPushButton* Boton(QWidget* padre, const char* nombre, const char* texto, QRect sitio) {
    auto* b = Nuevo<QPushButton>(padre, nombre, sitio);
    b->setText(texto);
    return b;
}

} // namespace

frmConfiguracion::frmConfiguracion(engine::AjustesPendientes& ajustes, vbide::VBProject* proyecto,
                                   int paginaCodigos, QWidget* parent)
    : Dialogo(parent), comportamiento_(*this, ajustes, proyecto, paginaCodigos) {
    setObjectName("frmConfiguracion");
    setWindowTitle("Configuracion - Quovant");

    Nuevo<QFrame>(this, "Shape1", {8, 36, 404, 132})->setFrameShape(QFrame::Box);
    auto* Label3 = Nuevo<QLabel>(this, "Label3", {12, 10, 400, 20});
    Label3->setText("Configure el comportamiento del manipulador de errores");
    QFont negrita = Label3->font();
    negrita.setBold(true);
    Label3->setFont(negrita);

    Nuevo<QLabel>(this, "Label1", {20, 50, 200, 24}, AyudaMensaje)->setText("MsgBox OnError :");
    auto* Combo1 = Nuevo<QComboBox>(this, "Combo1", {228, 50, 172, 24}, AyudaMensaje);
    for (std::string_view item : install::ItemsMensaje) {
        Combo1->addItem(QString::fromUtf8(item.data(), qsizetype(item.size())));
    }

    auto* Check1 = new QCheckBox("Mandar EMail OnError", this);
    Check1->setObjectName("Check1");
    Check1->setToolTip("¿Mandar un email cada vez que ocurra un error?");
    Check1->move(20, 84);
    Check1->resize(Check1->sizeHint()); // a click beside the text is no click on the box
    Nuevo<QLabel>(this, "Label2", {20, 110, 204, 24}, AyudaDireccion)
        ->setText("Dirección de correo de destino :");
    auto* Text1 = Nuevo<QLineEdit>(this, "Text1", {228, 110, 172, 24}, AyudaDireccion);
    Text1->installEventFilter(this);
    PonFondo("Text1", {255, 255, 255});

    auto* Check3 = new QCheckBox("LogOnError", this);
    Check3->setObjectName("Check3");
    Check3->setToolTip("¿Registtrar en un archivo log cada error ocurrido?");
    Check3->move(20, 140);
    Check3->resize(Check3->sizeHint());

    auto* OKButton = Boton(this, "OKButton", "Aceptar", {232, 180, 88, 26});
    OKButton->setDefault(true);
    auto* CancelButton = Boton(this, "CancelButton", "Cancelar", {324, 180, 88, 26});
    setFixedSize(420, 216);

    comportamiento_.Form_Load();

    auto& c = comportamiento_;
    connect(Check1, &QCheckBox::clicked, this, [&c](bool marcado) { c.Check1_Click(marcado); });
    connect(Combo1, &QComboBox::activated, this, [&c](int i) { c.Combo1_Click(i); });
    connect(Check3, &QCheckBox::toggled, this, [&c](bool marcado) { c.Check3_Click(marcado); });
    connect(Text1, &QLineEdit::textChanged, this,
            [&c](const QString& t) { c.Text1_Change(t.toStdString()); });
    connect(OKButton, &QPushButton::clicked, this, [&c] { c.OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [&c] { c.CancelButton_Click(); });
}

void frmConfiguracion::Abre(std::string_view ventana) {
    if (ventana == "MsgPersonal") {
        MsgPersonal personal(comportamiento_.Configuracion(), this);
        personal.exec();
    }
}

bool frmConfiguracion::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto->objectName() == QLatin1String("Text1")) {
        if (evento->type() == QEvent::FocusIn) {
            comportamiento_.Text1_GotFocus();
        } else if (evento->type() == QEvent::FocusOut) {
            comportamiento_.Text1_LostFocus();
        }
    }
    return Dialogo::eventFilter(objeto, evento);
}

MsgPersonal::MsgPersonal(install::Configuracion& configuracion, QWidget* parent)
    : Dialogo(parent), comportamiento_(*this, configuracion) {
    setObjectName("MsgPersonal");
    setWindowTitle("Personalizar Mensaje Error - Quovant");
    Nuevo<QLabel>(this, "Label1", {12, 12, 396, 20})
        ->setText("Introduzca el mensaje que quiere que aparezca en el MsgBox");
    auto* Text1 = Nuevo<QLineEdit>(this, "Text1", {12, 40, 396, 24});
    auto* OKButton = Boton(this, "OKButton", "Aceptar", {228, 76, 88, 26});
    OKButton->setDefault(true);
    auto* CancelButton = Boton(this, "CancelButton", "Cancelar", {320, 76, 88, 26});
    setFixedSize(420, 114);

    auto& c = comportamiento_;
    connect(Text1, &QLineEdit::textChanged, this,
            [&c](const QString& t) { c.Text1_Change(t.toStdString()); });
    connect(OKButton, &QPushButton::clicked, this, [&c] { c.OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [&c] { c.CancelButton_Click(); });
}

} // namespace qt
