#!/usr/bin/env bash
# The real program on a real X server with a window manager: found by its
# title, clicked with real X input, and checked pixel by pixel at coordinates
# computed from the window's layout. Usage: real_window_test.sh <nonagra>
set -euo pipefail
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=xsession.sh
. "$here/xsession.sh"
xsession_require Xvfb openbox xdotool xprop xwininfo import convert
xsession_start
work="$(mktemp -d)"
trap 'xsession_stop; rm -rf "$work"' EXIT

# Layout of the main window, in pixels of its client area.
cellLeft() { awk -v c="$1" 'BEGIN{printf "%d", 28 + 40*c + 4.8*int(c/3) + 0.5}'; }
cellTop() { awk -v r="$1" 'BEGIN{printf "%d", 30.4 + 38.4*r + 4.8*int(r/3) + 0.5}'; }

shot() { import -window "$1" "$work/shot.png"; }
pixel() { # x y -> r,g,b of the last shot
    convert "$work/shot.png" -crop "1x1+$1+$2" +repage \
        -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:
}
darkest() { # x y w h -> lowest grey level 0..255 in that area of the last shot
    convert "$work/shot.png" -crop "$3x$4+$1+$2" +repage -colorspace Gray \
        -format '%[fx:int(255*minima+.5)]' info:
}

"$program" &
pid=$!
main="$(xsession_window 'Nonagra v2.0')" || { echo "FAIL: no main window"; exit 1; }
sleep 0.3

# Desktops group the window with its launcher through the desktop entry's
# StartupWMClass, which must name the window's class.
wmclass="$(xprop -id "$main" WM_CLASS | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')"
check "WM_CLASS as the desktop entry says" \
    "$(sed -n 's/^StartupWMClass=//p' "$here/../../packaging/hu.nonagra.Nonagra.desktop")" "$wmclass"

# The frame: the client area's size, fixed through the size hints.
geometry="$(xwininfo -id "$main" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')"
check "client area" 644x485 "$geometry"
hints="$(xprop -id "$main" WM_NORMAL_HINTS)"
check "minimum size" "644 by 485" "$(sed -n 's/.*minimum size: //p' <<<"$hints")"
check "maximum size" "644 by 485" "$(sed -n 's/.*maximum size: //p' <<<"$hints")"

shot "$main"
check "window background" 0,192,192 "$(pixel 630 470)"
check "box line between box columns 1 and 2" 0,0,0 "$(pixel 150 200)"
check "box line between box rows 2 and 3" 0,0,0 "$(pixel 100 268)"

# The first two empty cells: nothing but white inside their borders. A given
# is disabled, so its digit is greyed, never black.
empty=()
given=""
for i in $(seq 0 80); do
    r=$((i / 9)) c=$((i % 9))
    x="$(cellLeft "$c")" y="$(cellTop "$r")"
    level="$(darkest $((x + 2)) $((y + 2)) 36 35)"
    if [ "$level" = 255 ]; then
        empty+=("$x $y")
        [ "${#empty[@]}" = 2 ] && [ -n "$given" ] && break
    elif [ -z "$given" ]; then
        given="$level"
    fi
done
[ -n "$given" ] && [ "$given" -gt 100 ] && echo "ok: a given's digit is greyed" ||
    fail "a given's digit is greyed: darkest ${given:-none}"
[ "${#empty[@]}" = 2 ] || fail "two empty cells on the first puzzle"
read -r ax ay <<<"${empty[0]}"
read -r nx ny <<<"${empty[1]}"
check "white backdrop through an empty cell" 255,255,255 "$(pixel $((ax + 20)) $((ay + 20)))"
check "digit button 5 starts white" 255,255,255 "$(pixel 198 411)"

xsession_click "$main" 1 212 424
shot "$main"
check "digit button 5 yellow after its click" 255,255,0 "$(pixel 198 411)"
check "digit button 4 still white" 255,255,255 "$(pixel 155 411)"

xsession_click "$main" 1 $((ax + 20)) $((ay + 20))
xsession_click "$main" 3 $((nx + 20)) $((ny + 20))
shot "$main"
check "a placed digit in black" 0 "$(darkest $((ax + 2)) $((ay + 2)) 36 35)"
# The note of digit 5 lies in the middle of the cell's 3 x 3 notes; its left
# offset in the first board column is 14.4 pixels and never more than 18.4.
notes="$(darkest $((nx + 14)) $((ny + 13)) 13 12)"
[ "$notes" -lt 100 ] && echo "ok: a note after a right click" ||
    fail "a note after a right click: darkest $notes"

# The help window: modal, no taskbar entry, and "Bezár" only hides it.
xsession_click "$main" 1 520 307
help="$(xsession_window 'Nonagra leírás')" || fail "no help window"
if [ -n "${help:-}" ]; then
    sleep 0.3
    xprop -id "$help" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR &&
        echo "ok: help window skips the taskbar" || fail "help window in the taskbar"
    geometry="$(xwininfo -id "$help" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')"
    check "help client area" 631x476 "$geometry"
    shot "$help"
    check "help window background" 0,192,192 "$(pixel 300 10)"
    xsession_click "$help" 1 542 21
    xwininfo -id "$help" | grep -q 'IsUnMapped' && echo "ok: Bezár hides the help window" ||
        fail "help window still shown after Bezár"
fi

ended() { # pid what: waits up to 10 s for the program to end, then checks its exit code
    local status=0
    if ! timeout 10 tail --pid="$1" -f /dev/null; then
        fail "program still running after $2"
        kill -9 "$1"
    fi
    wait "$1" || status=$?
    check "exit code after $2" 0 "$status"
}

# Closing the main window through its frame ends the program with 0. On a busy
# machine the window manager may not have given the window the focus yet when
# the keys arrive, so the close is asked for again until the program is gone.
for attempt in 1 2 3 4 5; do
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    sleep 0.2
    xdotool key --clearmodifiers alt+F4
    timeout 2 tail --pid="$pid" -f /dev/null && break
done
ended "$pid" "closing the main window"

# "Kilépés" ends it as well.
"$program" &
pid=$!
main="$(xsession_window 'Nonagra v2.0')" || fail "no main window on the second start"
sleep 0.3
xsession_click "$main" 1 521 258
ended "$pid" "Kilépés"

[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
