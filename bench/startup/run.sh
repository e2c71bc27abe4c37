#!/usr/bin/env bash
# Start-up of the game against a bare Qt 6 window of the same size (one
# QLabel), under Xvfb with openbox: wall time from exec until the window is
# mapped and painted, CPU time of all threads until the program falls idle,
# and peak RSS. Three runs, each on one footing for both programs:
#   no bus:  no session bus; the bare window gets DBUS_SESSION_BUS_ADDRESS=
#            disabled:, as the game gives itself, so neither starts one;
#   bus:     inside dbus-run-session, with a real bus;
#   GNOME:   XDG_CURRENT_DESKTOP=GNOME without a bus, where Qt loads the GTK 3
#            platform theme (qt6-gtk-platformtheme) for a window that lets it.
# Each run takes ROUNDS rounds (default 15) after a warm-up, the two programs
# in turns whose order alternates, so both see the same load; it prints every
# figure, the medians, the game's ratios of medians and the load average
# before and after. Then the reaction to a cell click through the adapter.
# Usage: [ROUNDS=n] [GAME=another build of the game] bench/startup/run.sh [build dir,
#        default build/default]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/default}"
rounds="${ROUNDS:-15}"
cmake --build "$build" --target nonagra nonagra_startwatch nonagra_bare_window \
    nonagra_reaction_bench >/dev/null
# On a desktop of its own: Xvfb with openbox, from the desktop tests' harness.
if [ -z "${NONAGRA_BENCH_DESKTOP:-}" ]; then
    NONAGRA_BENCH_DESKTOP=1 exec /usr/bin/python3 "$root/tests/desktop/desktop.py" session -- \
        bash "$0" "$build"
fi
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqgtk3.so ] ||
    ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so >/dev/null 2>&1 ||
    echo "note: qt6-gtk-platformtheme is not installed; the GNOME run loads no GTK theme"

watch="$build/bench/startup/nonagra_startwatch"
bare="$build/bench/startup/nonagra_bare_window"
game="${GAME:-$build/app/nonagra}"
runtime="$(mktemp -d)"
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT

# One run: rounds of both programs in the current environment. The probe looks
# for the window background, RGB(0, 192, 192), in a corner nothing covers.
# $1 names the run; the bare window runs with the extra variables in $2.
run() { # name bare-environment...
    local name="$1" load0 load1 ms cpu kb i
    shift
    local -a bareEnv=("$@") bareMs=() bareCpu=() bareKb=() gameMs=() gameCpu=() gameKb=()
    # The warm-ups also let the window manager settle; they may miss.
    env "${bareEnv[@]}" "$watch" 630 470 00c0c0 "$bare" >/dev/null 2>&1 || true
    "$watch" 630 470 00c0c0 "$game" >/dev/null 2>&1 || true
    load0="$(cut -d' ' -f1-3 /proc/loadavg)"
    for i in $(seq "$rounds"); do
        for who in $( ((i % 2)) && echo bare game || echo game bare); do
            if [ "$who" = bare ]; then
                read -r ms cpu kb < <(env "${bareEnv[@]}" "$watch" 630 470 00c0c0 "$bare" 2>/dev/null)
                bareMs+=("$ms") bareCpu+=("$cpu") bareKb+=("$kb")
            else
                read -r ms cpu kb < <("$watch" 630 470 00c0c0 "$game" 2>/dev/null)
                gameMs+=("$ms") gameCpu+=("$cpu") gameKb+=("$kb")
            fi
        done
    done
    load1="$(cut -d' ' -f1-3 /proc/loadavg)"
    echo "== $name: $rounds rounds, load average $load0 before, $load1 after"
    echo "   bare frames ms: ${bareMs[*]}"
    echo "   game frames ms: ${gameMs[*]}"
    echo "   bare CPU ms:    ${bareCpu[*]}"
    echo "   game CPU ms:    ${gameCpu[*]}"
    {
        echo "${bareMs[*]}"; echo "${gameMs[*]}"; echo "${bareCpu[*]}"; echo "${gameCpu[*]}"
        echo "${bareKb[*]}"; echo "${gameKb[*]}"
    } | awk "$(cat "$root/bench/startup/median.awk")"'
        { m[NR] = median($0) }
        END {
            printf "   medians: bare %.1f ms first frame, %.1f ms CPU, %.1f MB peak RSS\n", m[1], m[3], m[5] / 1024
            printf "            game %.1f ms first frame, %.1f ms CPU, %.1f MB peak RSS\n", m[2], m[4], m[6] / 1024
            printf "   game / bare: first frame %.2f (goal <= 1.05), CPU to idle %.2f (goal <= 1.10), RSS %+.1f MB (goal <= +2)\n",
                   m[2] / m[1], m[4] / m[3], (m[6] - m[5]) / 1024
        }'
}

export XDG_RUNTIME_DIR="$runtime"
unset DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP QT_QPA_PLATFORMTHEME
run "no bus" DBUS_SESSION_BUS_ADDRESS=disabled:
if command -v dbus-run-session >/dev/null; then
    # The run goes on inside the session; its functions come along.
    export -f run
    export watch bare game rounds root
    dbus-run-session -- bash -c 'run "bus (dbus-run-session)"'
else
    echo "== bus: skipped, dbus-run-session is missing"
fi
XDG_CURRENT_DESKTOP=GNOME run "GNOME desktop, no bus" DBUS_SESSION_BUS_ADDRESS=disabled:

echo "reaction to a cell click through the adapter, repaint included (target < 100 us):"
"$build/bench/startup/nonagra_reaction_bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true | grep -E 'CellClick|Benchmark'
