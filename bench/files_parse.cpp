// A module as the command-line benchmark writes it (about 20 lines per procedure, 5,000 lines),
// taken through each step a numbering run costs the in-memory model: parsing, asking for each
// procedure's member and start, replacing every line, serialising, freeing; and through edits
// that add procedures.
#include "host/files/ModuleFile.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::string Modulo(int lineas) {
    std::string s = "Attribute VB_Name = \"Modulo1\"\r\nOption Explicit\r\n\r\n"
                    "Private Const NOMBRE As String = \"Modulo1\"\r\n\r\n";
    int n = 5;
    for (int p = 0; n < lineas; ++p) {
        const bool funcion = p % 3 == 0;
        const std::string kind = funcion ? "Function" : "Sub";
        const std::string nombre = "Proc1_" + std::to_string(p);
        s += "' C\xE1lculo " + std::to_string(p) +
             " del m\xF3"
             "dulo 1\r\n";
        s += funcion
                 ? "Public Function " + nombre + "(ByVal a As Long, ByVal b As String) As Long\r\n"
                 : "Private Sub " + nombre + "(ByVal a As Long)\r\n";
        s += "    Dim i As Long\r\n    Dim s As String\r\n    s = \"A\xF1o \" & CStr(a)\r\n"
             "    If a < 0 Then\r\n        Exit " +
             kind +
             "\r\n    End If\r\n"
             "    For i = 1 To 10\r\n        s = s & CStr(i) & _\r\n            \" m\xE1s\"\r\n"
             "    Next i\r\n    Select Case a\r\n        Case 1\r\n            a = a + 1\r\n"
             "        Case Else\r\n            a = a - 1\r\n    End Select\r\nEnd " +
             kind + "\r\n\r\n";
        n += 20;
    }
    return s;
}

// The engine numbers the body, not the header and end lines.
bool Numerable(std::string_view l) {
    return !l.starts_with("Public Function") && !l.starts_with("Private Sub") &&
           !l.starts_with("End ");
}

constexpr int kModulos = 20; // one round: 100,000 lines

std::vector<std::string> Textos() {
    return std::vector<std::string>(kModulos, Modulo(5000));
}

std::vector<std::unique_ptr<files::ModuleFile>> Parsea(const std::vector<std::string>& textos) {
    std::vector<std::unique_ptr<files::ModuleFile>> fs;
    for (const std::string& t : textos) {
        fs.push_back(files::ModuleFile::Parse(t, "Modulo1.bas", 1252));
    }
    return fs;
}

// Every body line replaced by itself with a line number in front.
void Numera(vbide::CodeModule& cm) {
    std::string nueva;
    for (long i = 7; i <= cm.CountOfLines(); ++i) {
        if (Numerable(cm.Line(i))) {
            nueva = "10 ";
            nueva += cm.Line(i);
            cm.ReplaceLine(i, nueva);
        }
    }
}

void Parse(benchmark::State& state) {
    std::vector<std::string> textos = Textos();
    for (auto _ : state) {
        for (const std::string& t : textos) {
            auto f = files::ModuleFile::Parse(t, "Modulo1.bas", 1252);
            benchmark::DoNotOptimize(f.get());
            state.PauseTiming();
            f.reset();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(Parse)->Unit(benchmark::kMillisecond);

// Parses the modules untimed, times `paso` over each one's code, frees them untimed.
template <class Paso> void CadaModulo(benchmark::State& state, Paso paso) {
    std::vector<std::string> textos = Textos();
    for (auto _ : state) {
        state.PauseTiming();
        auto fs = Parsea(textos);
        state.ResumeTiming();
        for (auto& f : fs) {
            paso(f->Code());
        }
        state.PauseTiming();
        fs.clear();
        state.ResumeTiming();
    }
}

// The member and start line of every procedure, as the engine asks before numbering.
void Miembros(benchmark::State& state) {
    CadaModulo(state, [](vbide::CodeModule& cm) {
        for (int p = 0; p < 250; ++p) {
            std::string nombre = "Proc1_" + std::to_string(p);
            benchmark::DoNotOptimize(cm.Members().Item(nombre).Type());
            benchmark::DoNotOptimize(cm.ProcStartLine(nombre, vbide::ProcKind::Proc));
        }
    });
}
BENCHMARK(Miembros)->Unit(benchmark::kMillisecond);

// Every line replaced by itself with a line number in front.
void Reemplaza(benchmark::State& state) {
    CadaModulo(state, Numera);
}
BENCHMARK(Reemplaza)->Unit(benchmark::kMillisecond);

// New procedures typed near the top of each module: every one is an edit that adds a header and
// an end line, so the index scans that stretch again and renumbers the entries below it, names
// included.
void NuevosProcedimientos(benchmark::State& state) {
    CadaModulo(state, [](vbide::CodeModule& cm) {
        for (int p = 0; p < 50; ++p) {
            cm.InsertLines(6, "Private Sub Nuevo" + std::to_string(p) + "()\r\nEnd Sub");
        }
        benchmark::DoNotOptimize(cm.ProcStartLine("Proc1_0", vbide::ProcKind::Proc));
    });
}
BENCHMARK(NuevosProcedimientos)->Unit(benchmark::kMillisecond);

// Serialising and freeing edited modules (every line edited, as after numbering).
void SerializaYLibera(benchmark::State& state) {
    std::vector<std::string> textos = Textos();
    for (auto _ : state) {
        state.PauseTiming();
        auto fs = Parsea(textos);
        for (auto& f : fs) {
            Numera(f->Code());
            benchmark::DoNotOptimize(f->Code().Members().Item("Proc1_0").Type());
        }
        state.ResumeTiming();
        for (auto& f : fs) {
            std::string out = f->Serialize();
            benchmark::DoNotOptimize(out.data());
        }
        fs.clear();
    }
}
BENCHMARK(SerializaYLibera)->Unit(benchmark::kMillisecond);

} // namespace
