// The engine over a generated module: line numbers and the error-handling block into every
// procedure and their removal, and the module selection's scan. Sizes 10x apart show whether
// the time grows linearly.

#include "ClsErrores/MsgBox.h"
#include "ClsErrores/clsErrores.h"
#include "bench/engine/GeneraModulo.h"
#include "engine/Motor.h"
#include "engine/Procedimientos.h"
#include "host/files/ModuleFile.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Every box is seen and answered OK: every procedure is selected, none is asked about.
struct Aceptar : engine::Dialogos {
    int Muestra(engine::Mensaje, const std::string&, int) override { return vb::vbOK; }
};

struct Banco {
    explicit Banco(int procedimientos) : fuente(banco::GeneraModulo(procedimientos)) {
        glbErr().LogOnError(false);
        glbErr().MsgOnError("");
        glbErr().MandaEmailOnError(false);
    }
    files::ModuleFile& Nuevo() {
        archivo = files::ModuleFile::Parse(fuente, "Grande.bas", 1252);
        estado.procedimientos = engine::ListaProcedimientos(archivo->Code(), 1252, progreso);
        return *archivo;
    }
    void InsertaEnTodos(engine::Modo modo) {
        estado.modo = modo;
        engine::Motor motor(estado, progreso, dialogos);
        // In the order the insert command uses: list order for line numbers, the module's
        // order for the rest.
        std::vector<int> orden;
        for (int i = 0; i < static_cast<int>(estado.procedimientos.size()); ++i) {
            orden.push_back(i);
        }
        if (modo != engine::Modo::Option1) {
            orden = motor.OrdenEnModulo(archivo->Code());
        }
        for (int index : orden) {
            motor.Insertar(archivo->Code(), index);
        }
    }
    void QuitaDelModulo(engine::Modo modo) {
        estado.modo = modo;
        estado.Check1 = true;
        engine::Motor(estado, progreso, dialogos).QuitaCodigo(archivo->Code());
        estado.Check1 = false;
    }

    std::string fuente;
    std::unique_ptr<files::ModuleFile> archivo;
    engine::EstadoSeleccion estado;
    engine::SinProgreso progreso;
    Aceptar dialogos;
};

void Inserta(benchmark::State& st, engine::Modo modo) {
    Banco b(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        st.PauseTiming();
        b.Nuevo();
        st.ResumeTiming();
        b.InsertaEnTodos(modo);
    }
    st.counters["lineas"] = static_cast<double>(b.archivo->Code().CountOfLines());
}

void Quita(benchmark::State& st, engine::Modo modo) {
    Banco b(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        st.PauseTiming();
        b.Nuevo();
        b.InsertaEnTodos(modo);
        st.ResumeTiming();
        b.QuitaDelModulo(modo);
    }
}

void NumerosInsertar(benchmark::State& st) {
    Inserta(st, engine::Modo::Option1);
}
void NumerosQuitar(benchmark::State& st) {
    Quita(st, engine::Modo::Option1);
}
void ManejoInsertar(benchmark::State& st) {
    Inserta(st, engine::Modo::Option2);
}
void ManejoQuitar(benchmark::State& st) {
    Quita(st, engine::Modo::Option2);
}
void SeleccionModulo(benchmark::State& st) {
    Banco b(static_cast<int>(st.range(0)));
    b.Nuevo();
    for (auto _ : st) {
        benchmark::DoNotOptimize(engine::ListaProcedimientos(b.archivo->Code(), 1252, b.progreso));
    }
}

// 500, 5,000 and 50,000 procedures: about 10,000, 100,000 and 1,000,000 lines (targets at
// 100,000: numbering and its removal under 8 ms, the block under 15 ms; ten times the lines at
// most eleven times the time; bench/mide_crecimiento.sh prints the growth).
BENCHMARK(NumerosInsertar)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(NumerosQuitar)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(ManejoInsertar)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(ManejoQuitar)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(SeleccionModulo)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
