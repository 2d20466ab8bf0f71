// The add-in component loaded by the real host from its path, and one connection through the
// host's menu entry and window.
#include "tests/ide/PruebaIde.h"
#include "tests/support/RespondeCaja.h"

#include "base/ErrorVB.h"

#include <QAction>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using prueba::DisplayOnConnect;
using prueba::Ventana;

QAction* Entrada(ide::VentanaIde& v) {
    const QMenu* m = v.MenuComplementos();
    for (QAction* a : m ? m->actions() : QList<QAction*>())
        if (a->text() == "Quovant Lintrap")
            return a;
    return nullptr;
}

// The host over a fresh copy of the example project, with the add-in loaded.
struct Conexion : ::testing::Test {
    prueba::ConDemo demo;
    ide::VentanaIde v;
    ide::Componente* lintrap = nullptr;

    void SetUp() override {
        ASSERT_TRUE(v.Abre(demo.Vbp()));
        lintrap = &v.Componentes().Carga(LINTRAP_ADDIN);
    }
};

TEST_F(Conexion, TheSamePathIsTheSameComponentBesideItsHelpAndRuntime) {
    EXPECT_EQ(lintrap->registro.displayName, "Lintrap Quovant ");
    // the same path again is the same component
    EXPECT_EQ(&v.Componentes().Carga(LINTRAP_ADDIN), lintrap);
    // its folder holds the help file and the runtime sources
    const auto carpeta = std::filesystem::path(LINTRAP_ADDIN).parent_path();
    EXPECT_TRUE(std::filesystem::exists(carpeta / "Lintrap.html"));
    EXPECT_TRUE(std::filesystem::exists(carpeta / "ClsErrores" / "clsErrores.cls"));
    EXPECT_TRUE(std::filesystem::exists(carpeta / "ClsErrores" / "InfoSistema.bas"));
}

TEST_F(Conexion, AWrongPathFailsWithAClearMessage) {
    auto mensaje = [&](const QString& ruta) {
        try {
            v.Componentes().Carga(ruta);
        } catch (const ErrorVB& e) {
            return QString::fromStdString(e.Description);
        }
        return QString("(cargado)");
    };
    const QString falta = QString::fromStdString((demo.Carpeta() / "no.so").string());
    EXPECT_EQ(mensaje(falta),
              "No se puede cargar el complemento '" + falta + "': el archivo no existe");
    EXPECT_TRUE(mensaje(demo.Vbp()).contains("no es una biblioteca que se pueda cargar"))
        << mensaje(demo.Vbp()).toStdString();
    // a library, but no add-in: one of Qt's, which this program loads too
    const QString otra = QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Test.so.6";
    EXPECT_TRUE(mensaje(otra).endsWith("no es un complemento: no exporta DllGetClassObject"))
        << mensaje(otra).toStdString();
    EXPECT_EQ(v.Componentes().Lista().size(), 1u);
}

// Which connection mode adds the entry and opens the window, and what is remembered, is the
// component's own, driven end to end in tests/dll; here the host's part of one connection.
TEST_F(Conexion, OpenedFromTheEntryClosedWithSalirAndDisconnectedSavesOne) {
    v.show();
    v.Componentes().Conecta(*lintrap, vbide::ext_cm_AfterStartup);
    QApplication::processEvents();
    ASSERT_NE(Entrada(v), nullptr);
    Entrada(v)->trigger();
    QWidget* frm = Ventana("frmAddIn");
    ASSERT_NE(frm, nullptr);
    // minimised, the entry brings it back
    frm->showMinimized();
    Entrada(v)->trigger();
    EXPECT_FALSE(frm->isMinimized());
    EXPECT_EQ(Ventana("frmAddIn"), frm);
    QTest::mouseClick(frm->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(Ventana("frmAddIn"), nullptr);
    // the entry opens it again, loaded afresh
    Entrada(v)->trigger();
    EXPECT_NE(Ventana("frmAddIn"), nullptr);
    QTest::mouseClick(Ventana("frmAddIn")->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    v.Componentes().Desconecta(*lintrap, vbide::ext_dm_UserClosed);
    QApplication::processEvents();
    EXPECT_EQ(DisplayOnConnect(), "1");
}

} // namespace
