#!/usr/bin/env bash
# The program's start where it cannot draw, with a command line, without a
# session bus, under a tight memory limit and in a bare environment, on real
# X servers. Usage: startup_test.sh <nonagra>
set -euo pipefail
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=../qt/xsession.sh
. "$here/../qt/xsession.sh"
xsession_require Xvfb openbox xdotool xprop xwininfo import compare
work="$(mktemp -d)"
eightBit=""
cleanup() {
    if [ -n "${XSESSION_XVFB:-}" ]; then xsession_stop; fi
    if [ -n "$eightBit" ]; then kill "$eightBit" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A refusal: exit code 1 within 10 s and one line on stderr that says why.
refused() { # what expected-words command...
    local what="$1" words="$2" status=0
    shift 2
    timeout 10 "$@" >/dev/null 2>"$work/err" || status=$?
    check "exit code $what" 1 "$status"
    check "lines on stderr $what" 1 "$(wc -l <"$work/err")"
    grep -q "^nonagra: .*$words" "$work/err" && echo "ok: says why $what" ||
        fail "says why $what: $(head -c 300 "$work/err")"
}

refused "without a display" "graphical display is needed" \
    env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM \
    "$program"

# An 8-bit server of its own, without a window manager: the program ends
# before it opens a window.
Xvfb -displayfd 3 -screen 0 640x480x8 -nolisten tcp 3>"$work/fd" 2>/dev/null &
eightBit=$!
for _ in $(seq 100); do
    [ -s "$work/fd" ] && break
    sleep 0.05
done
eight=":$(head -n1 "$work/fd")"
refused "on an 8-bit display" "8-bit colour" env -u WAYLAND_DISPLAY DISPLAY="$eight" "$program"

xsession_start
trap cleanup EXIT

# The main window if it appears within 10 s; nothing once the program ended.
window_of() { # pid
    local id
    for _ in $(seq 200); do
        id="$(xdotool search --onlyvisible --name '^Nonagra v2\.0$' 2>/dev/null | head -n1)"
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

ended() { # pid what expected-status: waits up to 10 s for the program to end
    local status=0
    if ! timeout 10 tail --pid="$1" -f /dev/null; then
        fail "program still running after $2"
        kill -9 "$1"
    fi
    wait "$1" || status=$?
    check "exit code after $2" "$3" "$status"
}

# The window as the player sees it with the pointer elsewhere: a button under
# the pointer, as "Kilépés" is after the last run's click, looks hovered.
shot() { # window file
    xsession_move 1000 750
    sleep 0.3
    import -window "$1" "$2"
}

quit() { # pid window what: "Kilépés", then the program ends with 0
    # A synchronous move to where the pointer already is would wait in vain.
    xdotool mousemove 0 0
    xsession_click "$2" 1 521 258
    ended "$1" "$3" 0
}

played() { # pid what: the window opens and "Kilépés" ends the program with 0
    local main
    if main="$(window_of "$1")"; then
        quit "$1" "$main" "$2"
    else
        fail "no main window after $2"
        ended "$1" "$2" 0
    fi
}

# The window as it looks without a command line, to compare with.
"$program" &
pid=$!
main="$(window_of "$pid")" || fail "no main window without arguments"
shot "$main" "$work/plain.png"
quit "$pid" "$main" "a start without arguments"

# Qt's options are the program's arguments, and it takes none.
for args in "-platform offscreen -display $eight -reverse -style fusion" "-platform bogus"; do
    # shellcheck disable=SC2086
    "$program" $args 2>"$work/err" &
    pid=$!
    if main="$(window_of "$pid")"; then
        echo "ok: the window opens on DISPLAY with $args"
        shot "$main" "$work/args.png"
        differing="$(compare -metric AE "$work/plain.png" "$work/args.png" null: 2>&1 || true)"
        check "pixels that differ from the plain start with $args" 0 "$differing"
        quit "$pid" "$main" "$args"
    else
        fail "no main window on DISPLAY with $args: $(head -c 300 "$work/err")"
        ended "$pid" "$args" 0
    fi
done

# Without a session bus the program runs no other program: not the
# dbus-launch first on PATH, nor any other.
mkdir -p "$work/bin" "$work/run"
chmod 700 "$work/run"
printf '#!/bin/sh\ntouch "%s/launched"\nexit 1\n' "$work" >"$work/bin/dbus-launch"
chmod +x "$work/bin/dbus-launch"
# LeakSanitizer cannot run under ptrace, nor a sanitizer in the memory limit.
sanitized=""
if ldd "$program" | grep libasan >/dev/null; then sanitized=yes; fi
traced=()
if [ -z "$sanitized" ] && command -v strace >/dev/null && strace -o /dev/null true 2>/dev/null; then
    traced=(strace -f -qq -e trace=execve -o "$work/trace")
fi
env -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$work/run" PATH="$work/bin:$PATH" \
    "${traced[@]}" "$program" &
pid=$!
played "$pid" "a start without a session bus"
[ ! -e "$work/launched" ] && echo "ok: dbus-launch not run" || fail "dbus-launch run"
if ((${#traced[@]})); then
    check "programs run without a session bus (the game itself)" 1 \
        "$(grep -c 'execve(' "$work/trace")"
fi

# With a session bus, Qt's accessibility goes through it.
if ((${#traced[@]})) && command -v dbus-run-session >/dev/null; then
    # shellcheck disable=SC2016
    dbus-run-session -- bash -c 'echo "${DBUS_SESSION_BUS_ADDRESS#*=}" >"$0/bus"
        exec strace -f -qq -e trace=connect -o "$0/trace" "$1"' "$work" "$program" 2>"$work/bus.err" &
    pid=$!
    played "$pid" "a start with a session bus"
    bus="$(cut -d, -f1 "$work/bus")"
    grep -q "sun_path=@\?\"$bus\"" "$work/trace" && echo "ok: connects to the session bus" ||
        fail "no connection to the session bus at $bus"
fi

# Under a tight memory limit, with a session bus address and without one, the
# start ends: a game that quits with 0, or one clear line and 1. Sanitizers
# reserve more address space than the limit allows.
if [ -n "$sanitized" ]; then
    echo "skipped: the memory limit under a sanitizer"
else
    for bus in "" "unix:path=$work/run/bus"; do
        what="a start in 100 MB of address space${bus:+ with a bus address}"
        (
            ulimit -v 100000
            if [ -n "$bus" ]; then export DBUS_SESSION_BUS_ADDRESS="$bus"; else
                unset DBUS_SESSION_BUS_ADDRESS
            fi
            exec "$program"
        ) 2>"$work/err" &
        pid=$!
        if main="$(window_of "$pid")"; then
            quit "$pid" "$main" "$what"
        else
            ended "$pid" "$what" 1
            grep -q '^nonagra: ' "$work/err" && echo "ok: says why after $what" ||
                fail "no clear word after $what: $(head -c 300 "$work/err")"
        fi
    done
fi

# In a bare environment (no LANG, no LC_*) the help window's legacy title
# keeps its accented letter.
env -i PATH="$PATH" HOME="$HOME" DISPLAY="$DISPLAY" "$program" &
pid=$!
if main="$(window_of "$pid")"; then
    xsession_click "$main" 1 520 307
    if help="$(xsession_window 'Nonagra le.*')"; then
        for property in WM_NAME _NET_WM_NAME; do
            check "$property of the help window in a bare environment" '"Nonagra leírás"' \
                "$(LC_ALL=C.UTF-8 xprop -id "$help" "$property" | sed 's/^[^=]*= //')"
        done
        xsession_click "$help" 1 542 21
    else
        fail "no help window in a bare environment"
    fi
    quit "$pid" "$main" "a start in a bare environment"
else
    fail "no main window in a bare environment"
    ended "$pid" "a start in a bare environment" 0
fi

[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
