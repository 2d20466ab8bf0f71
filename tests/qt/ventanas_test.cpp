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
#include "tests/support/Tabla.h"

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

    // Each case: the window, the control ("" the window: its title; a menu entry is an action),
    // and its caption after '=' or its tool tip after '?'.
    for (const auto& caso : soporte::Tabla("qt/controles.txt")) {
        SCOPED_TRACE(caso.at(0) + " " + caso.at(1));
        const QWidget* ventana = ventanas.at(caso.at(0)).get();
        const QString control = QString::fromStdString(caso.at(1));
        const QObject* o = control.isEmpty() ? ventana : ventana->findChild<QObject*>(control);
        ASSERT_NE(o, nullptr);
        const char* propiedad = caso.at(2)[0] == '?' ? "toolTip"
                                : control.isEmpty()  ? "windowTitle"
                                                     : "text";
        EXPECT_EQ(
            o->property(propiedad).toString(),
            QString::fromStdString(caso.at(2).substr(1)).replace("@VERSION@", LINTRAP_VERSION));
    }
    for (const auto& [nombre, ventana] : ventanas)
        EXPECT_EQ(ventana->objectName().toStdString(), nombre);
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
