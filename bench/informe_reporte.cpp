// Building the full and the short system report of this machine, and the drive lines alone
// (one statvfs per mounted file system).

#include "ClsErrores/InfoSistema.h"
#include "ClsErrores/Sondas.h"

#include <benchmark/benchmark.h>

static void InformeCompleto(benchmark::State& estado) {
    for (auto _ : estado) {
        benchmark::DoNotOptimize(InformeSistema());
    }
}
BENCHMARK(InformeCompleto)->Unit(benchmark::kMicrosecond);

static void InformeCorto(benchmark::State& estado) {
    for (auto _ : estado) {
        benchmark::DoNotOptimize(InformeSistemaCorto());
    }
}
BENCHMARK(InformeCorto)->Unit(benchmark::kMicrosecond);

static void Drives(benchmark::State& estado) {
    for (auto _ : estado) {
        std::string texto;
        infosistema::InfoDrives(texto);
        benchmark::DoNotOptimize(texto);
    }
}
BENCHMARK(Drives)->Unit(benchmark::kMicrosecond);
