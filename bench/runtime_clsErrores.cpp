// Push + Pop run on every procedure entry and exit of an instrumented program; ManejoError
// with the log on must not make an error noticeably slower than its message box.

#include "ClsErrores/ErrObject.h"
#include "ClsErrores/MsgBox.h"
#include "ClsErrores/clsErrores.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Every box answered at once: the user's reading time is not what is measured.
class SinEspera : public vb::Dialogos {
public:
    int MsgBox(const std::string&, int, const std::string&) override { return vb::vbCancel; }
};

std::filesystem::path Carpeta() {
    static const std::filesystem::path c = [] {
        std::string plantilla =
            (std::filesystem::temp_directory_path() / "lintrap-bench-XXXXXX").string();
        std::filesystem::path p = ::mkdtemp(plantilla.data());
        ::setenv("LINTRAP_REGISTRY", (p / "registro.json").c_str(), 1);
        return p;
    }();
    return c;
}

void PushPop(benchmark::State& state) {
    Carpeta();
    clsErrores e;
    const std::string nombre = "frmAddIn \\ Insertar";
    for (int n = 0; n < 5; ++n) {
        e.Push("M \\ Exterior");
    }
    for (auto _ : state) {
        e.Push(nombre);
        e.Pop();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PushPop);

void ManejoErrorConLog(benchmark::State& state) {
    SinEspera dialogos;
    vb::FijaDialogos(&dialogos);
    clsErrores e;
    e.Destination((Carpeta() / "Errores.log").string());
    e.MandaEmailOnError(true);
    e.Push("frmAddIn \\ Command1_Click");
    e.Push("frmAddIn \\ Insertar");
    long n = 0;
    for (auto _ : state) {
        auto& err = vb::Err();
        err.Number = 53;
        err.Source = "Lintrap";
        err.Description = "No se ha encontrado el archivo de la descripción del error";
        err.Erl = ++n;
        e.ManejoError();
        if (n % 10000 == 0) {
            state.PauseTiming();
            e.ClearLog();
            state.ResumeTiming();
        }
    }
    vb::FijaDialogos(nullptr);
    std::filesystem::remove_all(Carpeta());
}
BENCHMARK(ManejoErrorConLog);

} // namespace
