// Reading, editing and searching the code lines of a module, and a module put back exactly as it
// was (hidden attribute lines, a missing final break) from a snapshot, told to the host as one
// edit. (Each edit told to the host with its lines: the code panes of the IDE's host tests.)
#include "base/ErrorVB.h"
#include "host/files/CodeModuleMem.h"
#include "host/files/ModuleFile.h"
#include "tests/support/Archivos.h"
#include "tests/support/Errores.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

namespace {

using vbide::CodeModule;

std::unique_ptr<files::ModuleFile> Module(const std::string& code) {
    return files::ModuleFile::Parse("Attribute VB_Name = \"M\"\r\n" + code, "M.bas", 1252);
}

long ErrorOf(const std::function<void()>& f) {
    return soporte::Lanzado(f).Number;
}

// Edited text lives apart from the loaded bytes in a gap buffer and is packed again as edits
// pile up: a long random run of edits (empty, shorter, longer, huge lines; edits far apart,
// close together and alternating between the two ends, so that the gap fills up exactly and
// moves while empty) must read and save exactly what a plain list of lines holds.
TEST(ModuleCode, LongEditRunsKeepEveryLine) {
    std::string code;
    std::vector<std::string> want;
    for (int i = 0; i < 300; ++i) {
        want.push_back("    linea = " + std::to_string(i) + " ' del archivo");
        code += want.back() + "\r\n";
    }
    auto f = Module(code);
    CodeModule& cm = f->Code();
    std::mt19937 rng(4242);
    auto text = [&](int step) {
        size_t len = rng() % 50 == 0 ? 70000 + rng() % 1000 : rng() % 60;
        std::string t = std::to_string(step) + ":";
        t.resize(len < t.size() ? t.size() : len, static_cast<char>('a' + step % 26));
        return rng() % 20 == 0 ? std::string() : t;
    };
    for (int step = 0; step < 20000; ++step) {
        long n = static_cast<long>(want.size());
        long at = n == 0 ? 1 : 1 + static_cast<long>(rng() % static_cast<unsigned>(n));
        at = step % 3 == 0 ? std::min(2L, n) : step % 3 == 1 ? n : at; // the two ends
        switch (rng() % 5) {
        case 0:
        case 1:
        case 2:
            if (n > 0) {
                std::string t = text(step);
                cm.ReplaceLine(at, t);
                want[static_cast<size_t>(at - 1)] = t;
            }
            break;
        case 3: {
            std::string t = text(step);
            cm.InsertLines(at, t);
            want.insert(want.begin() + (at - 1), t);
            break;
        }
        default:
            if (n > 100) {
                cm.DeleteLines(at, 1);
                want.erase(want.begin() + (at - 1));
            }
        }
        if (step % 1000 == 0 || step == 19999) {
            ASSERT_EQ(cm.CountOfLines(), static_cast<long>(want.size())) << "step " << step;
            for (long i = 1; i <= cm.CountOfLines(); ++i) {
                ASSERT_EQ(cm.Lines(i, 1), want[static_cast<size_t>(i - 1)])
                    << "step " << step << " line " << i;
                // the view reads the same text, wherever the line's text lives now
                ASSERT_EQ(cm.Line(i), want[static_cast<size_t>(i - 1)])
                    << "step " << step << " line " << i;
            }
        }
    }
    std::string saved = "Attribute VB_Name = \"M\"\r\n";
    for (const std::string& l : want) {
        saved += l + "\r\n";
    }
    EXPECT_EQ(f->Serialize(), saved);
}

TEST(ModuleCode, OutOfRangeAndUnknownProcedureRaiseClearErrors) {
    auto f = Module("Sub A()\r\nEnd Sub\r\n");
    CodeModule& cm = f->Code();
    EXPECT_EQ(ErrorOf([&] { cm.Lines(2, 2); }), 9);
    // what a reader of one line is told past either end is exactly what Lines(line, 1) says
    for (long past : {0L, 3L, -5L}) {
        const ErrorVB line = soporte::Lanzado([&] { cm.Line(past); });
        const ErrorVB lines = soporte::Lanzado([&] { cm.Lines(past, 1); });
        EXPECT_EQ(line.Number, 9);
        EXPECT_EQ(line.Source + ": " + line.Description, lines.Source + ": " + lines.Description);
        EXPECT_NE(line.Description, "");
    }
    EXPECT_EQ(cm.Line(2), "End Sub");
    EXPECT_EQ(ErrorOf([&] { cm.Lines(1, -1); }), 5);
    EXPECT_EQ(ErrorOf([&] { cm.InsertLines(4, "x"); }), 9);
    EXPECT_EQ(ErrorOf([&] { cm.DeleteLines(2, 2); }), 9);
    EXPECT_EQ(ErrorOf([&] { cm.ReplaceLine(3, "x"); }), 9);
    EXPECT_EQ(ErrorOf([&] { cm.ProcOfLine(3); }), 9);
    EXPECT_EQ(ErrorOf([&] { cm.ProcStartLine("B", vbide::ProcKind::Proc); }), 35);
    EXPECT_EQ(ErrorOf([&] { cm.Members().Item("B"); }), 9);
    EXPECT_EQ(cm.Lines(3, 0), "");
    EXPECT_EQ(cm.Lines(1, 2), "Sub A()\r\nEnd Sub");
    EXPECT_FALSE(f->Modified());                                // failed edits change nothing
    EXPECT_EQ(cm.ProcStartLine("a", vbide::ProcKind::Proc), 1); // names ignore case
}

// Find from (line, column) to (line, column), -1 for the module's end: whole words, case,
// the code page's letters folded ("ñandú" finds "Ñandú") and Like patterns; where it finds the
// text, or 0 when it does not. The cases: tests/data/host/buscar.txt.
TEST(ModuleCode, FindHonoursRangeWordCaseAndPatterns) {
    auto f = files::ModuleFile::Parse(soporte::Lee(soporte::Datos("host/modules/Buscar.bas")),
                                      "Buscar.bas", 1252);
    for (const auto& c : soporte::Tabla("host/buscar.txt")) {
        SCOPED_TRACE(c.at(0));
        std::istringstream desde(c.at(1));
        long sl = 0, sc = 0, el = 0, ec = 0;
        desde >> sl >> sc >> el >> ec;
        const auto con = [&](const char* opcion) { return c.at(2).find(opcion) != c[2].npos; };
        const bool hallado =
            f->Code().Find(c[0], sl, sc, el, ec, con("word"), con("case"), con("pattern"));
        EXPECT_EQ(hallado ? std::to_string(sl) + " " + std::to_string(sc) + " " +
                                std::to_string(el) + " " + std::to_string(ec)
                          : "0",
                  c.at(3));
    }
}

struct Registro : files::ObservadorCodigo {
    std::vector<std::string> visto;
    void AntesDeCambiar(files::CodeModuleMem& m) override {
        visto.push_back("antes " + std::to_string(m.CountOfLines()));
    }
    void Cambiado(files::CodeModuleMem& m, long primera, long quitadas, long puestas) override {
        visto.push_back(std::to_string(primera) + " -" + std::to_string(quitadas) + " +" +
                        std::to_string(puestas) + " = " + std::to_string(m.CountOfLines()));
    }
};

files::CodeModuleMem& Code(files::ModuleFile& f) {
    return dynamic_cast<files::CodeModuleMem&>(f.Code());
}

TEST(ModuleObserver, SnapshotPutsEveryByteBack) {
    // Hidden attribute lines, an LF line and no final break: tests/data/host/modules/Foto.cls.
    const std::string bytes = soporte::Lee(soporte::Datos("host/modules/Foto.cls"));
    auto f = files::ModuleFile::Parse(bytes, "C.cls", 1252);
    auto& cm = Code(*f);
    const auto foto = cm.Toma();
    cm.DeleteLines(2, 3); // the attribute waits for its header
    cm.InsertLines(1, "' nuevo\r\n");
    cm.ReplaceLine(cm.CountOfLines(), "End Function");
    ASSERT_NE(f->Serialize(), bytes);
    Registro r;
    cm.Observa(&r);
    cm.Restaura(foto);
    EXPECT_EQ(f->Serialize(), bytes);
    EXPECT_EQ(cm.ProcBodyLine("Item", vbide::ProcKind::Get), 2);
    EXPECT_EQ(cm.ProcOfLine(5), "Fin");
    EXPECT_EQ(r.visto, (std::vector<std::string>{"antes 5", "1 -5 +6 = 6"}));
    EXPECT_FALSE(cm.Modified()) << "back to the lines it was loaded with";
    cm.ReplaceLine(1, "' otra");
    EXPECT_TRUE(cm.Modified());
    const auto cambiado = cm.Toma();
    cm.MarkSaved();
    cm.Restaura(foto);
    EXPECT_TRUE(cm.Modified()) << "the loaded lines are no longer the saved ones";
    cm.Restaura(cambiado);
    EXPECT_FALSE(cm.Modified());
}

} // namespace
