#!/usr/bin/env bash
# The real program read as a screen reader reads it: Xvfb with openbox, a
# private D-Bus session with the AT-SPI bus switched on, and the tree walked
# and followed through pyatspi while real X clicks play.
# Usage: screen_reader_test.sh <nonagra>
set -euo pipefail
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=xsession.sh
. "$here/xsession.sh"
xsession_require Xvfb openbox xdotool xprop dbus-run-session dbus-send
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "missing pyatspi: skipped"; exit 77; }

# A bus of this test's own, never the desktop's.
if [ -z "${NONAGRA_PRIVATE_BUS:-}" ]; then
    exec env NONAGRA_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi

xsession_start
# What a screen reader does when it starts: the accessibility bus comes up
# (D-Bus starts it on first use) and announces that a tool is listening.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; xsession_stop' EXIT
xsession_window 'Nonagra v2.0' >/dev/null || { echo "FAIL: no main window"; exit 1; }
/usr/bin/python3 "$here/screen_reader_test.py"
status=0
if timeout 10 tail --pid="$pid" -f /dev/null; then
    wait "$pid" || status=$?
    [ "$status" = 0 ] && echo "ok: Kilépés ends the program" || { echo "FAIL: exit code $status"; exit 1; }
else
    echo "FAIL: the program still runs after Kilépés"
    exit 1
fi
