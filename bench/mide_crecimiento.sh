#!/usr/bin/env bash
# The engine's operations and the viewer's colouring and refresh at 10,000, 100,000 and
# 1,000,000 lines, with how much each grows for ten times the lines (linear: at most 11×).
# Medians of a few repetitions, as the machine may be busy (one repetition: its own time).
# Any extra arguments go to the benchmarks (e.g. --benchmark_filter=Numeros).
#
#   bench/mide_crecimiento.sh [BUILD_DIR] [REPETITIONS] [BENCHMARK ARGS...]
#   (default: build 3; needs jq)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
reps=${2:-3}
shift $(($# < 2 ? $# : 2))
work=$(mktemp -d "${TMPDIR:-/tmp}/lintrap-crece-XXXXXX")
trap 'rm -rf "$work"' EXIT

extra=("$@")
corre() {
    "$@" "${extra[@]}" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
        --benchmark_format=json 2>/dev/null
}
corre "$build/bench/bench_engine" > "$work/motor.json"
if [ -x "$build/bench/bench_viewer" ]; then
    QT_QPA_PLATFORM=offscreen corre "$build/bench/bench_viewer" > "$work/visor.json"
fi

# Each benchmark's medians in order of size, then the growth from one size to the next: of the
# wall time, and of the processor time, which a machine shared with other work disturbs less.
echo "uptime: $(uptime)"
jq -rs --argjson reps "$reps" '[.[].benchmarks[]
    | select(if $reps > 1 then .aggregate_name == "median" else .run_type == "iteration" end)]
    | group_by(.run_name | split("/")[0])[]
    | (.[0].run_name | split("/")[0]) as $n
    | [.[] | {arg: (.run_name | split("/")[1] | tonumber), ms: .real_time, cpu: .cpu_time}]
    | sort_by(.arg)
    | def crece(f): [range(1; length) as $i | "\((.[$i] | f) / (.[$i - 1] | f) * 10 | round / 10)×"];
      "\($n)\t" + ([.[] | "\(.arg): \(.ms * 100 | round / 100) ms (CPU \(.cpu * 100 | round / 100))"]
                    | join("\t"))
      + "\tcrece " + (crece(.ms) | join(" ")) + "\tCPU " + (crece(.cpu) | join(" "))' \
    "$work"/*.json | column -t -s $'\t'
