#!/usr/bin/env bash
# The engine's operations and the viewer's colouring and refresh at 10,000, 100,000 and
# 1,000,000 lines, with how much each grows for ten times the lines (linear: at most 11×).
# The median and the fastest of a few repetitions: on this shared machine the neighbours slow
# some repetitions down by up to 2x, and the fastest is what the work itself costs.
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
    "$@" "${extra[@]}" --benchmark_repetitions="$reps" --benchmark_format=json 2>/dev/null
}
corre "$build/bench/bench_engine" > "$work/motor.json"
if [ -x "$build/bench/bench_viewer" ]; then
    QT_QPA_PLATFORM=offscreen corre "$build/bench/bench_viewer" > "$work/visor.json"
fi

# Each benchmark's median and fastest time in order of size, then the growth from one size to
# the next of each.
echo "uptime: $(uptime)"
jq -rs '[.[].benchmarks[] | select(.run_type == "iteration")]
    | group_by(.run_name | split("/")[0])[]
    | (.[0].run_name | split("/")[0]) as $n
    | [group_by(.run_name)[] | (map(.real_time) | sort) as $t
        | {arg: (.[0].run_name | split("/")[1] | tonumber), med: $t[length / 2 | floor], min: $t[0]}]
    | sort_by(.arg)
    | def crece(f): [range(1; length) as $i | "\((.[$i] | f) / (.[$i - 1] | f) * 10 | round / 10)×"];
      def ms: . * 100 | round / 100;
      "\($n)\t" + ([.[] | "\(.arg): \(.med | ms) ms (min \(.min | ms))"] | join("\t"))
      + "\tcrece " + (crece(.med) | join(" ")) + "\tmin " + (crece(.min) | join(" "))' \
    "$work"/*.json | column -t -s $'\t'
