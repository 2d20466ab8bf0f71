// The callers list over a project of ten 100,000-line modules (1,000,000 lines). The worst case
// names a procedure that every module has, so that every module passes the whole-word
// pre-filter and every line is tested; the usual case names one that a single module calls.

#include "bench/engine/GeneraModulo.h"
#include "host/files/Project.h"
#include "ui/viewer/Llamadores.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>

namespace {

constexpr int Modulos = 10;
constexpr int ProcsPorModulo = 5000; // 20 lines each

struct Proyecto {
    std::filesystem::path carpeta;
    std::unique_ptr<files::Project> p;
    long lineas = 0;

    Proyecto() {
        std::string plantilla =
            (std::filesystem::temp_directory_path() / "lintrap-banco-XXXXXX").string();
        carpeta = mkdtemp(plantilla.data());
        std::string vbp = "Type=Exe\r\n";
        for (int m = 0; m < Modulos; ++m) {
            const std::string nombre = "Grande" + std::to_string(m);
            std::string texto = banco::GeneraModulo(ProcsPorModulo);
            texto.replace(texto.find("Grande"), 6, nombre);
            if (m == Modulos - 1) {
                texto += "Sub Llama()\r\n    Unico 1\r\nEnd Sub\r\n'\r\n";
            }
            std::ofstream(carpeta / (nombre + ".bas"), std::ios::binary) << texto;
            vbp += "Module=" + nombre + "; " + nombre + ".bas\r\n";
        }
        vbp += "Name=\"Banco\"\r\n";
        std::ofstream(carpeta / "Banco.vbp", std::ios::binary) << vbp;
        p = files::Project::Load(carpeta / "Banco.vbp");
        for (long i = 1; i <= p->VBComponents().Count(); ++i) {
            lineas += p->VBComponents().Item(i).CodeModule().CountOfLines();
        }
    }
    ~Proyecto() {
        std::error_code ec;
        std::filesystem::remove_all(carpeta, ec);
    }
};

Proyecto& Banco() {
    static Proyecto p;
    return p;
}

void Busca(benchmark::State& state, const std::string& nombre) {
    Proyecto& b = Banco();
    size_t entradas = 0;
    for (auto _ : state) {
        std::vector<std::string> lista;
        viewer::BuscaLlamadores(*b.p, {nombre, "Grande0", nombre, 1252}, lista);
        entradas = lista.size();
        benchmark::DoNotOptimize(lista.data());
    }
    state.counters["lineas"] = double(b.lineas);
    state.counters["entradas"] = double(entradas);
}

// Every module names it: all lines are tested.
void BM_LlamadoresEnTodosLosModulos(benchmark::State& state) {
    Busca(state, "Calculo4999");
}
// One module names it: the pre-filter spares the other nine.
void BM_LlamadoresEnUnModulo(benchmark::State& state) {
    Busca(state, "Unico");
}

} // namespace

BENCHMARK(BM_LlamadoresEnTodosLosModulos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LlamadoresEnUnModulo)->Unit(benchmark::kMillisecond);
