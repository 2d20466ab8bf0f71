// The insert and remove commands and the menus of the main window, driven by clicks and keys
// on real project files; every question and message is a real box answered by a timer.
#include "tests/ui/RespondeCaja.h"
#include "tests/ui/main/ApoyoVentana.h"
#include "ui/main/Reglas.h"

#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <regex>

namespace {

using prueba::Control;
using prueba::Filas;

class Comandos : public ::testing::Test {
protected:
    void SetUp() override {
        apoyo::SilenciaGlbErr();
        vbe = files::Vbe::Open(prueba::CopiaDemo(tmp.ruta));
        w = std::make_unique<ui::frmAddIn>(*vbe, prueba::CarpetaAddIn());
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        List1 = Control<QListWidget>(*w, "List1");
        List2 = Control<QListWidget>(*w, "List2");
        List3 = Control<QListWidget>(*w, "List3");
        Check1 = Control<QCheckBox>(*w, "Check1");
        Command1 = Control<QPushButton>(*w, "Command1");
        Command2 = Control<QPushButton>(*w, "Command2");
    }

    std::string Codigo(const std::string& modulo) {
        auto& m = vbe->ActiveVBProject()->VBComponents().Item(modulo).CodeModule();
        return m.Lines(1, m.CountOfLines());
    }

    QAction* Menu(const char* nombre) { return Control<QAction>(*w, nombre); }

    // Selects the module by a click on its row.
    void Modulo(const QString& nombre) {
        const auto filas = List1->findItems(nombre, Qt::MatchExactly);
        ASSERT_EQ(filas.size(), 1) << nombre.toStdString();
        prueba::ClicFila(List1, List1->row(filas.front()));
    }

    apoyo::CarpetaTemporal tmp;
    std::unique_ptr<files::Vbe> vbe;
    std::unique_ptr<ui::frmAddIn> w;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QListWidget* List3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

TEST_F(Comandos, WithNothingSelectedTheMessageIsShownNothingChangesAndTheStatusIsRebuilt) {
    Modulo("Utilidades");
    ASSERT_EQ(Filas(List3), QStringList({"No", "Sí", "No", "No"}));
    const std::string antes = Codigo("Utilidades");
    prueba::PulsaBoton(QMessageBox::Ok);
    QTest::mouseClick(Command1, Qt::LeftButton);
    EXPECT_EQ(prueba::UltimoMensaje(),
              "No hay ningún procedimiento seleccionado.\nSeleccione antes algún procedimiento");
    EXPECT_EQ(prueba::UltimoTitulo(), "Lintrap");
    EXPECT_EQ(Codigo("Utilidades"), antes);
    EXPECT_EQ(Filas(List3), QStringList({"No", "Si", "No", "No"}));
    EXPECT_FALSE(Control<QProgressBar>(*w, "ProgressBar1")->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Comandos, NoToTheAllProceduresQuestionChangesNothing) {
    Modulo("Utilidades");
    const std::string antes = Codigo("Utilidades");
    prueba::Marca(Check1);
    prueba::PulsaBoton(QMessageBox::No);
    QTest::mouseClick(Command1, Qt::LeftButton);
    EXPECT_EQ(prueba::UltimoMensaje(),
              "¿Seguro que quiere insertar en todos los procedimientos en este módulo?");
    EXPECT_EQ(Codigo("Utilidades"), antes);
    EXPECT_EQ(Filas(List3), QStringList({"No", "Sí", "No", "No"}));

    prueba::PulsaBoton(QMessageBox::No);
    QTest::mouseClick(Command2, Qt::LeftButton);
    EXPECT_EQ(prueba::UltimoMensaje(),
              "¿Seguro que quiere quitar en todos los procedimientos en este módulo?");
    EXPECT_EQ(Codigo("Utilidades"), antes);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Comandos, AllFourProceduresAreNumberedWithProgressAt0_25_50_75AndUnnumberedAgain) {
    Modulo("Utilidades");
    const std::string antes = Codigo("Utilidades");
    std::vector<int> valores;
    bool relojDuranteLaPregunta = false;
    QObject::connect(Control<QProgressBar>(*w, "ProgressBar1"), &QProgressBar::valueChanged,
                     [&](int v) { valores.push_back(v); });
    prueba::Marca(Check1);
    prueba::CuandoAparezca([&](QWidget* caja) {
        relojDuranteLaPregunta = QApplication::overrideCursor() != nullptr &&
                                 QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        qobject_cast<QMessageBox*>(caja)->button(QMessageBox::Yes)->click();
    });
    QTest::mouseClick(Command1, Qt::LeftButton);
    EXPECT_TRUE(relojDuranteLaPregunta);
    ASSERT_GE(valores.size(), 4u);
    EXPECT_EQ(std::vector<int>(valores.end() - 4, valores.end()),
              (std::vector<int>{0, 25, 50, 75}));
    EXPECT_NE(Codigo("Utilidades"), antes);
    const std::regex numerada("\r\n[0-9]+ +Set NuevoCliente = c\r\n");
    EXPECT_TRUE(std::regex_search(Codigo("Utilidades"), numerada));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Control<QProgressBar>(*w, "ProgressBar1")->isVisible());

    prueba::PulsaBoton(QMessageBox::Yes);
    QTest::mouseClick(Command2, Qt::LeftButton);
    EXPECT_EQ(Filas(List3), QStringList({"No", "Si", "No", "No"}));
    EXPECT_FALSE(std::regex_search(Codigo("Utilidades"), std::regex("\r\n[0-9]")));
}

TEST_F(Comandos, TheFirstHandlerAddsTheTwoModulesKeepsTheModuleAndRefusesClsErrores) {
    Modulo("Utilidades");
    prueba::Marca(Control<QRadioButton>(*w, "Option2"));
    prueba::Marca(Control<QRadioButton>(*w, "OptResume"));
    prueba::ClicFila(List2, 3); // NuevoCliente
    prueba::PulsaBoton(QMessageBox::Ok);
    QTest::mouseClick(Command1, Qt::LeftButton);
    EXPECT_EQ(prueba::UltimoMensaje(),
              "Se ha añadido una clase para manejo de errores (clsErrores.cls) y un módulo "
              "(InfoSistema.bas)");
    EXPECT_EQ(Filas(List1), QStringList({"clsCliente", "clsErrores", "frmCliente", "frmPrincipal",
                                         "InfoSistema", "Utilidades"}));
    ASSERT_NE(List1->currentItem(), nullptr);
    EXPECT_EQ(List1->currentItem()->text(), "Utilidades");
    EXPECT_EQ(Filas(List3), QStringList({"No", "Sí", "No", "Sí"}));
    EXPECT_NE(Codigo("Utilidades").find("glbErr.Push"), std::string::npos);
    // The reload put the options back.
    EXPECT_TRUE(Control<QRadioButton>(*w, "Option1")->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(*w, "OptExit")->isChecked());
    EXPECT_FALSE(Control<QWidget>(*w, "PicManejo")->isVisible());
    EXPECT_EQ(w->Estado().modo, engine::Modo::Option1);

    // The runtime class is the add-in's own.
    Modulo("clsErrores");
    const std::string clase = Codigo("clsErrores");
    prueba::Marca(Check1);
    prueba::PulsaBoton(QMessageBox::Ok);
    QTest::mouseClick(Command1, Qt::LeftButton);
    EXPECT_EQ(prueba::UltimoMensaje(),
              "Este módulo clsErrores pertenece al Complemento y no se puede modificar");
    EXPECT_EQ(Codigo("clsErrores"), clase);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Comandos, TheMenuBarCarriesItsEntriesAccessKeysAndShortcuts) {
    QStringList arriba;
    for (QAction* a : w->menuBar()->actions()) {
        arriba << a->text();
    }
    EXPECT_EQ(arriba, QStringList({"&Configuración", "&Utilidades", "&Ayuda"}));
    EXPECT_EQ(Menu("mnuConfig")->menu(), nullptr);
    QStringList utilidades;
    for (QAction* a : Control<QMenu>(*w, "mnuUtils")->actions()) {
        utilidades << a->objectName() + "=" + a->text();
    }
    EXPECT_EQ(utilidades, QStringList({"mnuCodigo=&Ver Codigo", "mnuRef=&Referencias",
                                       "mnuControles=&Controles", "mnuRefrescar=&Actualizar"}));
    QStringList ayuda;
    for (QAction* a : Control<QMenu>(*w, "mnuAyuda")->actions()) {
        ayuda << a->objectName() + "=" + a->text();
    }
    EXPECT_EQ(ayuda, QStringList({"mnuAyuda2=&Ayuda", "mnuAbout=A&cerca de"}));
    EXPECT_EQ(Menu("mnuRefrescar")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(Menu("mnuAyuda2")->shortcut(), QKeySequence(Qt::Key_F1));
    // "&Actualizar" starts hidden and stays so; F5 still reloads.
    EXPECT_FALSE(Menu("mnuRefrescar")->isVisible());

    // Windows built elsewhere open through their hooks.
    QStringList abiertas;
    w->abreConfiguracion = [&](ui::frmAddIn&) { abiertas << "frmConfiguracion"; };
    w->abreReferencias = [&](ui::frmAddIn&) { abiertas << "frmRefs"; };
    w->abreControles = [&](ui::frmAddIn&) { abiertas << "frmControles"; };
    Menu("mnuConfig")->trigger();
    Menu("mnuRef")->trigger();
    Menu("mnuControles")->trigger();
    EXPECT_EQ(abiertas, QStringList({"frmConfiguracion", "frmRefs", "frmControles"}));

    // An error in a menu command reaches the runtime's handler, whose box is a Qt one.
    w->abreReferencias = [](ui::frmAddIn&) {
        throw ErrorVB(vberr::FileNotFound, "frmRefs", "No se encuentra la referencia");
    };
    prueba::PulsaBoton(QMessageBox::Ok);
    Menu("mnuRef")->trigger();
    EXPECT_TRUE(prueba::UltimoMensaje().contains("No se encuentra la referencia"))
        << prueba::UltimoMensaje().toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Comandos, F5ReloadsTheWindowWithTheOptionsAndSettingsReset) {
    Modulo("Utilidades");
    prueba::Marca(Control<QRadioButton>(*w, "Option2"));
    w->Estado().ajustes.glbEmailDir = "yo@example.com";
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_F5);
    EXPECT_EQ(List1->currentRow(), 0);
    EXPECT_EQ(Filas(List2), QStringList({"Descripcion"}));
    EXPECT_TRUE(Control<QRadioButton>(*w, "Option1")->isChecked());
    EXPECT_FALSE(Control<QWidget>(*w, "PicManejo")->isVisible());
    EXPECT_EQ(w->Estado().ajustes.glbEmailDir, "");
    EXPECT_EQ(w->Estado().ajustes.glbLogOnError, "True");
}

TEST_F(Comandos, F1AndTheHelpEntryOpenTheSameHelpOnce) {
    Menu("mnuAyuda2")->trigger();
    auto ayudas = w->findChildren<QTextBrowser*>("frmAyuda");
    ASSERT_EQ(ayudas.size(), 1);
    QTextBrowser* ayuda = ayudas.front();
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_EQ(ayuda->source().toLocalFile().toStdString(), ui::RutaAyuda(prueba::CarpetaAddIn()));
    EXPECT_TRUE(ayuda->toPlainText().contains("Insertar"));
    ayuda->close();

    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_F1);
    EXPECT_EQ(w->findChildren<QTextBrowser*>("frmAyuda"), ayudas);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_EQ(ayuda->source().toLocalFile().toStdString(), ui::RutaAyuda(prueba::CarpetaAddIn()));
}

TEST(SinAyuda, AMissingHelpFileIsNotReported) {
    apoyo::SilenciaGlbErr();
    apoyo::CarpetaTemporal tmp;
    auto vbe = files::Vbe::Open(prueba::CopiaDemo(tmp.ruta));
    ui::frmAddIn w(*vbe, tmp.ruta.string());
    w.show();
    Control<QAction>(w, "mnuAyuda2")->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(w.findChildren<QTextBrowser*>("frmAyuda").isEmpty());
}

TEST_F(Comandos, TheAboutBoxShowsTheVersionAndTheSummaryAndAceptarClosesIt) {
    QString caption, titulo, resumen;
    prueba::CuandoAparezca([&](QWidget* caja) {
        caption = caja->windowTitle();
        titulo = Control<QLabel>(*caja, "lblTitle")->text();
        resumen = Control<QPlainTextEdit>(*caja, "txtAppAbout")->toPlainText();
        QTest::mouseClick(Control<QPushButton>(*caja, "cmdOK"), Qt::LeftButton);
    });
    Menu("mnuAbout")->trigger();
    EXPECT_EQ(caption, "Ayuda Lintrap");
    EXPECT_EQ(titulo, "Lintrap " LINTRAP_VERSION);
    EXPECT_EQ(resumen.toStdString(),
              QString::fromStdString(ui::ResumenAcercaDe()).replace("\r\n", "\n").toStdString());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
