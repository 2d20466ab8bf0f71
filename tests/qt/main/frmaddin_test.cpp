// The main window's Qt skin on real project files: its layout and menus, and the windows it
// opens and unloads. Its primitives are tested once per kind of control (vista_test.cpp), its
// rules without widgets (tests/ui).
#include "qt/main/frmAddIn.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/RespondeCaja.h"
#include "tests/support/Widgets.h"
#include "ui/main/Reglas.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <map>

namespace {

using prueba::Control;

class Piel : public ::testing::Test {
protected:
    void SetUp() override { soporte::SilenciaGlbErr(); }

    // The window over the example project, shown as the connection shows it; the runtime
    // modules and the help file are the build's copies beside this program.
    void Abre() {
        vbe = files::Vbe::Open(soporte::CopiaDemo(tmp.Ruta()));
        w = std::make_unique<qt::frmAddIn>(*vbe,
                                           QCoreApplication::applicationDirPath().toStdString());
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    QAction* Menu(const char* nombre) { return Control<QAction>(*w, nombre); }

    soporte::Carpeta tmp;
    std::unique_ptr<files::Vbe> vbe;
    std::unique_ptr<qt::frmAddIn> w;
};

TEST_F(Piel, ElBordeEsFijoLosEstadosSonUnaColumnaYLosMenusSuOrden) {
    Abre();
    EXPECT_TRUE(Control<QLabel>(*w, "Label5")->font().bold());
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    // List3 is a narrow column right beside List2, with the same top and height.
    const QRect l2 = Control(*w, "List2")->geometry(), l3 = Control(*w, "List3")->geometry();
    EXPECT_EQ(l2.top(), l3.top());
    EXPECT_EQ(l2.height(), l3.height());
    EXPECT_LE(l2.right() + 1, l3.left());
    EXPECT_LT(l3.width(), l2.width() / 2);

    QStringList entradas;
    for (QAction* a : w->menuBar()->actions())
        entradas << a->text();
    for (const char* menu : {"mnuUtils", "mnuAyuda"})
        for (QAction* a : Control<QMenu>(*w, menu)->actions())
            entradas << a->objectName();
    EXPECT_EQ(entradas,
              QStringList({"&Configuración", "&Utilidades", "&Ayuda", "mnuCodigo", "mnuRef",
                           "mnuControles", "mnuRefrescar", "mnuAyuda2", "mnuAbout"}));
    EXPECT_EQ(Menu("mnuConfig")->menu(), nullptr);
    EXPECT_EQ(Menu("mnuRefrescar")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(Menu("mnuAyuda2")->shortcut(), QKeySequence(Qt::Key_F1));
    // "&Actualizar" starts hidden and stays so; F5 still reloads.
    EXPECT_FALSE(Menu("mnuRefrescar")->isVisible());
    EXPECT_EQ(Menu("mnuRefrescarF5")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(w->actions().contains(Menu("mnuRefrescarF5")));
    EXPECT_FALSE(Control<QProgressBar>(*w, "ProgressBar1")->isTextVisible());
}

TEST_F(Piel, LosMenusAbrenAyudaAcercaDeYVentanasYSalirLasDescargaTodas) {
    Abre();
    // F1 and the help entry open the same help window.
    Menu("mnuAyuda2")->trigger();
    auto ayudas = w->findChildren<QTextBrowser*>("frmAyuda");
    ASSERT_EQ(ayudas.size(), 1);
    EXPECT_TRUE(ayudas.front()->isVisible());
    EXPECT_EQ(ayudas.front()->source().toLocalFile(),
              QString::fromStdString(
                  ui::RutaAyuda(QCoreApplication::applicationDirPath().toStdString())));
    EXPECT_TRUE(ayudas.front()->toPlainText().contains("Insertar"));
    ayudas.front()->close();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_F1);
    EXPECT_EQ(w->findChildren<QTextBrowser*>("frmAyuda"), ayudas);
    EXPECT_TRUE(ayudas.front()->isVisible());

    // The about box is modal, the references and the controls inspector modeless, both up at
    // once; every dialog opens centred on the main window.
    QString caption;
    std::map<QString, QPoint> centros;
    const auto Centro = [&](QWidget* caja) {
        centros[caja->objectName()] = caja->frameGeometry().center() - w->frameGeometry().center();
    };
    prueba::CuandoAparezca([&](QWidget* caja) {
        caption = caja->objectName();
        Centro(caja);
        QTest::mouseClick(Control(*caja, "cmdOK"), Qt::LeftButton);
    });
    Menu("mnuAbout")->trigger();
    EXPECT_EQ(caption, "frmAbout");
    Menu("mnuCodigo")->trigger();
    Menu("mnuRef")->trigger();
    Menu("mnuControles")->trigger();
    QList<QPointer<QWidget>> abiertas = {w->Visor(), ayudas.front()};
    for (const char* nombre : {"frmRefs", "frmControles"}) {
        auto* d = Control<QDialog>(*w, nombre);
        EXPECT_TRUE(d->isVisible() && !d->isModal()) << nombre;
        abiertas << d;
        Centro(d);
    }
    for (const auto& [nombre, desvio] : centros)
        EXPECT_LE(desvio.manhattanLength(), 2) << nombre.toStdString();
    EXPECT_EQ(centros.size(), 3u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // Salir unloads every window it opened; it stays for whoever keeps it.
    bool descargado = false;
    QObject::connect(w.get(), &qt::frmAddIn::descargado, [&] { descargado = true; });
    QTest::mouseClick(Control(*w, "CancelButton"), Qt::LeftButton);
    EXPECT_TRUE(descargado);
    EXPECT_FALSE(w->isVisible());
    for (const auto& v : abiertas)
        EXPECT_TRUE(v.isNull());
    EXPECT_EQ(w->Visor(), nullptr);
    EXPECT_EQ(Menu("mnuCodigo")->text(), "&Ver Codigo");
}

} // namespace
