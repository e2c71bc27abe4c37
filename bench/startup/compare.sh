#!/usr/bin/env bash
# Two builds of the game and the bare Qt window in one loop: rounds of all
# three, the order turning each round, so that small differences between the
# builds show through the machine's drift, which separate run.sh runs do not
# share. No session bus; the bare window is given DBUS_SESSION_BUS_ADDRESS=
# disabled:, as the game gives itself. Prints the medians, each program's
# ratios to the bare window and the load average before and after.
# Usage: [ROUNDS=n] bench/startup/compare.sh OLD_GAME NEW_GAME [build dir,
#        default build/default]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
[ $# -ge 2 ] || { echo "usage: $0 OLD_GAME NEW_GAME [build dir]" >&2; exit 2; }
old="$(realpath "$1")" new="$(realpath "$2")"
build="${3:-$root/build/default}"
rounds="${ROUNDS:-30}"
if [ -z "${NONAGRA_BENCH_DESKTOP:-}" ]; then
    cmake --build "$build" --target nonagra_startwatch nonagra_bare_window >/dev/null
    NONAGRA_BENCH_DESKTOP=1 exec /usr/bin/python3 "$root/tests/desktop/desktop.py" session -- \
        bash "$0" "$old" "$new" "$build"
fi
watch="$build/bench/startup/nonagra_startwatch"
bare="$build/bench/startup/nonagra_bare_window"
runtime="$(mktemp -d)"
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
unset DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP QT_QPA_PLATFORMTHEME

one() { # who
    case "$1" in
    bare) env DBUS_SESSION_BUS_ADDRESS=disabled: "$watch" 630 470 00c0c0 "$bare" ;;
    old) "$watch" 630 470 00c0c0 "$old" ;;
    new) "$watch" 630 470 00c0c0 "$new" ;;
    esac 2>/dev/null
}
# The warm-ups also let the window manager settle; they may miss.
for who in bare old new; do one "$who" >/dev/null || true; done
load0="$(cut -d' ' -f1-3 /proc/loadavg)"
figures="$(
    for i in $(seq "$rounds"); do
        case $((i % 3)) in
        0) order="bare old new" ;;
        1) order="old new bare" ;;
        *) order="new bare old" ;;
        esac
        for who in $order; do echo "$who $(one "$who")"; done
    done
)"
echo "== $rounds rounds, no bus, load average $load0 before, $(cut -d' ' -f1-3 /proc/loadavg) after"
echo "$figures" | awk "$(cat "$root/bench/startup/median.awk")"'
    NF == 4 { ms[$1] = ms[$1] " " $2; cpu[$1] = cpu[$1] " " $3; kb[$1] = kb[$1] " " $4 }
    END {
        b1 = median(ms["bare"]); b2 = median(cpu["bare"]); b3 = median(kb["bare"])
        split("bare old new", who, " ")
        for (k = 1; k <= 3; k++) {
            w = who[k]; m1 = median(ms[w]); m2 = median(cpu[w]); m3 = median(kb[w])
            printf "   %-4s first frame %6.1f ms (%.3f), CPU to idle %6.1f ms (%.3f), peak RSS %.1f MB (%+.2f)\n",
                   w, m1, m1 / b1, m2, m2 / b2, m3 / 1024, (m3 - b3) / 1024
        }
    }'
