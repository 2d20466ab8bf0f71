// The host around the add-in: code panes following the add-in's edits, undo of a whole
// command, asking before unsaved changes are lost, files changed on disk by another program, a
// pending save, bad input, and Qt's buttons in Spanish.
#include "tests/ide/PruebaIde.h"
#include "tests/support/RespondeCaja.h"
#include "tests/support/Tabla.h"
#include "tests/support/Widgets.h"

#include "host/files/AtomicWrite.h"
#include "host/files/Journal.h"
#include "host/files/Project.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <map>
#include <tuple>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using prueba::Ventana;

// Every component's bytes as a save would write them now.
std::map<std::string, std::string> Bytes(ide::VentanaIde& v) {
    std::map<std::string, std::string> out;
    files::Project& p = *v.Vbe().Modelo()->Active();
    for (std::size_t i = 0; i < p.ComponentCount(); ++i) {
        out[p.ComponentAt(i).Name()] = p.ComponentAt(i).Bytes();
    }
    return out;
}

// The module's lines as the pane should show them.
QString Lineas(files::CodeModuleMem& m) {
    return QString::fromStdString(codepage::AUtf8(m.Lines(1, m.CountOfLines())))
        .replace("\r\n", "\n");
}

// Every file of the folder dated an hour back, so that a file written now shows a new time;
// returns that time.
std::filesystem::file_time_type Atrasa(const std::filesystem::path& carpeta) {
    const auto antes = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& e : std::filesystem::directory_iterator(carpeta))
        std::filesystem::last_write_time(e.path(), antes);
    return antes;
}

struct Host : ::testing::Test {
    prueba::ConDemo demo;
    ide::VentanaIde v;
    QWidget* frm = nullptr;

    void SetUp() override {
        ASSERT_TRUE(v.Abre(demo.Vbp()));
        v.show();
        QApplication::setActiveWindow(&v);
    }
    // The add-in connected with its window open.
    void Lintrap() {
        auto& c = v.Componentes().Carga(LINTRAP_ADDIN);
        v.Componentes().Conecta(c, vbide::ext_cm_External);
        frm = Ventana("frmAddIn");
        ASSERT_NE(frm, nullptr);
    }
    // "Insertar" line numbers into every procedure of `modulo`, as the user does it.
    void NumeraTodo(const QString& modulo) {
        auto* List1 = prueba::Control<QListWidget>(*frm, "List1");
        prueba::ClicFila(List1, prueba::Fila(List1, modulo));
        auto* Check1 = prueba::Control<QCheckBox>(*frm, "Check1");
        if (!Check1->isChecked())
            prueba::Marca(Check1);
        prueba::PulsaBoton(QMessageBox::Yes); // every procedure of the module?
        QTest::mouseClick(prueba::Control(*frm, "Command1"), Qt::LeftButton);
        QApplication::processEvents();
    }
};

// The add-in's commands show in the open code pane, its tab marked, and each is one undo step
// whatever it edited: every module comes back byte for byte. The pane follows any edit of the
// object model's.
TEST_F(Host, TheAddInsCommandsShowInTheOpenPaneAndAreUndoneWhole) {
    const auto original = Bytes(v);
    files::CodeModuleMem* m = v.Modulo("Utilidades");
    ASSERT_NE(m, nullptr);
    m->CodePane().Show(); // the object model's CodePane.Show opens and raises it
    ide::PanelCodigo* panel = v.Panel(*m);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(v.Paneles()->currentWidget(), panel);
    const QString antes = panel->toPlainText();
    Lintrap();
    NumeraTodo("Utilidades");
    EXPECT_NE(panel->toPlainText(), antes);
    EXPECT_EQ(panel->toPlainText(), Lineas(*m));
    EXPECT_TRUE(v.Paneles()->tabText(v.Paneles()->indexOf(panel)).endsWith(" *"));
    const auto numerado = Bytes(v);
    ASSERT_NE(numerado, original);
    NumeraTodo("clsCliente");
    const auto dos = Bytes(v);
    ASSERT_NE(dos, numerado);
    EXPECT_EQ(v.Pila().count(), 2); // one step per command, whatever it edited
    files::CodeModuleMem* c = v.Modulo("clsCliente");
    c->CodePane().Show();
    QApplication::setActiveWindow(&v); // the keys go to the host, not to the add-in's window
    QTest::keySequence(v.Panel(*c), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Bytes(v), numerado);
    EXPECT_EQ(v.Panel(*c)->toPlainText(), Lineas(*c));
    QTest::keySequence(&v, QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Bytes(v), original);
    QApplication::processEvents();
    EXPECT_FALSE(v.isWindowModified()) << "undone back to the files as they are on disk";
    QTest::keySequence(&v, QKeySequence(Qt::CTRL | Qt::Key_Y));
    QTest::keySequence(&v, QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(Bytes(v), dos);
    QApplication::processEvents();
    EXPECT_TRUE(v.isWindowModified());
    // edits through the object model in the middle, at the end and of everything
    m->InsertLines(3, "' uno\r\n' dos");
    m->DeleteLines(m->CountOfLines(), 1);
    m->ReplaceLine(1, "' primera");
    EXPECT_EQ(panel->toPlainText(), Lineas(*m));
    m->DeleteLines(1, m->CountOfLines());
    m->InsertLines(1, "' sola");
    EXPECT_EQ(panel->toPlainText(), "' sola");
}

// Proves: the add-in's window opens centred on the host's, which owns it, and a module click in
// it shows the module's pane behind it without raising or activating the host over it.
TEST_F(Host, TheAddInsWindowIsTheHostsAndStaysOverItOnAModuleClick) {
    Lintrap();
    EXPECT_EQ(frm->parentWidget(), &v);
    EXPECT_LE((frm->frameGeometry().center() - v.frameGeometry().center()).manhattanLength(), 2);
    struct Activaciones : QObject {
        int n = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            n += e->type() == QEvent::WindowActivate;
            return false;
        }
    } activaciones;
    QApplication::setActiveWindow(frm);
    QApplication::processEvents();
    v.installEventFilter(&activaciones);
    auto* List1 = prueba::Control<QListWidget>(*frm, "List1");
    prueba::ClicFila(List1, prueba::Fila(List1, "clsCliente"));
    QApplication::processEvents();
    EXPECT_EQ(v.Paneles()->currentWidget(), v.Panel(*v.Modulo("clsCliente")));
    EXPECT_EQ(activaciones.n, 0);
    EXPECT_EQ(QApplication::activeWindow(), frm);
}

// Proves: typing taken back, by undo or by hand, is no change: undone, nothing is marked
// modified; either way a save writes no file (the same bytes, the same time). A command's
// undo says that the modules it added to the project stay.
TEST_F(Host, TypingTakenBackIsNoChangeAndSavingWritesNothing) {
    files::CodeModuleMem* m = v.Modulo("Utilidades");
    ide::PanelCodigo* panel = v.MuestraPanel(*m);
    for (const bool deshaciendo : {true, false}) {
        const auto antes = Atrasa(demo.Carpeta()); // a file written again gets a new time
        panel->setFocus();
        panel->moveCursor(QTextCursor::Start);
        QTest::keyClick(panel, Qt::Key_X);
        QApplication::processEvents();
        ASSERT_TRUE(v.isWindowModified());
        if (deshaciendo)
            QTest::keySequence(panel, QKeySequence(Qt::CTRL | Qt::Key_Z));
        else
            QTest::keyClick(panel, Qt::Key_Backspace);
        QApplication::processEvents();
        EXPECT_EQ(v.isWindowModified(), !deshaciendo) << deshaciendo;
        EXPECT_EQ(m->Modified(), !deshaciendo);
        ASSERT_TRUE(v.Guarda());
        QApplication::processEvents();
        EXPECT_FALSE(v.isWindowModified());
        for (const auto& e : std::filesystem::directory_iterator(demo.Carpeta()))
            EXPECT_EQ(std::filesystem::last_write_time(e.path()), antes) << e.path();
    }

    QTemporaryDir otra;
    const std::string extra = otra.filePath("Extra.bas").toStdString();
    soporte::Escribe(extra, "Attribute VB_Name = \"Extra\"\r\nOption Explicit\r\n");
    // one command, in one event, as the add-in's run from a click
    QMetaObject::invokeMethod(
        &v,
        [&] {
            v.Vbe().Modelo()->Active()->VBComponents().Import(extra);
            m->InsertLines(1, "' con Extra");
        },
        Qt::QueuedConnection);
    QApplication::processEvents();
    ASSERT_EQ(v.Pila().text(v.Pila().index() - 1), "Comando del complemento en Utilidades");
    prueba::PulsaBoton(QMessageBox::Ok);
    QTest::keySequence(&v, QKeySequence(Qt::CTRL | Qt::Key_Z));
    for (int i = 0; i < 100 && !prueba::UltimoMensaje().contains("(Extra) sigue en él"); ++i)
        QTest::qWait(20); // the box comes once the undo is over
    EXPECT_TRUE(prueba::UltimoMensaje().contains("(Extra) sigue en él"))
        << prueba::UltimoMensaje().toStdString();
    EXPECT_FALSE(m->Modified());
}

// Proves: the code panes are coloured as the viewer colours (keywords, error terms, comments),
// and stay so through typing and the add-ins' edits.
TEST_F(Host, CodePanesAreColouredAndStaySo) {
    files::CodeModuleMem* m = v.Modulo("Utilidades");
    ide::PanelCodigo* panel = v.MuestraPanel(*m);
    m->InsertLines(1, "Sub A(): On Error Resume Next ' nota");
    panel->setFocus();
    panel->moveCursor(QTextCursor::Start);
    QTest::keyClicks(panel, "' escrito");
    QTest::keyClick(panel, Qt::Key_Return);
    // tests/data/ide/colores.txt: line, column, colour, bold.
    const std::map<std::string, QColor> colores = {
        {"negro", Qt::black}, {"azul", 0x0000FA}, {"morado", 0xA000A0}, {"verde", 0x007800}};
    for (const auto& c : soporte::Tabla("ide/colores.txt")) {
        const QTextBlock linea = panel->document()->findBlockByNumber(std::stoi(c[0]) - 1);
        EXPECT_EQ(prueba::FormatoEn(*panel->document(), linea.position() + std::stoi(c[1])),
                  std::pair(colores.at(c[2]), c[3] == "1"))
            << c[0] << ":" << c[1] << " " << linea.text().toStdString();
    }
}

// Closing without changes asks nothing; with unsaved changes it asks first, naming the project:
// "Cancelar" keeps the window and the file as they were, "Guardar" writes the change (which
// files a save writes is the object model's: tests/host).
TEST_F(Host, ClosingAsksFirstOnlyWithUnsavedChanges) {
    {
        prueba::CuentaCajas cajas;
        EXPECT_TRUE(v.close());
        EXPECT_EQ(cajas.Cuantas(), 0);
    }
    v.show();
    v.Modulo("Utilidades")->InsertLines(1, "' sin guardar");
    QApplication::processEvents();
    EXPECT_TRUE(v.isWindowModified());
    prueba::PulsaBoton(QMessageBox::Cancel);
    EXPECT_FALSE(v.close());
    EXPECT_TRUE(v.isVisible());
    EXPECT_TRUE(prueba::UltimoMensaje().contains("Demo.vbp"))
        << prueba::UltimoMensaje().toStdString();
    EXPECT_EQ(demo.Lee("Utilidades.bas").find("' sin guardar"), std::string::npos);
    prueba::PulsaBoton(QMessageBox::Save);
    EXPECT_TRUE(v.close());
    EXPECT_NE(demo.Lee("Utilidades.bas").find("' sin guardar\r\n"), std::string::npos);
}

TEST_F(Host, AFileChangedOnDiskIsOfferedForReload) {
    files::CodeModuleMem* m = v.Modulo("Utilidades");
    v.MuestraPanel(*m);
    std::string bytes = demo.Lee("Utilidades.bas");
    bytes += "' de otro programa\r\n";
    soporte::Escribe(demo.Carpeta() / "Utilidades.bas", bytes);
    // kept: the model keeps its lines and is not asked again for that version
    prueba::PulsaBoton(QMessageBox::No);
    v.CompruebaDisco();
    EXPECT_TRUE(prueba::UltimoMensaje().contains("Utilidades.bas"));
    {
        prueba::CuentaCajas cajas;
        v.CompruebaDisco();
        EXPECT_EQ(cajas.Cuantas(), 0);
    }
    EXPECT_EQ(v.Modulo("Utilidades")->Lines(v.Modulo("Utilidades")->CountOfLines(), 1),
              std::string(m->Line(m->CountOfLines())));
    // changed again, and reloaded: the open pane shows the new lines
    bytes += "' y otra vez\r\n";
    soporte::Escribe(demo.Carpeta() / "Utilidades.bas", bytes);
    prueba::PulsaBoton(QMessageBox::Yes);
    v.CompruebaDisco();
    files::CodeModuleMem* nuevo = v.Modulo("Utilidades");
    ASSERT_NE(nuevo, nullptr);
    EXPECT_EQ(nuevo->Line(nuevo->CountOfLines()), "' y otra vez");
    ASSERT_NE(v.Panel(*nuevo), nullptr);
    EXPECT_TRUE(v.Panel(*nuevo)->toPlainText().endsWith("' y otra vez"));
}

// A save of the demo stopped after its first rename: the journal and the other temporaries stay.
void GuardadoInterrumpido(const std::filesystem::path& vbp) {
    struct FallaAlSegundo : files::DiskWriter {
        int hechos = 0;
        void Commit(const std::filesystem::path& t, const std::filesystem::path& d) override {
            if (++hechos == 2) {
                throw files::SystemError(EIO, d, "escribir");
            }
            DiskWriter::Commit(t, d);
        }
    } escritor;
    files::WriterOverride usa(escritor);
    auto p = files::Project::Load(vbp);
    for (const char* m : {"Utilidades", "clsCliente", "frmPrincipal"}) {
        p->Find(m)->CodeModule().InsertLines(1, "' interrumpido");
    }
    EXPECT_THROW(p->Save(), ErrorVB);
    ASSERT_TRUE(std::filesystem::exists(files::JournalName(vbp)));
}

// Proves: opening a project whose save was interrupted completes that save before reading it
// (the modules show the new lines, the status bar says so, nothing is left), the host never
// saves over a journal pending since, and a journal copied from another folder is refused
// (asked; "No" leaves everything as it was) until the user drops it.
TEST(HostDiario, OpeningCompletesAPendingSaveAndNeverSavesOverOne) {
    prueba::ConDemo demo;
    const auto vbp = demo.Carpeta() / "Demo.vbp";
    GuardadoInterrumpido(vbp);
    ide::VentanaIde v;
    ASSERT_TRUE(v.Abre(demo.Vbp()));
    EXPECT_TRUE(v.statusBar()->currentMessage().startsWith("Se ha completado"))
        << v.statusBar()->currentMessage().toStdString();
    EXPECT_EQ(v.Modulo("clsCliente")->Line(1), "' interrumpido");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(demo.Carpeta()), {}), 5);

    GuardadoInterrumpido(vbp);
    const std::string diario = demo.Lee("Demo.vbp.lintrap-journal");
    v.Modulo("frmCliente")->InsertLines(1, "' del host"); // a file the save left alone
    {
        prueba::CuentaCajas cajas;
        EXPECT_FALSE(v.Guarda());
        EXPECT_TRUE(cajas.Ultima().contains("Demo.vbp.lintrap-journal"))
            << cajas.Ultima().toStdString();
    }
    EXPECT_EQ(demo.Lee("Demo.vbp.lintrap-journal"), diario);

    // the folder copied with its save pending: refused, then dropped when the user agrees
    QTemporaryDir otra;
    const auto copia = std::filesystem::path(otra.path().toStdString()) / "Demo";
    std::filesystem::copy(demo.Carpeta(), copia, std::filesystem::copy_options::recursive);
    const QString copiaVbp = QString::fromStdString((copia / "Demo.vbp").string());
    ide::VentanaIde w;
    prueba::PulsaBoton(QMessageBox::No);
    EXPECT_FALSE(w.Abre(copiaVbp));
    EXPECT_TRUE(prueba::UltimoMensaje().contains("Demo.vbp.lintrap-journal"));
    EXPECT_TRUE(std::filesystem::exists(files::JournalName(copia / "Demo.vbp")));
    prueba::PulsaBoton(QMessageBox::Yes);
    EXPECT_TRUE(w.Abre(copiaVbp));
    EXPECT_FALSE(std::filesystem::exists(files::JournalName(copia / "Demo.vbp")));
    EXPECT_TRUE(w.statusBar()->currentMessage().contains("descartado"));
    EXPECT_EQ(demo.Lee("Demo.vbp.lintrap-journal"), diario); // the original's is its own
}

// Proves: the host never aborts on bad input. Without a display, --help prints the usage and a
// project gives a message on stderr (exit 1, not SIGABRT); a project file larger than the memory
// the host may still take ends in a message box naming it.
TEST(Arranque, BadInputEndsInAMessageNeverAnAbort) {
    QProcessEnvironment sinPantalla = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        sinPantalla.remove(v);
    }
    for (const auto& [argumento, codigo, texto] :
         {std::tuple{"--help", 0, "Uso: lintrap-ide"}, {"P.vbp", 1, "no se puede mostrar"}}) {
        QProcess ide;
        ide.setProcessEnvironment(sinPantalla);
        ide.start(LINTRAP_IDE, {argumento});
        ASSERT_TRUE(ide.waitForFinished(10000)) << argumento;
        EXPECT_EQ(ide.exitStatus(), QProcess::NormalExit) << argumento;
        EXPECT_EQ(ide.exitCode(), codigo) << argumento;
        EXPECT_TRUE(
            (codigo ? ide.readAllStandardError() : ide.readAllStandardOutput()).contains(texto))
            << argumento;
    }

    // Sparse, and as large as a project file may be: more than the memory the process holds in
    // reserve, and more than the address space it is left.
    QTemporaryDir dir;
    const QString vbp = dir.filePath("Grande.vbp");
    QFile grande(vbp);
    ASSERT_TRUE(grande.open(QIODevice::WriteOnly) && grande.resize(64 << 20));
    grande.close();
    ide::VentanaIde v;
    prueba::CuentaCajas cajas;
    ::malloc_trim(0); // memory that earlier tests freed could otherwise hold the file
    long paginas = 0;
    std::ifstream("/proc/self/statm") >> paginas;
    rlimit antes{};
    ::getrlimit(RLIMIT_AS, &antes);
    rlimit limite = antes;
    limite.rlim_cur = rlim_t(paginas) * rlim_t(::sysconf(_SC_PAGESIZE)) + (24 << 20);
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &limite), 0);
    const bool abierto = v.Abre(vbp);
    ::setrlimit(RLIMIT_AS, &antes);
    EXPECT_FALSE(abierto);
    EXPECT_EQ(cajas.Cuantas(), 1);
    EXPECT_TRUE(cajas.Ultima().contains("Grande.vbp") && cajas.Ultima().contains("memoria"))
        << cajas.Ultima().toStdString();
}

// Qt's own buttons speak the user's language in the host, the add-in's boxes with them.
TEST(Espanol, TheStandardButtonsOfEveryBoxAreInSpanish) {
    QStringList textos;
    prueba::CuandoAparezca([&](QWidget* caja) {
        for (const auto* b : caja->findChildren<QAbstractButton*>())
            textos << b->text().remove('&');
        static_cast<QDialog*>(caja)->reject();
    });
    QMessageBox(QMessageBox::Question, "Lintrap", "¿Seguro?",
                QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No)
        .exec();
    textos.sort();
    EXPECT_EQ(textos, QStringList({"Aceptar", "Cancelar", "No", "Sí"}))
        << textos.join("|").toStdString();
}

} // namespace
