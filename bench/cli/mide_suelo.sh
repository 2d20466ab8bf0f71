#!/usr/bin/env bash
# Times `lintrap insert` (numbers and handler) over a generated 1,000,000-line, 200-module project
# beside the durable floor (bench/cli/suelo.cpp: read, number, write a temporary, fsync, rename;
# two threads), each run on a fresh copy, all in one hyperfine run, and prints each command's
# ratio to the floor (goal: at most 1.5).
#
# Given a second build (another commit's), its commands run in the same hyperfine run too.
#
#   bench/cli/mide_suelo.sh [BUILD_DIR] [RUNS] [OTHER_BUILD_DIR]
#   (default: build 7; needs hyperfine, g++, jq)
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
runs=${2:-7}
lintrap=$(realpath "$build/app/lintrap")
work=$(mktemp -d "${TMPDIR:-/tmp}/lintrap-suelo-XXXXXX")
trap 'rm -rf "$work"' EXIT

g++ -O2 -std=c++20 -o "$work/suelo" bench/cli/suelo.cpp -lpthread
python3 bench/cli/genera_proyecto.py "$work/base" 200 5000
echo "proyecto: $(cat "$work"/base/*.bas | wc -l) líneas, $(ls "$work"/base/*.bas | wc -l) módulos"

# Each run on a fresh copy with the disk idle: what the copy left to flush must not land on the
# command being timed.
fresh="rm -rf $work/w && cp -r $work/base $work/w && sync"
comandos=(-n "suelo" "$work/suelo $work/w")
mide() { # NAME LINTRAP
    comandos+=(-n "$1 numbers" "$2 insert $work/w/Bench.vbp --all-modules --all --mode numbers"
        -n "$1 handler" "$2 insert $work/w/Bench.vbp --all-modules --all --mode handler >/dev/null 2>&1")
}
mide insert "$lintrap"
if [ -n "${3:-}" ]; then
    mide otro "$(realpath "$3/app/lintrap")"
fi
hyperfine --warmup 1 --runs "$runs" --export-json "$work/t.json" --prepare "$fresh" "${comandos[@]}"

echo
# The processor time beside the wall time, with its own ratio: on a busy machine the waits for
# the disk vary from run to run far more than the work does.
echo "uptime: $(uptime)"
jq -r '.results[0] as $s | .results[] |
    "\(.command)\t\(.mean * 1000 | round) ms ± \(.stddev * 1000 | round)" +
    "\t\(.mean / $s.mean * 100 | round / 100)× (mediana \(.median / $s.median * 100 | round / 100)×)" +
    "\tCPU \(.user * 1000 | round) ms usuario + \(.system * 1000 | round) ms sistema" +
    "\t\((.user + .system) / ($s.user + $s.system) * 100 | round / 100)× en CPU"' \
    "$work/t.json" | column -t -s $'\t'
