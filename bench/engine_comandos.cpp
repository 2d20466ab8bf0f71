// The insert and remove commands as the main window and the command line run them over one
// generated module of a project on disk: the module selection, every procedure, and the status
// column's rebuild afterwards.

#include "ClsErrores/MsgBox.h"
#include "ClsErrores/clsErrores.h"
#include "bench/engine/GeneraModulo.h"
#include "engine/Comandos.h"
#include "engine/Procedimientos.h"
#include "host/files/Project.h"

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

// Every question is answered Yes: "all procedures" is what is measured.
struct Si : engine::Dialogos, vb::Dialogos {
    int Muestra(engine::Mensaje, const std::string&, int) override { return vb::vbYes; }
    int MsgBox(const std::string&, int, const std::string&) override { return vb::vbYes; }
};

struct Banco {
    explicit Banco(int procedimientos) {
        glbErr().LogOnError(false);
        glbErr().MsgOnError("");
        glbErr().MandaEmailOnError(false);
        vb::FijaDialogos(&si);
        std::string plantilla =
            (std::filesystem::temp_directory_path() / "lintrap-banco-XXXXXX").string();
        carpeta = mkdtemp(plantilla.data());
        std::ofstream(carpeta / "Grande.bas", std::ios::binary)
            << banco::GeneraModulo(procedimientos);
        std::ofstream(carpeta / "Banco.vbp", std::ios::binary)
            << "Type=Exe\r\nModule=Grande; Grande.bas\r\nName=\"Banco\"\r\n";
    }
    ~Banco() {
        vb::FijaDialogos(nullptr);
        std::error_code ec;
        std::filesystem::remove_all(carpeta, ec);
    }
    // The project as loaded, with the module selected and every procedure wanted.
    void Nuevo(engine::Modo modo) {
        proyecto = files::Project::Load(carpeta / "Banco.vbp");
        estado = {};
        estado.modulo = "Grande";
        estado.modo = modo;
        estado.Check1 = true;
    }

    Si si;
    std::filesystem::path carpeta;
    std::unique_ptr<files::Project> proyecto;
    engine::EstadoSeleccion estado;
    engine::SinProgreso progreso;
};

void Comando(benchmark::State& st, engine::Modo modo, bool inserta) {
    Banco b(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        st.PauseTiming();
        b.Nuevo(modo);
        if (!inserta) {
            engine::SeleccionaModulo(*b.proyecto, b.estado, b.progreso);
            engine::VentanaSinVista v(*b.proyecto, b.estado, b.progreso);
            engine::Entorno entorno{b.si, b.progreso, v};
            engine::ComandoInsertar(*b.proyecto, b.estado, entorno);
            b.estado.modo = modo;
            b.estado.Check1 = true;
        }
        st.ResumeTiming();
        engine::VentanaSinVista v(*b.proyecto, b.estado, b.progreso);
        engine::Entorno entorno{b.si, b.progreso, v};
        engine::SeleccionaModulo(*b.proyecto, b.estado, b.progreso);
        b.estado.Check1 = true;
        if (inserta) {
            engine::ComandoInsertar(*b.proyecto, b.estado, entorno);
        } else {
            engine::ComandoQuitar(*b.proyecto, b.estado, entorno);
        }
    }
}

void ComandoNumeros(benchmark::State& st) {
    Comando(st, engine::Modo::Option1, true);
}
void ComandoManejo(benchmark::State& st) {
    Comando(st, engine::Modo::Option2, true);
}
void ComandoResumeNext(benchmark::State& st) {
    Comando(st, engine::Modo::Option3, true);
}
void ComandoQuitaNumeros(benchmark::State& st) {
    Comando(st, engine::Modo::Option1, false);
}
void ComandoQuitaManejo(benchmark::State& st) {
    Comando(st, engine::Modo::Option2, false);
}

// 5,000 procedures: about 100,000 lines, the size of a large module.
BENCHMARK(ComandoNumeros)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(ComandoManejo)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(ComandoResumeNext)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(ComandoQuitaNumeros)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(ComandoQuitaManejo)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
