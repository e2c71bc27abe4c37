#!/usr/bin/env bash
# Start-up of the game against a bare Qt 6 window of the same size (one
# QLabel), in the same run, under Xvfb with openbox: wall time from exec until
# the window is mapped and painted, and peak RSS; the median of 7 runs after a
# warm-up. Then the reaction to a cell click through the adapter.
# Usage: bench/startup/run.sh [build dir, default build/default]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/default}"
cmake --build "$build" --target nonagra nonagra_startwatch nonagra_bare_window nonagra_reaction_bench >/dev/null
# shellcheck source=../../tests/qt/xsession.sh
. "$root/tests/qt/xsession.sh"
xsession_start

watch="$build/app/bench/nonagra_startwatch"
# Both probes look for the window background, RGB(0, 192, 192), in a corner
# that nothing else covers.
runs=7
declare -a bareMs bareKb gameMs gameKb
# The warm-ups also let the window manager settle; they may miss.
"$watch" 630 470 00c0c0 "$build/app/bench/nonagra_bare_window" >/dev/null || true
"$watch" 630 470 00c0c0 "$build/app/nonagra" >/dev/null || true
for i in $(seq "$runs"); do
    read -r ms kb < <("$watch" 630 470 00c0c0 "$build/app/bench/nonagra_bare_window")
    bareMs+=("$ms") bareKb+=("$kb")
    read -r ms kb < <("$watch" 630 470 00c0c0 "$build/app/nonagra")
    gameMs+=("$ms") gameKb+=("$kb")
done
median() { printf '%s\n' "$@" | sort -g | sed -n "$(((runs + 1) / 2))p"; }
bm="$(median "${bareMs[@]}")" bk="$(median "${bareKb[@]}")"
gm="$(median "${gameMs[@]}")" gk="$(median "${gameKb[@]}")"
echo "bare Qt window: ${bm} ms, peak RSS $((bk / 1024)) MB   (runs: ${bareMs[*]})"
echo "nonagra:        ${gm} ms, peak RSS $((gk / 1024)) MB   (runs: ${gameMs[*]})"
awk -v g="$gm" -v b="$bm" -v gk="$gk" -v bk="$bk" 'BEGIN {
    printf "start-up ratio %.2f (target <= 1.20, and < 77 ms); RSS +%.1f MB (target <= 3 MB)\n",
           g / b, (gk - bk) / 1024 }'

echo "reaction to a cell click through the adapter (place and take back):"
QT_QPA_PLATFORM=offscreen "$build/app/bench/nonagra_reaction_bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true | grep -E 'CellClick|Benchmark'
