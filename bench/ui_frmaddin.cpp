// Selecting a module in the main window: the engine's procedure scan with each procedure's
// status and the real progress bar, and the same selection clicked in the window, which also
// fills the procedure and status lists. Sizes 10x apart show whether the time grows linearly.
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another.

#include "ClsErrores/clsErrores.h"
#include "bench/engine/GeneraModulo.h"
#include "engine/Procedimientos.h"
#include "host/files/Vbe.h"
#include "qt/main/frmAddIn.h"
#include "ui/main/EntornoVista.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// A project with a small module "Aa" (selected when the window loads) and "Grande".
struct Proyecto {
    explicit Proyecto(int procedimientos) {
        std::string plantilla =
            (std::filesystem::temp_directory_path() / "lintrap-banco-XXXXXX").string();
        carpeta = mkdtemp(plantilla.data());
        std::ofstream(carpeta / "Aa.bas", std::ios::binary)
            << "Attribute VB_Name = \"Aa\"\r\nPublic Sub A()\r\nEnd Sub\r\n";
        std::ofstream(carpeta / "Grande.bas", std::ios::binary)
            << banco::GeneraModulo(procedimientos);
        std::ofstream(carpeta / "P.vbp", std::ios::binary)
            << "Type=Exe\r\nModule=Aa; Aa.bas\r\nModule=Grande; Grande.bas\r\nName=\"P\"\r\n";
        vbe = files::Vbe::Open(carpeta / "P.vbp");
    }
    ~Proyecto() {
        vbe.reset();
        std::error_code ec;
        std::filesystem::remove_all(carpeta, ec);
    }
    std::filesystem::path carpeta;
    std::unique_ptr<files::Vbe> vbe;
};

void Silencio() {
    glbErr().LogOnError(false);
    glbErr().MsgOnError("");
    glbErr().MandaEmailOnError(false);
}

// The engine's part: the scan with the status of every procedure and the real progress bar.
void Escaneo(benchmark::State& st) {
    Silencio();
    Proyecto p(static_cast<int>(st.range(0)));
    qt::frmAddIn w(*p.vbe, p.carpeta.string());
    ui::ProgresoVista progreso(w, "ProgressBar1");
    engine::EstadoSeleccion estado;
    estado.modulo = "Grande";
    for (auto _ : st) {
        engine::SeleccionaModulo(*p.vbe->ActiveVBProject(), estado, progreso);
        benchmark::DoNotOptimize(estado.procedimientos.data());
    }
    st.counters["procedimientos"] = static_cast<double>(estado.procedimientos.size());
}

// The click on the module's row: the scan and filling List2 and List3.
void Clic(benchmark::State& st) {
    Silencio();
    Proyecto p(static_cast<int>(st.range(0)));
    qt::frmAddIn w(*p.vbe, p.carpeta.string());
    w.show();
    auto* List1 = w.findChild<QListWidget*>("List1");
    auto* List2 = w.findChild<QListWidget*>("List2");
    for (auto _ : st) {
        List1->setCurrentRow(1);
        st.PauseTiming();
        if (List2->count() != st.range(0)) {
            st.SkipWithError("the procedures were not listed");
        }
        List1->setCurrentRow(0);
        st.ResumeTiming();
    }
}

} // namespace

BENCHMARK(Escaneo)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(Clic)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
