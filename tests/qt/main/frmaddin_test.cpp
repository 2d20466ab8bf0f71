// The main window's Qt skin on real project files: its layout, the user's clicks, scrolls and
// keys reaching their handlers, the primitives showing what they are told, and the windows it
// opens and unloads. The rules themselves are tested without widgets (tests/ui).
#include "qt/main/frmAddIn.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Guion.h"
#include "tests/support/Proyectos.h"
#include "tests/support/RespondeCaja.h"
#include "tests/support/Widgets.h"
#include "ui/main/Reglas.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextEdit>
#include <QWindow>
#include <gtest/gtest.h>

#include <map>

namespace {

using prueba::ClicFila, prueba::Control, prueba::DobleClicFila, prueba::Marca;

// The window, counting what its viewer is given.
class Contada : public qt::frmAddIn {
public:
    using qt::frmAddIn::frmAddIn;
    void MuestraCodigo(const ui::VistaCodigo& codigo) override {
        ++refrescos;
        qt::frmAddIn::MuestraCodigo(codigo);
    }
    int refrescos = 0;
};

// Forty procedures, more than the lists show at once.
std::string Muchos() {
    std::string codigo;
    for (int i = 10; i < 50; ++i)
        codigo += "Public Sub P" + std::to_string(i) + "()\n" +
                  (i % 3 == 0 ? "    On Error Resume Next\n" : "") + "End Sub\n";
    return codigo;
}

class Piel : public ::testing::Test {
protected:
    void SetUp() override { soporte::SilenciaGlbErr(); }

    // The window over `vbe` (the example project by default), shown as the connection shows
    // it; the runtime modules and the help file are the build's copies beside this program.
    void Abre(std::unique_ptr<files::Vbe> abierto = nullptr) {
        vbe = abierto ? std::move(abierto) : files::Vbe::Open(soporte::CopiaDemo(tmp.Ruta()));
        w = std::make_unique<Contada>(*vbe, QCoreApplication::applicationDirPath().toStdString());
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        List1 = Control<QListWidget>(*w, "List1");
        List2 = Control<QListWidget>(*w, "List2");
        List3 = Control<QListWidget>(*w, "List3");
    }
    QAction* Menu(const char* nombre) { return Control<QAction>(*w, nombre); }
    void Activa() {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    soporte::Carpeta tmp;
    std::unique_ptr<files::Vbe> vbe;
    std::unique_ptr<Contada> w;
    QListWidget *List1 = nullptr, *List2 = nullptr, *List3 = nullptr;
};

TEST_F(Piel, ElBordeEsFijoLosEstadosSonUnaColumnaYLosMenusSuOrden) {
    Abre();
    EXPECT_TRUE(Control<QLabel>(*w, "Label5")->font().bold());
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    // List3 is a narrow column right beside List2, with the same top and height.
    const QRect l2 = List2->geometry(), l3 = List3->geometry();
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
}

TEST_F(Piel, ClicsDesplazamientosYTeclasLleganASusManejadores) {
    // Windows-1252 bytes: "Año".
    Abre(files::Vbe::Open(soporte::EscribeProyecto(
        tmp.Ruta(),
        {soporte::Bas("Largo", Muchos()),
         {"Anio.bas", "Attribute VB_Name = \"A\xF1o\"\nPublic Sub Uno()\nEnd Sub\n"}},
        "Module=Largo; Largo.bas\nModule=A\xF1o; Anio.bas\n")));
    EXPECT_EQ(List1->item(0)->text(), "Año");
    EXPECT_EQ(List1->currentRow(), 0);
    ClicFila(List1, 1);
    QCoreApplication::processEvents(); // the rows laid out
    ASSERT_EQ(List2->count(), 40);
    EXPECT_EQ(Control<QLabel>(*w, "Label4")->text(), "Lineas: 93");

    List2->verticalScrollBar()->setValue(12);
    EXPECT_EQ(List3->verticalScrollBar()->value(), 12);
    List3->verticalScrollBar()->setValue(5);
    EXPECT_EQ(List2->verticalScrollBar()->value(), 5);
    ClicFila(List2, 9);
    EXPECT_EQ(List3->currentRow(), 9);
    ClicFila(List3, 7);
    EXPECT_EQ(List2->currentRow(), 7);
    EXPECT_EQ(List2->selectedItems().size(), 1);
    ClicFila(List2, 10, Qt::ControlModifier);
    EXPECT_EQ(w->Comportamiento().Estado().SelCount(), 2);

    auto* Check1 = Control<QCheckBox>(*w, "Check1");
    Marca(Check1);
    EXPECT_TRUE(Check1->isChecked());
    EXPECT_TRUE(List2->selectedItems().isEmpty());

    // Hidden, the variants leave no gap between the options; shown, they appear to the right of
    // Option2, from top to bottom, the frame growing up into the list, the window unmoved.
    auto* PicManejo = Control(*w, "PicManejo");
    EXPECT_FALSE(PicManejo->isVisible());
    QWidget *Option2 = Control(*w, "Option2"), *Option3 = Control(*w, "Option3");
    EXPECT_LE(Option3->y() - Option2->geometry().bottom(), 12);
    const QRect marco = Control(*w, "Frame1")->geometry(), ventana = w->geometry();
    Marca(Option2);
    QApplication::processEvents();
    EXPECT_TRUE(PicManejo->isVisible());
    EXPECT_EQ(Control(*w, "Frame1")->geometry().bottom(), marco.bottom());
    EXPECT_GT(Control(*w, "Frame1")->height(), marco.height());
    EXPECT_EQ(w->geometry(), ventana);
    EXPECT_GT(PicManejo->x(), Control(*w, "Option2")->x());
    EXPECT_LT(Control(*w, "OptExit")->y(), Control(*w, "OptResume")->y());
    EXPECT_LT(Control(*w, "OptResume")->y(), Control(*w, "OptRaise")->y());
    Marca(Control(*w, "OptRaise"));
    EXPECT_EQ(w->Comportamiento().Estado().variante, engine::Variante::OptRaise);

    Activa();
    QTest::keyClick(w.get(), Qt::Key_F5); // reloads
    EXPECT_TRUE(Control<QRadioButton>(*w, "Option1")->isChecked());
    EXPECT_FALSE(PicManejo->isVisible());
}

TEST_F(Piel, ElVisorSeAbrePorMenuYDobleClicSeRefrescaEnCadaPulsacionYSuCierreSeOye) {
    Abre(soporte::AbreModulos(tmp.Ruta(), {soporte::Bas("Largo", Muchos()),
                                           soporte::Bas("Otro", "Public Sub Uno()\nEnd Sub\n")}));
    ClicFila(List2, 3);
    EXPECT_EQ(w->refrescos, 0);
    EXPECT_EQ(w->Visor(), nullptr);
    w->move(w->screen()->availableGeometry().topLeft()); // room beside it on a small screen
    Menu("mnuCodigo")->trigger();
    qt::FrmCodigo* visor = w->Visor();
    ASSERT_NE(visor, nullptr);
    EXPECT_TRUE(visor->isVisible());
    // owned by the main window, so kept above it; level with it, at its side
    EXPECT_EQ(visor->windowHandle()->transientParent(), w->windowHandle());
    EXPECT_EQ(visor->frameGeometry().top(), w->frameGeometry().top());
    EXPECT_FALSE(w->frameGeometry().contains(visor->frameGeometry().center()));
    EXPECT_EQ(Menu("mnuCodigo")->text(), "Ocultar Codigo");
    EXPECT_EQ(visor->windowTitle(), "P13");
    EXPECT_TRUE(visor->TxtCodigo()->toPlainText().trimmed().startsWith("Public Sub P13()"));

    // A click refreshes once, and pressing the current row again still refreshes.
    const int antes = w->refrescos;
    ClicFila(List2, 2);
    ClicFila(List2, 2);
    ClicFila(List3, 5);
    EXPECT_EQ(w->refrescos, antes + 3);
    EXPECT_EQ(visor->windowTitle(), "P15");

    Menu("mnuCodigo")->trigger();
    EXPECT_FALSE(visor->isVisible());
    EXPECT_EQ(Menu("mnuCodigo")->text(), "&Ver Codigo");
    DobleClicFila(List1, 1);
    EXPECT_TRUE(visor->isVisible());
    EXPECT_EQ(visor->windowTitle(), "Otro");
    visor->close();
    EXPECT_EQ(Menu("mnuCodigo")->text(), "&Ver Codigo");
    DobleClicFila(List3, 0);
    EXPECT_TRUE(visor->isVisible());
    EXPECT_EQ(w->Visor(), visor);
}

TEST_F(Piel, UnaOrdenMuestraSuPreguntaProgresoYRelojDeArena) {
    Abre();
    ClicFila(List1, 3); // Utilidades
    std::vector<int> valores;
    bool relojDuranteLaPregunta = false, barraDuranteLaPregunta = true;
    auto* barra = Control<QProgressBar>(*w, "ProgressBar1");
    // No text on the bar; hidden, no blank band under the buttons.
    EXPECT_FALSE(barra->isTextVisible());
    QApplication::processEvents(); // the layout follows the bar hidden after the scan
    EXPECT_LE(w->centralWidget()->height() - Control(*w, "CancelButton")->geometry().bottom(), 16);
    QObject::connect(barra, &QProgressBar::valueChanged, [&](int v) { valores.push_back(v); });
    Marca(Control(*w, "Check1"));
    QString pregunta;
    prueba::CuandoAparezca([&](QWidget* caja) {
        relojDuranteLaPregunta = QApplication::overrideCursor() != nullptr &&
                                 QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        barraDuranteLaPregunta = barra->isVisible() || barra->value() > 0;
        pregunta = caja->windowTitle() + ": " + qobject_cast<QMessageBox*>(caja)->text();
        qobject_cast<QMessageBox*>(caja)->button(QMessageBox::Yes)->click();
    });
    QTest::mouseClick(Control(*w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(pregunta,
              "Lintrap: ¿Seguro que quiere insertar en todos los procedimientos en este módulo?");
    EXPECT_TRUE(relojDuranteLaPregunta);
    EXPECT_FALSE(barraDuranteLaPregunta) << "no stale bar behind a box";
    ASSERT_GE(valores.size(), 4u);
    EXPECT_EQ(std::vector<int>(valores.end() - 4, valores.end()),
              (std::vector<int>{25, 50, 75, 0}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(barra->isVisible());
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
    Activa();
    QTest::keyClick(w.get(), Qt::Key_F1);
    EXPECT_EQ(w->findChildren<QTextBrowser*>("frmAyuda"), ayudas);
    EXPECT_TRUE(ayudas.front()->isVisible());

    // The about box and the configuration are modal; the configuration's acceptance reaches the
    // pending settings. Every dialog opens centred on the main window.
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
    prueba::CuandoAparezca([&](QWidget* caja) {
        caption = caja->objectName();
        Centro(caja);
        Control<QAbstractButton>(*caja, "Check1")->click();
        Control<QLineEdit>(*caja, "Text1")->setText("errores@example.com");
        Control<QPushButton>(*caja, "OKButton")->click();
    });
    Menu("mnuConfig")->trigger();
    EXPECT_EQ(caption, "frmConfiguracion");
    EXPECT_EQ(w->Comportamiento().Estado().ajustes.glbEmailDir, "errores@example.com");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The references and the controls inspector are modeless, both up at once.
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
    EXPECT_EQ(centros.size(), 4u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // A second click raises the open window; after "Aceptar" a click opens one afresh.
    Menu("mnuRef")->trigger();
    EXPECT_EQ(w->findChildren<QDialog*>("frmRefs").size(), 1);
    QPointer<QDialog> refs = Control<QDialog>(*w, "frmRefs");
    QTest::mouseClick(Control(*refs, "OKButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(refs.isNull());
    Menu("mnuRef")->trigger();
    ASSERT_EQ(w->findChildren<QDialog*>("frmRefs").size(), 1);
    EXPECT_TRUE(Control<QDialog>(*w, "frmRefs")->isVisible());
    // Closed, a window goes.
    abiertas.back()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(abiertas.back().isNull());

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
