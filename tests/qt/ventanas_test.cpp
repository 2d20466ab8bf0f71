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
#include "tests/support/Escena.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/Tabla.h"

#include <QApplication>
#include <QVariant>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

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
    const auto Rect = [](const std::string& s) {
        int x = 0, y = 0, ancho = 0, alto = 0;
        std::istringstream(s) >> x >> y >> ancho >> alto;
        return QRect(x, y, ancho, alto);
    };
    // The cases on the screen of pantalla.json: tests/data/qt/lugares.txt.
    for (const auto& c : soporte::Tabla("qt/lugares.txt")) {
        QWidget dueno;
        dueno.setGeometry(Rect(c[1]));
        dueno.show();
        QWidget ventana(&dueno, Qt::Window);
        ventana.resize(Rect("0 0 " + c[2]).size());
        c[3] == "al lado" ? qt::AlLadoDe(ventana, dueno) : qt::CentraEn(ventana, dueno);
        ventana.show();
        QApplication::processEvents();
        const QRect f = ventana.frameGeometry();
        EXPECT_EQ(soporte::Une(std::vector<int>{f.x(), f.y(), f.width(), f.height()}, " "), c[4])
            << c[0];
    }
}

} // namespace
