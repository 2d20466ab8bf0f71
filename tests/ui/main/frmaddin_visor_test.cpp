// The main window and the code viewer: the view-code entry whose caption records whether the
// viewer is shown, the double-click rules, and which selections and commands refresh it.
#include "tests/ui/RespondeCaja.h"
#include "tests/ui/main/ApoyoVentana.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

using prueba::Control;
using prueba::Filas;

// Ten procedures, the fourth with an error handler.
std::string Diez() {
    std::string codigo = "Option Explicit\n";
    for (int i = 0; i < 10; ++i) {
        codigo += "\nPublic Sub Paso" + std::to_string(i) + "()\n" +
                  (i == 3 ? "    On Error GoTo Fallo\nFallo:\n" : "") + "    Debug.Print " +
                  std::to_string(i) + "\nEnd Sub\n";
    }
    return codigo;
}

class Visor : public ::testing::Test {
protected:
    void SetUp() override {
        apoyo::SilenciaGlbErr();
        vbe = prueba::AbreModulos(tmp.ruta, {prueba::Bas("Diez", Diez()),
                                             prueba::Bas("Otro", "Public Sub Uno()\nEnd Sub\n")});
        w = std::make_unique<ui::frmAddIn>(*vbe, prueba::CarpetaAddIn());
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        List1 = Control<QListWidget>(*w, "List1");
        List2 = Control<QListWidget>(*w, "List2");
        List3 = Control<QListWidget>(*w, "List3");
        mnuCodigo = Control<QAction>(*w, "mnuCodigo");
    }

    apoyo::CarpetaTemporal tmp;
    std::unique_ptr<files::Vbe> vbe;
    std::unique_ptr<ui::frmAddIn> w;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QListWidget* List3 = nullptr;
    QAction* mnuCodigo = nullptr;
};

TEST_F(Visor, WithTheViewerClosedSelectionsDoNoViewerWork) {
    QSignalSpy refrescos(w.get(), &ui::frmAddIn::codigoRefrescado);
    prueba::ClicFila(List1, 1);
    prueba::ClicFila(List1, 0);
    prueba::ClicFila(List2, 4);
    EXPECT_EQ(refrescos.count(), 0);
    EXPECT_EQ(w->Visor(), nullptr);
}

TEST_F(Visor, TheViewEntryTogglesTheViewerAndItsCaptionRecordsIt) {
    mnuCodigo->trigger();
    qt::FrmCodigo* visor = w->Visor();
    ASSERT_NE(visor, nullptr);
    EXPECT_EQ(mnuCodigo->text(), "Ocultar Codigo");
    EXPECT_TRUE(visor->isVisible());
    // The whole module after a module selection.
    EXPECT_EQ(visor->windowTitle(), "Diez");
    EXPECT_EQ(visor->Tag(), "Todos");
    EXPECT_FALSE(visor->mnuDep()->isVisible());
    EXPECT_TRUE(visor->TxtCodigo()->toPlainText().startsWith("Option Explicit"));

    // One procedure after a procedure selection.
    prueba::ClicFila(List2, 3);
    EXPECT_EQ(visor->windowTitle(), "Paso3");
    EXPECT_EQ(visor->Tag(), "Paso3");
    EXPECT_TRUE(visor->mnuDep()->isVisible());
    EXPECT_TRUE(visor->TxtCodigo()->toPlainText().trimmed().startsWith("Public Sub Paso3()"));

    mnuCodigo->trigger();
    EXPECT_EQ(mnuCodigo->text(), "&Ver Codigo");
    EXPECT_FALSE(visor->isVisible());
    EXPECT_TRUE(ui::isLoaded(visor));

    // Hidden, a double click on a module or a procedure opens it again...
    prueba::DobleClicFila(List1, 1);
    EXPECT_EQ(mnuCodigo->text(), "Ocultar Codigo");
    EXPECT_TRUE(visor->isVisible());
    EXPECT_EQ(visor->windowTitle(), "Otro");
    // ...and shown, a double click leaves it shown.
    prueba::DobleClicFila(List2, 0);
    EXPECT_EQ(mnuCodigo->text(), "Ocultar Codigo");
    EXPECT_TRUE(visor->isVisible());

    // Closing the viewer gives the entry its caption back; the status column's double click
    // opens it as the procedure list's does.
    visor->close();
    EXPECT_EQ(mnuCodigo->text(), "&Ver Codigo");
    prueba::DobleClicFila(List3, 0);
    EXPECT_TRUE(visor->isVisible());
    EXPECT_EQ(mnuCodigo->text(), "Ocultar Codigo");
    EXPECT_EQ(w->Visor(), visor);
}

TEST_F(Visor, AClickRefreshesOnceAndPressingTheCurrentRowAgainStillRefreshes) {
    mnuCodigo->trigger();
    QSignalSpy refrescos(w.get(), &ui::frmAddIn::codigoRefrescado);
    prueba::ClicFila(List2, 2);
    EXPECT_EQ(refrescos.count(), 1);
    prueba::ClicFila(List2, 2);
    EXPECT_EQ(refrescos.count(), 2);
    prueba::ClicFila(List3, 5);
    EXPECT_EQ(refrescos.count(), 3);
    EXPECT_EQ(w->Visor()->windowTitle(), "Paso5");
}

TEST_F(Visor, Check1ShowsTheWholeModuleAgainWhenTheViewerIsLoaded) {
    mnuCodigo->trigger();
    prueba::ClicFila(List2, 2);
    ASSERT_EQ(w->Visor()->windowTitle(), "Paso2");
    prueba::Marca(Control<QCheckBox>(*w, "Check1"));
    EXPECT_EQ(w->Visor()->windowTitle(), "Diez");
    EXPECT_EQ(w->Visor()->Tag(), "Todos");
    EXPECT_TRUE(Control<QCheckBox>(*w, "Check1")->isChecked());
}

TEST_F(Visor, ThreeOfTenProceduresRefreshTheViewerThreeTimesAndAllTenStatusesAreRebuilt) {
    mnuCodigo->trigger();
    prueba::ClicFila(List2, 1);
    prueba::ClicFila(List2, 3, Qt::ControlModifier);
    prueba::ClicFila(List2, 8, Qt::ControlModifier);
    ASSERT_EQ(w->Estado().SelCount(), 3);
    QSignalSpy refrescos(w.get(), &ui::frmAddIn::codigoRefrescado);
    QTest::mouseClick(Control<QPushButton>(*w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(refrescos.count(), 3);
    EXPECT_EQ(Filas(List3),
              QStringList({"No", "No", "No", "Si", "No", "No", "No", "No", "No", "No"}));
    // The viewer shows the current procedure, numbered.
    EXPECT_EQ(w->Visor()->windowTitle(), "Paso8");
    EXPECT_TRUE(w->Visor()->TxtCodigo()->toPlainText().contains("Debug.Print 8"));
    EXPECT_TRUE(QRegularExpression("\\n\\d+ +Debug.Print 8")
                    .match(w->Visor()->TxtCodigo()->toPlainText())
                    .hasMatch());
}

TEST_F(Visor, SalirUnloadsTheViewer) {
    mnuCodigo->trigger();
    QPointer<qt::FrmCodigo> visor = w->Visor();
    ASSERT_FALSE(visor.isNull());
    QTest::mouseClick(Control<QPushButton>(*w, "CancelButton"), Qt::LeftButton);
    EXPECT_TRUE(visor.isNull());
    EXPECT_EQ(w->Visor(), nullptr);
}

} // namespace
