// The code viewer over a generated module of 10,000, 100,000 and 1,000,000 lines: the three
// colouring passes alone, and a whole refresh of the window (text, colours, document, the view
// laid out and painted). Targets: 250 ms and 2.5 s for the refresh, and ten times the lines at
// most eleven times the time (bench/mide_crecimiento.sh). Runs on the offscreen platform.
#include "bench/engine/GeneraModulo.h"
#include "host/files/Vbe.h"
#include "qt/viewer/FrmCodigo.h"
#include "ui/viewer/Caracteres.h"

#include <QApplication>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace {

// A module of about `lineas` lines as the viewer receives it: procedures as GeneraModulo
// writes them, every fourth with an inserted error-handling block and a string holding an
// apostrophe, without the file's header.
std::string Codigo(int lineas) {
    const int procs = lineas / 21;
    std::string s = banco::GeneraModulo(procs);
    s.erase(0, s.find("\r\n") + 2);
    std::string r;
    size_t inicio = 0;
    int n = 0;
    for (size_t fin = s.find("\r\n"); fin != std::string::npos; fin = s.find("\r\n", inicio)) {
        const std::string linea = s.substr(inicio, fin + 2 - inicio);
        r += linea;
        if (linea.rfind("    Dim total", 0) == 0 && n++ % 4 == 0)
            r +=
                "    On Error GoTo Error_Handler\r\n"
                "    glbErr.Push \"Grande \\ Paso\" ' it's pushed\r\n"
                "    MsgBox \"It's done\", vbOKOnly\r\n"
                "    If Err.Number <> 0 Then Err.Raise Err.Number, Err.Source, Err.Description\r\n";
        inicio = fin + 2;
    }
    return r;
}

void Lineas(benchmark::State& state, const std::string& codigo) {
    long n = 1;
    for (char c : codigo)
        n += c == '\n';
    state.counters["lines"] = static_cast<double>(n);
}

void BM_Pasadas(benchmark::State& state) {
    const std::string codigo = Codigo(static_cast<int>(state.range(0)));
    const std::u32string texto = viewer::Caracteres(codigo, 1252);
    for (auto _ : state) {
        // The window hands its text over (moved): the copy made here for each round is not
        // the colouring's.
        state.PauseTiming();
        std::u32string copia = texto;
        state.ResumeTiming();
        viewer::ColoresCodigo c(std::move(copia));
        c.formateaCodigo();
        benchmark::DoNotOptimize(c.Formatos()[0]);
    }
    Lineas(state, codigo);
}
BENCHMARK(BM_Pasadas)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// What the main window's refresh costs the viewer: the text put in, coloured, the document
// built and the window's view laid out and painted.
void BM_RefrescoVentana(benchmark::State& state) {
    const std::string codigo = Codigo(static_cast<int>(state.range(0)));
    files::Vbe vbe;
    const engine::EstadoSeleccion estado;
    qt::FrmCodigo frm(vbe, estado);
    frm.show();
    QApplication::processEvents();
    const ui::VistaCodigo vista{"Grande", "Todos", codigo, false, 1252};
    // A first refresh outside the rounds, as at every size: a large module is timed once or
    // twice, a small one many times, and the first round's fresh memory would weigh on the
    // large ones alone.
    frm.Muestra(vista);
    QApplication::processEvents();
    for (auto _ : state) {
        frm.Muestra(vista);
        frm.TxtCodigo()->viewport()->repaint();
        QApplication::processEvents();
    }
    Lineas(state, codigo);
}
BENCHMARK(BM_RefrescoVentana)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
