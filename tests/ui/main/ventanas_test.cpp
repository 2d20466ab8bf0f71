// The main window's menus open the real windows of the other folders once wired: the
// references and the controls inspector modeless, the configuration dialog modal over the
// pending settings, and the callers list from the code viewer.

#include "qt/viewer/FrmCodigo.h"
#include "tests/ui/RespondeCaja.h"
#include "tests/ui/main/ApoyoVentana.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace {

using prueba::Control;
using prueba::Filas;

class Ventanas : public ::testing::Test {
protected:
    void SetUp() override {
        apoyo::SilenciaGlbErr();
        vbe = prueba::AbreModulos(tmp.ruta,
                                  {prueba::Bas("Uno", "Public Sub Uno()\nEnd Sub\n"),
                                   prueba::Bas("Otro", "Public Sub Llama()\n    Uno\nEnd Sub\n\n"
                                                       "Public Sub Nada()\nEnd Sub\n")});
        w = std::make_unique<qt::frmAddIn>(*vbe, prueba::CarpetaAddIn());
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }

    // The one visible dialog of this class among the main window's descendants.
    QDialog* Abierta(const char* nombre) {
        QDialog* encontrada = nullptr;
        for (QDialog* d : w->findChildren<QDialog*>(nombre)) {
            if (d->isVisible()) {
                EXPECT_EQ(encontrada, nullptr) << "two " << nombre << " shown";
                encontrada = d;
            }
        }
        return encontrada;
    }

    apoyo::CarpetaTemporal tmp;
    std::unique_ptr<files::Vbe> vbe;
    std::unique_ptr<qt::frmAddIn> w;
};

TEST_F(Ventanas, ReferencesAndControlsOpenModelessAndGoWhenClosed) {
    Control<QAction>(*w, "mnuRef")->trigger();
    QDialog* refs = Abierta("frmRefs");
    ASSERT_NE(refs, nullptr);
    EXPECT_FALSE(refs->isModal());
    EXPECT_EQ(refs->windowTitle(), "Proyecto1 (Referencias)");

    Control<QAction>(*w, "mnuControles")->trigger();
    QDialog* controles = Abierta("frmControles");
    ASSERT_NE(controles, nullptr);
    EXPECT_FALSE(controles->isModal());
    // Both are up at once, and the main window still takes input.
    EXPECT_TRUE(refs->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    QPointer<QDialog> cerrada(refs);
    refs->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(cerrada.isNull());
}

TEST_F(Ventanas, ConfigurationIsModalAndItsAcceptanceReachesThePendingSettings) {
    QString abierta;
    prueba::CuandoAparezca([&](QWidget* caja) {
        abierta = caja->objectName();
        Control<QAbstractButton>(*caja, "Check1")->click();
        Control<QLineEdit>(*caja, "Text1")->setText("errores@example.com");
        Control<QPushButton>(*caja, "OKButton")->click();
    });
    Control<QAction>(*w, "mnuConfig")->trigger();
    EXPECT_EQ(abierta, "frmConfiguracion");
    EXPECT_EQ(w->Comportamiento().Estado().ajustes.glbMandaEmail, "True");
    EXPECT_EQ(w->Comportamiento().Estado().ajustes.glbEmailDir, "errores@example.com");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Ventanas, TheViewersDependenciasListsTheCallersOfTheProcedureShown) {
    auto* List1 = Control<QListWidget>(*w, "List1");
    auto* List2 = Control<QListWidget>(*w, "List2");
    List1->setCurrentItem(List1->findItems("Uno", Qt::MatchExactly).front());
    Control<QAction>(*w, "mnuCodigo")->trigger();
    List2->setCurrentItem(List2->findItems("Uno", Qt::MatchExactly).front());
    qt::FrmCodigo* visor = w->Visor();
    ASSERT_NE(visor, nullptr);
    ASSERT_EQ(visor->Tag(), "Uno");

    Control<QAction>(*visor, "mnuDep")->trigger();
    auto* dependencias = visor->findChild<QDialog*>("Dependencias");
    ASSERT_NE(dependencias, nullptr);
    EXPECT_TRUE(dependencias->isVisible());
    EXPECT_FALSE(dependencias->isModal());
    EXPECT_EQ(Filas(Control<QListWidget>(*dependencias, "List1")), QStringList({"Otro / Llama"}));
}

} // namespace
