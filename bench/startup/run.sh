#!/usr/bin/env bash
# Start-up of the game against a bare Qt 6 window of the same size (one
# QLabel), in the same run, under Xvfb with openbox: wall time from exec until
# the window is mapped and painted, CPU time until the program falls idle, and
# peak RSS; the medians of 7 runs after a warm-up, and the game's as ratios of
# the bare window's. Then the reaction to a cell click through the adapter, on
# the same X server.
# Usage: bench/startup/run.sh [build dir, default build/default]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/default}"
cmake --build "$build" --target nonagra nonagra_startwatch nonagra_bare_window nonagra_reaction_bench >/dev/null
# On a desktop of its own: Xvfb with openbox, from the desktop tests' harness.
if [ -z "${NONAGRA_BENCH_DESKTOP:-}" ]; then
    NONAGRA_BENCH_DESKTOP=1 exec /usr/bin/python3 "$root/tests/desktop/desktop.py" session -- \
        bash "$0" "$build"
fi

watch="$build/bench/startup/nonagra_startwatch"
# Both probes look for the window background, RGB(0, 192, 192), in a corner
# that nothing else covers.
runs=7
declare -a bareMs bareCpu bareKb gameMs gameCpu gameKb
# The warm-ups also let the window manager settle; they may miss.
"$watch" 630 470 00c0c0 "$build/bench/startup/nonagra_bare_window" >/dev/null || true
"$watch" 630 470 00c0c0 "$build/app/nonagra" >/dev/null || true
for _ in $(seq "$runs"); do
    read -r ms cpu kb < <("$watch" 630 470 00c0c0 "$build/bench/startup/nonagra_bare_window")
    bareMs+=("$ms") bareCpu+=("$cpu") bareKb+=("$kb")
    read -r ms cpu kb < <("$watch" 630 470 00c0c0 "$build/app/nonagra")
    gameMs+=("$ms") gameCpu+=("$cpu") gameKb+=("$kb")
done
median() { printf '%s\n' "$@" | sort -g | sed -n "$(((runs + 1) / 2))p"; }
bm="$(median "${bareMs[@]}")" bc="$(median "${bareCpu[@]}")" bk="$(median "${bareKb[@]}")"
gm="$(median "${gameMs[@]}")" gc="$(median "${gameCpu[@]}")" gk="$(median "${gameKb[@]}")"
echo "bare Qt window: first frame ${bm} ms, CPU to idle ${bc} ms, peak RSS $((bk / 1024)) MB"
echo "   (frames: ${bareMs[*]}; CPU: ${bareCpu[*]})"
echo "nonagra:        first frame ${gm} ms, CPU to idle ${gc} ms, peak RSS $((gk / 1024)) MB"
echo "   (frames: ${gameMs[*]}; CPU: ${gameCpu[*]})"
awk -v gm="$gm" -v bm="$bm" -v gc="$gc" -v bc="$bc" -v gk="$gk" -v bk="$bk" 'BEGIN {
    printf "first-frame ratio %.2f (target <= 1.05); CPU-to-idle ratio %.2f (target <= 1.10)\n",
           gm / bm, gc / bc
    printf "RSS +%.1f MB (target <= 2 MB)\n", (gk - bk) / 1024 }'

echo "reaction to a cell click through the adapter, repaint included (target < 100 us):"
"$build/bench/startup/nonagra_reaction_bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true | grep -E 'CellClick|Benchmark'
