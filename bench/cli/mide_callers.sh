#!/usr/bin/env bash
# Times lintrap callers (the callers list, project loading included) over a generated
# 1,000,000-line project (200 modules of 5,000 lines); the target is ≤ 1 s.
#
#   bench/cli/mide_callers.sh [BUILD_DIR]     (default: build; needs hyperfine)
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
lintrap=$(realpath "$build/app/lintrap")
work=$(mktemp -d "${TMPDIR:-/tmp}/lintrap-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

python3 bench/cli/genera_proyecto.py "$work/base" 200 5000
echo "proyecto: $(cat "$work"/base/*.bas | wc -l) líneas"
hyperfine --warmup 1 --runs 10 -n "cat" "cat $work/base/*.bas > /dev/null" \
    -n "callers" "$lintrap callers $work/base/Bench.vbp --module Modulo1 --proc Proc1_0"
