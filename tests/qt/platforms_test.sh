#!/usr/bin/env bash
# The adapter's platform-specific paths (a form kept out of the taskbar) on
# Qt's minimal, X11 and Wayland platforms, and the game's start on a Wayland
# compositor without X. Offscreen is the adapter tests' own platform.
# Usage: platforms_test.sh <nonagra_qt_tests> <nonagra>
set -euo pipefail
tests="$1"
program="$2"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=xsession.sh
. "$here/xsession.sh"
xsession_require Xvfb openbox xdotool xprop
runtime="$(mktemp -d)"
weston=""
cleanup() {
    if [ -n "$weston" ]; then kill "$weston" 2>/dev/null || true; fi
    if [ -n "${XSESSION_XVFB:-}" ]; then xsession_stop; fi
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

adapter() { # what env...
    local what="$1"
    shift
    if env "$@" "$tests" --gtest_filter='Platform.AFormKeptOutOfTheTaskbar*' >"$runtime/out" 2>&1; then
        echo "ok: a form kept out of the taskbar on $what"
    else
        fail "a form kept out of the taskbar on $what: $(tail -n 5 "$runtime/out")"
    fi
}

adapter minimal QT_QPA_PLATFORM=minimal

xsession_start
trap cleanup EXIT
adapter X11 QT_QPA_PLATFORM=xcb

plugins="$(dirname "$(find /usr/lib -maxdepth 5 -path '*/qt6/plugins/platforms/libqxcb.so' -print -quit)")"
if ! command -v weston >/dev/null || [ ! -e "$plugins/libqwayland-generic.so" ]; then
    echo "skipped: Wayland (needs weston and qt6-wayland)"
    [ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
    exit 0
fi

# A headless compositor of its own, found through its socket alone.
chmod 700 "$runtime"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket=nonagra-test \
    --idle-time=0 --no-config >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$runtime/nonagra-test" ] && break
    sleep 0.05
done
wayland=(XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=nonagra-test)
adapter Wayland "${wayland[@]}" QT_QPA_PLATFORM=wayland

# Without X, the game starts on the compositor: still running after two
# seconds.
env -u DISPLAY -u QT_QPA_PLATFORM "${wayland[@]}" "$program" >"$runtime/game.out" 2>&1 &
game=$!
sleep 2
if kill -0 "$game" 2>/dev/null; then
    echo "ok: the game runs on Wayland without X"
    kill "$game"
else
    fail "the game on Wayland without X: $(head -c 300 "$runtime/game.out")"
fi
wait "$game" 2>/dev/null || true

[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
