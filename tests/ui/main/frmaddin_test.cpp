// The main window's Qt skin on real project files: each control with its name and caption, the
// user's clicks, scrolls and keys reaching their handlers, the primitives showing what they are
// told, and the windows it opens and unloads. The rules themselves are tested without widgets
// (tests/ui_core/frmaddin_test.cpp).
#include "tests/ui/RespondeCaja.h"
#include "tests/ui/main/ApoyoVentana.h"
#include "ui/main/Reglas.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

using prueba::Control;
using prueba::Filas;

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
    for (int i = 10; i < 50; ++i) {
        codigo += "Public Sub P" + std::to_string(i) + "()\n" +
                  (i % 3 == 0 ? "    On Error Resume Next\n" : "") + "End Sub\n";
    }
    return codigo;
}

class Piel : public ::testing::Test {
protected:
    void SetUp() override { apoyo::SilenciaGlbErr(); }

    // The window over `vbe`, shown as the connection shows it.
    void Abre(vbide::VBE& vbe) {
        w = std::make_unique<Contada>(vbe, prueba::CarpetaAddIn());
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        List1 = Control<QListWidget>(*w, "List1");
        List2 = Control<QListWidget>(*w, "List2");
        List3 = Control<QListWidget>(*w, "List3");
        Check1 = Control<QCheckBox>(*w, "Check1");
    }
    QAction* Menu(const char* nombre) { return Control<QAction>(*w, nombre); }

    apoyo::CarpetaTemporal tmp;
    std::unique_ptr<files::Vbe> vbe;
    std::unique_ptr<Contada> w;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QListWidget* List3 = nullptr;
    QCheckBox* Check1 = nullptr;
};

TEST_F(Piel, EachControlCarriesItsNameAndCaptionAndTheBorderIsFixed) {
    vbe = files::Vbe::Open(prueba::CopiaDemo(tmp.ruta));
    Abre(*vbe);
    EXPECT_EQ(w->windowTitle(), "AddIn Lintrap - Quovant");
    EXPECT_EQ(Control<QLabel>(*w, "Label5")->text(), "Demo");
    EXPECT_TRUE(Control<QLabel>(*w, "Label5")->font().bold());
    const std::pair<const char*, const char*> captions[] = {
        {"Label6", "Proyecto:"},
        {"Label1", "Módulos"},
        {"Label3", "Procedimientos"},
        {"Label2", "On Error"},
    };
    for (const auto& [nombre, caption] : captions) {
        EXPECT_EQ(Control<QLabel>(*w, nombre)->text(), QString::fromUtf8(caption)) << nombre;
    }
    const std::pair<const char*, const char*> botones[] = {
        {"Check1", "Todos los procedimientos"},
        {"Option1", "Números de línea"},
        {"Option2", "clsErrores"},
        {"Option3", "Resume Next (solamente)"},
        {"OptExit", "Exit"},
        {"OptResume", "Resume Next"},
        {"OptRaise", "Err.Raise"},
        {"Command1", "Insertar"},
        {"Command2", "Quitar"},
        {"CancelButton", "Salir"},
    };
    for (const auto& [nombre, caption] : botones) {
        EXPECT_EQ(Control<QAbstractButton>(*w, nombre)->text(), QString::fromUtf8(caption))
            << nombre;
    }
    EXPECT_EQ(Check1->toolTip(), "Insertar en todos los procedimientos del módulo");
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);

    // List3 is a narrow column right beside List2, with the same top and height; List1 is
    // shorter, with Label4, Frame1 and Check1 below it.
    const auto lugar = [&](QWidget* c) { return QRect(c->mapTo(w.get(), QPoint()), c->size()); };
    const QRect l1 = lugar(List1), l2 = lugar(List2), l3 = lugar(List3);
    EXPECT_EQ(l2.top(), l3.top());
    EXPECT_EQ(l2.height(), l3.height());
    EXPECT_EQ(l1.top(), l2.top());
    EXPECT_LT(l1.height(), l2.height());
    EXPECT_LE(l2.right() + 1, l3.left());
    EXPECT_LT(l3.width(), l2.width() / 2);
    const QRect l4 = lugar(Control<QWidget>(*w, "Label4"));
    const QRect f1 = lugar(Control<QWidget>(*w, "Frame1"));
    const QRect c1 = lugar(Check1);
    EXPECT_LT(l1.bottom(), l4.top());
    EXPECT_LT(l4.bottom(), f1.top());
    EXPECT_LT(f1.bottom(), c1.top());
    const QRect salir = lugar(Control<QWidget>(*w, "CancelButton"));
    EXPECT_GT(salir.left(), lugar(Control<QWidget>(*w, "Command2")).right());

    QStringList arriba;
    for (QAction* a : w->menuBar()->actions()) {
        arriba << a->text();
    }
    EXPECT_EQ(arriba, QStringList({"&Configuración", "&Utilidades", "&Ayuda"}));
    EXPECT_EQ(Menu("mnuConfig")->menu(), nullptr);
    QStringList entradas;
    for (const char* menu : {"mnuUtils", "mnuAyuda"}) {
        for (QAction* a : Control<QMenu>(*w, menu)->actions()) {
            entradas << a->objectName() + "=" + a->text();
        }
    }
    EXPECT_EQ(entradas, QStringList({"mnuCodigo=&Ver Codigo", "mnuRef=&Referencias",
                                     "mnuControles=&Controles", "mnuRefrescar=&Actualizar",
                                     "mnuAyuda2=&Ayuda", "mnuAbout=A&cerca de"}));
    EXPECT_EQ(Menu("mnuRefrescar")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(Menu("mnuAyuda2")->shortcut(), QKeySequence(Qt::Key_F1));
    // "&Actualizar" starts hidden and stays so; F5 still reloads.
    EXPECT_FALSE(Menu("mnuRefrescar")->isVisible());
}

TEST_F(Piel, ClicksScrollsAndKeysReachTheirHandlersAndTheListsShowWhatTheyAreTold) {
    // Windows-1252 bytes: "Año".
    apoyo::Proyecto(tmp.ruta,
                    {{"Largo.bas", "Attribute VB_Name = \"Largo\"\n" + Muchos()},
                     {"Anio.bas", "Attribute VB_Name = \"A\xF1o\"\nPublic Sub Uno()\nEnd Sub\n"}},
                    "Module=Largo; Largo.bas\nModule=A\xF1o; Anio.bas\n");
    vbe = files::Vbe::Open(tmp.ruta / "Proyecto1.vbp");
    Abre(*vbe);
    EXPECT_EQ(Filas(List1), QStringList({"Año", "Largo"}));
    EXPECT_EQ(List1->currentRow(), 0);
    prueba::ClicFila(List1, 1);
    QCoreApplication::processEvents(); // the rows laid out
    ASSERT_EQ(List2->count(), 40);
    EXPECT_EQ(List3->item(2)->text(), "Sí");
    EXPECT_EQ(Control<QLabel>(*w, "Label4")->text(), "Lineas: 93");

    List2->verticalScrollBar()->setValue(12);
    EXPECT_EQ(List3->verticalScrollBar()->value(), 12);
    List3->verticalScrollBar()->setValue(5);
    EXPECT_EQ(List2->verticalScrollBar()->value(), 5);
    prueba::ClicFila(List2, 9);
    EXPECT_EQ(List3->currentRow(), 9);
    prueba::ClicFila(List3, 7);
    EXPECT_EQ(List2->currentRow(), 7);
    EXPECT_EQ(List2->selectedItems().size(), 1);
    prueba::ClicFila(List2, 10, Qt::ControlModifier);
    EXPECT_EQ(w->Comportamiento().Estado().SelCount(), 2);

    prueba::Marca(Check1);
    EXPECT_TRUE(Check1->isChecked());
    EXPECT_TRUE(List2->selectedItems().isEmpty());

    // The variants appear to the right of Option2, from top to bottom, the frame unmoved.
    auto* PicManejo = Control<QWidget>(*w, "PicManejo");
    EXPECT_FALSE(PicManejo->isVisible());
    const QRect marco = Control<QWidget>(*w, "Frame1")->geometry();
    prueba::Marca(Control<QRadioButton>(*w, "Option2"));
    EXPECT_TRUE(PicManejo->isVisible());
    EXPECT_EQ(Control<QWidget>(*w, "Frame1")->geometry(), marco);
    EXPECT_GT(PicManejo->x(), Control<QWidget>(*w, "Option2")->x());
    EXPECT_LT(Control<QWidget>(*w, "OptExit")->y(), Control<QWidget>(*w, "OptResume")->y());
    EXPECT_LT(Control<QWidget>(*w, "OptResume")->y(), Control<QWidget>(*w, "OptRaise")->y());
    prueba::Marca(Control<QRadioButton>(*w, "OptRaise"));
    EXPECT_EQ(w->Comportamiento().Estado().variante, engine::Variante::OptRaise);

    // F5 reloads.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_F5);
    EXPECT_EQ(List1->currentRow(), 0);
    EXPECT_TRUE(Control<QRadioButton>(*w, "Option1")->isChecked());
    EXPECT_FALSE(PicManejo->isVisible());
}

TEST_F(Piel, TheViewerOpensByMenuAndDoubleClickRefreshesOnEachPressAndItsCloseIsHeard) {
    vbe = prueba::AbreModulos(tmp.ruta, {prueba::Bas("Largo", Muchos()),
                                         prueba::Bas("Otro", "Public Sub Uno()\nEnd Sub\n")});
    Abre(*vbe);
    prueba::ClicFila(List2, 3);
    EXPECT_EQ(w->refrescos, 0);
    EXPECT_EQ(w->Visor(), nullptr);
    Menu("mnuCodigo")->trigger();
    qt::FrmCodigo* visor = w->Visor();
    ASSERT_NE(visor, nullptr);
    EXPECT_TRUE(visor->isVisible());
    EXPECT_EQ(Menu("mnuCodigo")->text(), "Ocultar Codigo");
    EXPECT_EQ(visor->windowTitle(), "P13");
    EXPECT_TRUE(visor->TxtCodigo()->toPlainText().trimmed().startsWith("Public Sub P13()"));

    // A click refreshes once, and pressing the current row again still refreshes.
    const int antes = w->refrescos;
    prueba::ClicFila(List2, 2);
    EXPECT_EQ(w->refrescos, antes + 1);
    prueba::ClicFila(List2, 2);
    EXPECT_EQ(w->refrescos, antes + 2);
    prueba::ClicFila(List3, 5);
    EXPECT_EQ(w->refrescos, antes + 3);
    EXPECT_EQ(visor->windowTitle(), "P15");

    Menu("mnuCodigo")->trigger();
    EXPECT_FALSE(visor->isVisible());
    EXPECT_EQ(Menu("mnuCodigo")->text(), "&Ver Codigo");
    prueba::DobleClicFila(List1, 1);
    EXPECT_TRUE(visor->isVisible());
    EXPECT_EQ(visor->windowTitle(), "Otro");
    visor->close();
    EXPECT_EQ(Menu("mnuCodigo")->text(), "&Ver Codigo");
    prueba::DobleClicFila(List3, 0);
    EXPECT_TRUE(visor->isVisible());
    EXPECT_EQ(w->Visor(), visor);
}

TEST_F(Piel, ACommandShowsItsQuestionProgressAndHourglass) {
    vbe = files::Vbe::Open(prueba::CopiaDemo(tmp.ruta));
    Abre(*vbe);
    prueba::ClicFila(List1, 3); // Utilidades
    std::vector<int> valores;
    bool relojDuranteLaPregunta = false;
    auto* barra = Control<QProgressBar>(*w, "ProgressBar1");
    QObject::connect(barra, &QProgressBar::valueChanged, [&](int v) { valores.push_back(v); });
    prueba::Marca(Check1);
    QString pregunta;
    prueba::CuandoAparezca([&](QWidget* caja) {
        relojDuranteLaPregunta = QApplication::overrideCursor() != nullptr &&
                                 QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        pregunta = caja->windowTitle() + ": " + qobject_cast<QMessageBox*>(caja)->text();
        qobject_cast<QMessageBox*>(caja)->button(QMessageBox::Yes)->click();
    });
    QTest::mouseClick(Control<QPushButton>(*w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(pregunta,
              "Lintrap: ¿Seguro que quiere insertar en todos los procedimientos en este módulo?");
    EXPECT_TRUE(relojDuranteLaPregunta);
    ASSERT_GE(valores.size(), 4u);
    EXPECT_EQ(std::vector<int>(valores.end() - 4, valores.end()),
              (std::vector<int>{0, 25, 50, 75}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(barra->isVisible());
    EXPECT_EQ(Filas(List3), QStringList({"No", "Si", "No", "No"}));
}

TEST_F(Piel, TheMenusOpenHelpAboutAndWindowsAndSalirUnloadsThemAll) {
    vbe = files::Vbe::Open(prueba::CopiaDemo(tmp.ruta));
    Abre(*vbe);
    // F1 and the help entry open the same help window.
    Menu("mnuAyuda2")->trigger();
    auto ayudas = w->findChildren<QTextBrowser*>("frmAyuda");
    ASSERT_EQ(ayudas.size(), 1);
    EXPECT_TRUE(ayudas.front()->isVisible());
    EXPECT_EQ(ayudas.front()->source().toLocalFile().toStdString(),
              ui::RutaAyuda(prueba::CarpetaAddIn()));
    EXPECT_TRUE(ayudas.front()->toPlainText().contains("Insertar"));
    ayudas.front()->close();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_F1);
    EXPECT_EQ(w->findChildren<QTextBrowser*>("frmAyuda"), ayudas);
    EXPECT_TRUE(ayudas.front()->isVisible());

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
    EXPECT_EQ(resumen, QString::fromStdString(ui::ResumenAcercaDe()).replace("\r\n", "\n"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Every window it opened goes with it; it stays for whoever keeps it.
    Menu("mnuCodigo")->trigger();
    Menu("mnuRef")->trigger();
    QList<QPointer<QWidget>> abiertas = {w->Visor(), ayudas.front(),
                                         w->findChild<QWidget*>("frmRefs")};
    bool descargado = false;
    QObject::connect(w.get(), &qt::frmAddIn::descargado, [&] { descargado = true; });
    QTest::mouseClick(Control<QPushButton>(*w, "CancelButton"), Qt::LeftButton);
    EXPECT_TRUE(descargado);
    EXPECT_FALSE(w->isVisible());
    for (const auto& v : abiertas) {
        EXPECT_TRUE(v.isNull());
    }
    EXPECT_EQ(w->Visor(), nullptr);
    EXPECT_EQ(Menu("mnuCodigo")->text(), "&Ver Codigo");
}

} // namespace
