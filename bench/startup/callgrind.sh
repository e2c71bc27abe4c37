#!/usr/bin/env bash
# Instructions to idle, counted by callgrind over all threads, for the game
# and the bare Qt window on the footings of run.sh (no bus, and a GNOME
# desktop without a bus): a yardstick that the machine's load does not move.
# Each program runs under callgrind until its window is painted and it has
# been idle for 100 ms; the reports stay in the output directory for
# callgrind_annotate.
# Usage: [GAME=another build of the game] bench/startup/callgrind.sh [build dir] [output dir]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/default}"
out="${2:-$(mktemp -d)}"
mkdir -p "$out"
cmake --build "$build" --target nonagra nonagra_startwatch nonagra_bare_window >/dev/null
# On a desktop of its own: Xvfb with openbox, from the desktop tests' harness.
if [ -z "${NONAGRA_BENCH_DESKTOP:-}" ]; then
    NONAGRA_BENCH_DESKTOP=1 exec /usr/bin/python3 "$root/tests/desktop/desktop.py" session -- \
        bash "$0" "$build" "$out"
fi
runtime="$(mktemp -d)"
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
unset DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP QT_QPA_PLATFORMTHEME

count() { # report program [environment...]
    local report="$1" program="$2"
    shift 2
    env "$@" "$build/bench/startup/nonagra_startwatch" -TERM 630 470 00c0c0 \
        valgrind --tool=callgrind --callgrind-out-file="$out/$report" "$program" \
        >/dev/null 2>&1 || echo "$report: no painted window under callgrind"
    sed -n 's/^totals: //p' "$out/$report"
}
game="${GAME:-$build/app/nonagra}"
bare="$build/bench/startup/nonagra_bare_window"
for desktop in "" GNOME; do
    b="$(count "bare${desktop:+-$desktop}.out" "$bare" DBUS_SESSION_BUS_ADDRESS=disabled: \
        ${desktop:+XDG_CURRENT_DESKTOP=$desktop})"
    g="$(count "game${desktop:+-$desktop}.out" "$game" ${desktop:+XDG_CURRENT_DESKTOP=$desktop})"
    awk -v b="$b" -v g="$g" -v d="${desktop:-no desktop}" 'BEGIN {
        printf "%s, no bus: bare %.1f M, game %.1f M instructions to idle (x %.2f, %+.1f M)\n",
               d, b / 1e6, g / 1e6, g / b, (g - b) / 1e6 }'
done
echo "reports in $out"
