#!/usr/bin/env bash
# Times lintrap over a generated 1,000,000-line project (200 modules of 5,000 lines) beside the
# I/O floor (cat over the same files) and the simplest numbering a user would write instead
# (an awk one-liner), all in the same run; then the peak memory of each lintrap step.
#
#   bench/cli/mide.sh [BUILD_DIR]     (default: build; needs hyperfine and GNU time)
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
lintrap=$(realpath "$build/app/lintrap")
work=$(mktemp -d "${TMPDIR:-/tmp}/lintrap-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

python3 bench/cli/genera_proyecto.py "$work/base" 200 5000
lineas=$(cat "$work"/base/*.bas | wc -l)
bytes=$(cat "$work"/base/*.bas "$work"/base/*.vbp | wc -c)
echo "proyecto: $lineas líneas, $bytes bytes, $(ls "$work"/base/*.bas | wc -l) módulos"

# Starting points for the removals: the project numbered, and with handlers.
cp -r "$work/base" "$work/numerado"
"$lintrap" insert "$work/numerado/Bench.vbp" --all-modules --all --mode numbers
cp -r "$work/base" "$work/manejo"
"$lintrap" insert "$work/manejo/Bench.vbp" --all-modules --all --mode handler 2>/dev/null

# Each run starts from a fresh copy with the disk idle: writes still flushing from the copy (or
# the run before) would otherwise land on whichever command comes next.
fresh() { echo "rm -rf $work/w && cp -r $work/$1 $work/w && sync"; }
hyperfine --warmup 1 --runs 10 --export-markdown "$work/tiempos.md" \
    -n "cat" --prepare "sync" "cat $work/base/*.bas > /dev/null" \
    -n "awk numerando" --prepare "$(fresh base)" \
    "awk '{ print FNR * 10, \$0 > (FILENAME \".num\") }' $work/w/*.bas" \
    -n "insert numbers" --prepare "$(fresh base)" \
    "$lintrap insert $work/w/Bench.vbp --all-modules --all --mode numbers" \
    -n "remove numbers" --prepare "$(fresh numerado)" \
    "$lintrap remove $work/w/Bench.vbp --all-modules --all --mode numbers" \
    -n "insert handler" --prepare "$(fresh base)" \
    "$lintrap insert $work/w/Bench.vbp --all-modules --all --mode handler 2>/dev/null" \
    -n "remove handler" --prepare "$(fresh manejo)" \
    "$lintrap remove $work/w/Bench.vbp --all-modules --all --mode handler"
cat "$work/tiempos.md"

echo
echo "memoria máxima (tamaño del proyecto: $bytes bytes; objetivo ≤ 4×)"
pico() {
    local nombre=$1 origen=$2
    shift 2
    rm -rf "$work/w" && cp -r "$work/$origen" "$work/w"
    /usr/bin/time -v -o "$work/time.txt" "$lintrap" "$@" >/dev/null 2>&1
    local kb
    kb=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }' "$work/time.txt")
    printf '%-16s %8d KiB  %.2f× el proyecto\n' "$nombre" "$kb" "$(echo "$kb * 1024 / $bytes" | bc -l)"
}
pico "insert numbers" base insert "$work/w/Bench.vbp" --all-modules --all --mode numbers
pico "remove numbers" numerado remove "$work/w/Bench.vbp" --all-modules --all --mode numbers
pico "insert handler" base insert "$work/w/Bench.vbp" --all-modules --all --mode handler
pico "remove handler" manejo remove "$work/w/Bench.vbp" --all-modules --all --mode handler
