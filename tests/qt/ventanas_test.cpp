// Every window's Qt skin over the example project: each control found by its name, with its
// caption and tool tip, as the add-in's forms have them.
#include "install/Configuracion.h"
#include "qt/Lugar.h"
#include "qt/config/frmConfiguracion.h"
#include "qt/inspectors/frmControles.h"
#include "qt/inspectors/frmRefs.h"
#include "qt/main/frmAbout.h"
#include "qt/main/frmAddIn.h"
#include "qt/viewer/Dependencias.h"
#include "qt/viewer/FrmCodigo.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"

#include <QApplication>
#include <QScreen>
#include <QVariant>
#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

TEST(Ventanas, CadaControlConSuNombreTextoYAyuda) {
    soporte::SilenciaGlbErr();
    soporte::Carpeta tmp;
    auto vbe = files::Vbe::Open(soporte::CopiaDemo(tmp.Ruta()));
    engine::AjustesPendientes ajustes;
    install::Configuracion configuracion(ajustes);
    engine::EstadoSeleccion estado;
    std::map<std::string, std::unique_ptr<QWidget>> ventanas;
    ventanas["frmAddIn"] =
        std::make_unique<qt::frmAddIn>(*vbe, QCoreApplication::applicationDirPath().toStdString());
    ventanas["frmAbout"] = std::make_unique<qt::frmAbout>();
    ventanas["frmConfiguracion"] = std::make_unique<qt::frmConfiguracion>(ajustes, nullptr, 1252);
    ventanas["MsgPersonal"] = std::make_unique<qt::MsgPersonal>(configuracion);
    ventanas["frmControles"] = std::make_unique<qt::frmControles>(*vbe, 1252);
    ventanas["frmRefs"] = std::make_unique<qt::frmRefs>(*vbe, 1252);
    ventanas["FrmCodigo"] = std::make_unique<qt::FrmCodigo>(*vbe, estado);
    ventanas["Dependencias"] =
        std::make_unique<qt::Dependencias>(vbe->ActiveVBProject(), "Todos", estado);

    // Each control as "name=caption" or "name?tool tip"; "=" alone is the window's title. A menu
    // entry is an action of that name.
    const std::pair<std::string, std::vector<std::string>> controles[] = {
        {"frmAddIn",
         {"=AddIn Lintrap - Quovant", "Label6=Proyecto:", "Label5=Demo", "Label1=Módulos",
          "Label3=Procedimientos", "Label2=On Error"}},
        {"frmAddIn",
         {"Check1=Todos los procedimientos",
          "Check1?Insertar en todos los procedimientos del módulo", "Option1=Números de línea",
          "Option2=clsErrores"}},
        {"frmAddIn",
         {"Option3=Resume Next (solamente)", "OptExit=Exit", "OptResume=Resume Next",
          "OptRaise=Err.Raise", "Command1=Insertar", "Command2=Quitar"}},
        {"frmAddIn",
         {"CancelButton=Salir", "mnuConfig=&Configuración", "mnuCodigo=&Ver Codigo",
          "mnuRef=&Referencias", "mnuControles=&Controles"}},
        {"frmAddIn", {"mnuRefrescar=&Actualizar", "mnuAyuda2=&Ayuda", "mnuAbout=A&cerca de"}},
        {"frmAbout", {"=Ayuda Lintrap", "lblTitle=Lintrap " LINTRAP_VERSION, "cmdOK=Aceptar"}},
        {"frmConfiguracion",
         {"=Configuracion - Quovant",
          "Label3=Configure el comportamiento del manipulador de errores",
          "Label1=MsgBox OnError :", "Label1?¿Mostrar un MsgBox cada vez que ocurra un error?",
          "Label2=Dirección de correo de destino :",
          "Text1?Dirección del email donde quiere recibir el error ocurrido", "Check3=LogOnError",
          "Check3?¿Registtrar en un archivo log cada error ocurrido?",
          "Check1=Mandar EMail OnError", "Check1?¿Mandar un email cada vez que ocurra un error?",
          "CancelButton=Cancelar", "OKButton=Aceptar"}},
        {"MsgPersonal",
         {"=Personalizar Mensaje Error - Quovant",
          "Label1=Introduzca el mensaje que quiere que aparezca en el MsgBox", "OKButton=Aceptar",
          "CancelButton=Cancelar"}},
        {"frmControles",
         {"=Informe Controles", "Label5=Proyectos", "Label2=Controles:",
          "Label1=Formularios o diseñadores:", "CancelButton=OK", "Command1=Copiar al portapapeles",
          "Command1?Copia las propiedades del control seleccionado al portapapeles"}},
        {"frmRefs", {"=Demo (Referencias)", "Label1=Referencias", "OKButton=Aceptar"}},
        {"FrmCodigo", {"mnuDep=Dependencias", "mnuResaltar=Resaltar"}},
        {"Dependencias", {"=Dependencias", "Command1=OK"}},
    };
    for (const auto& [nombre, lista] : controles) {
        QWidget* ventana = ventanas.at(nombre).get();
        EXPECT_EQ(ventana->objectName().toStdString(), nombre);
        for (const std::string& c : lista) {
            SCOPED_TRACE(nombre + " " + c);
            const auto i = c.find_first_of("=?");
            const QString control = QString::fromStdString(c.substr(0, i));
            const QObject* o = control.isEmpty() ? ventana : ventana->findChild<QObject*>(control);
            ASSERT_NE(o, nullptr);
            const char* propiedad = c[i] == '?'         ? "toolTip"
                                    : control.isEmpty() ? "windowTitle"
                                                        : "text";
            EXPECT_EQ(o->property(propiedad).toString(), QString::fromStdString(c.substr(i + 1)));
        }
    }
}

// Proves: a window opens centred on its owner, or beside it on the side with room (narrowed
// when neither side has it), always inside the screen; its frame read back once shown.
TEST(Ventanas, SeAbrenCentradasOJuntoASuDuenoDentroDeLaPantalla) {
    const QRect p = QApplication::primaryScreen()->availableGeometry();
    using Prueba = std::function<bool(const QRect& f, const QRect& d)>;
    const struct {
        const char* caso;
        QRect dueno;
        QSize tamano;
        bool alLado;
        Prueba bien;
    } casos[] = {
        {"a la derecha",
         {p.left(), p.top(), 300, 200},
         {400, 300},
         true,
         [](auto& f, auto& d) { return f.left() == d.right() + 1 && f.top() == d.top(); }},
        {"a la izquierda",
         {p.right() - 299, p.top() + 50, 300, 200},
         {400, 300},
         true,
         [](auto& f, auto& d) { return f.right() == d.left() - 1 && f.top() == d.top(); }},
        {"sin sitio",
         {p.left() + 200, p.top(), p.width() - 400, 200},
         {400, 300},
         true,
         [&](auto& f, auto&) { return f.right() == p.right() && f.width() == 320; }},
        {"centrada",
         {p.left() + 100, p.top() + 100, 400, 300},
         {200, 100},
         false,
         [](auto& f, auto& d) { return (f.center() - d.center()).manhattanLength() <= 2; }},
        {"en la esquina",
         {p.left(), p.top(), 100, 100},
         {300, 200},
         false,
         [&](auto& f, auto&) { return f.topLeft() == p.topLeft(); }},
    };
    for (const auto& c : casos) {
        QWidget dueno;
        dueno.setGeometry(c.dueno);
        dueno.show();
        QWidget ventana(&dueno, Qt::Window);
        ventana.resize(c.tamano);
        c.alLado ? qt::AlLadoDe(ventana, dueno) : qt::CentraEn(ventana, dueno);
        ventana.show();
        QApplication::processEvents();
        const QRect f = ventana.frameGeometry(), d = dueno.frameGeometry();
        EXPECT_TRUE(c.bien(f, d)) << c.caso << ": " << f.x() << "," << f.y() << " " << f.width()
                                  << "x" << f.height() << " junto a " << d.x() << "," << d.y()
                                  << " " << d.width() << "x" << d.height();
        EXPECT_TRUE(p.contains(f)) << c.caso;
    }
}

} // namespace
