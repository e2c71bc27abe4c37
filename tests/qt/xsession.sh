# Sourced by the scripts that need a real X display: starts Xvfb with a free
# display number and openbox on it, and stops both when the script exits.
# Sets DISPLAY. Needs Xvfb, openbox and xdotool.

xsession_start() {
    local size="${1:-1024x768}"
    # Windows are found by their titles, and xdotool, xprop and the program
    # read and write the non-ASCII ones through the locale: one fixed UTF-8
    # locale keeps that the same on a machine with no LANG at all.
    export LC_ALL=C.UTF-8
    local fdfile
    fdfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fdfile" 2>/dev/null &
    XSESSION_XVFB=$!
    local i
    for i in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
    openbox --sm-disable >/dev/null 2>&1 &
    XSESSION_WM=$!
    # openbox is up once it owns the window-manager selection for screen 0.
    for i in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
    trap xsession_stop EXIT
}

xsession_stop() {
    kill "$XSESSION_WM" "$XSESSION_XVFB" 2>/dev/null || true
    wait "$XSESSION_WM" "$XSESSION_XVFB" 2>/dev/null || true
}

# The id of the visible window with exactly this title, waiting up to 10 s.
xsession_window() {
    local title="$1" id i
    for i in $(seq 200); do
        id="$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1)"
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# The screen position of a window's client area: "x y".
xsession_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}'
}

# Moves the pointer to screen pixel ($1, $2) and waits until it is there. A
# synchronous move to where the pointer already is would wait for ever.
xsession_move() {
    local x y
    eval "$(xdotool getmouselocation --shell | grep -E '^[XY]=' | tr 'XY' 'xy')"
    if [ "$x" != "$1" ] || [ "$y" != "$2" ]; then
        xdotool mousemove --sync "$1" "$2"
    fi
}

# A real click with button $2 at client pixel ($3, $4) of window $1.
xsession_click() {
    local ox oy
    read -r ox oy < <(xsession_origin "$1")
    xsession_move $((ox + $3)) $((oy + $4))
    xdotool click "$2"
    sleep 0.2
}

# The checks of a test script: each prints ok or FAIL and counts the failures.
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { # what expected actual
    if [ "$2" = "$3" ]; then echo "ok: $1"; else fail "$1: expected $2, got $3"; fi
}

# Skips the test (exit 77) when one of these tools is missing.
xsession_require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "missing $tool: skipped"; exit 77; }
    done
}
