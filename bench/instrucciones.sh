#!/usr/bin/env bash
# Instructions the engine's timed part runs, per benchmark and size: one iteration under
# callgrind, counted only inside the function timed. This machine's processor counters are
# not available (perf stat shows instructions as not supported), and counted instructions do
# not move with the other work on a shared machine as times do.
#
#   bench/instrucciones.sh [BUILD_DIR] [BENCHMARK REGEX]
#   (default: build '(Numeros|Manejo)(Insertar|Quitar)'; needs valgrind; slow: 1,000,000 lines
#   take about a minute each)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
filtro=${2:-'(Numeros|Manejo)(Insertar|Quitar)'}
echo "uptime: $(uptime)"
for b in NumerosInsertar ManejoInsertar NumerosQuitar ManejoQuitar; do
    [[ $b =~ $filtro ]] || continue
    # the timed function: the insertion, or the removal (its setup inserts first)
    case $b in *Insertar) medida='*InsertaEnTodos*' ;; *) medida='*QuitaCodigo*' ;; esac
    fila="$b"
    for n in 500 5000 50000; do
        ir=$(nice valgrind --tool=callgrind --callgrind-out-file=/dev/null \
            --toggle-collect="$medida" "$build/bench/bench_engine" \
            --benchmark_filter="$b/$n\$" --benchmark_min_time=0.000001 2>&1 |
            awk '/Collected/ {print $4}')
        fila+=$'\t'"$n: $ir"
    done
    echo "$fila"
done | column -t -s $'\t'
