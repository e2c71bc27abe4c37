#!/usr/bin/env bash
# The program's start where it cannot draw: without any display, on an 8-bit
# X server, on one that refuses it or lacks the screen, with no platform
# plugin of that name and with too few open files, where it ends before it
# opens a window. Usage: refusals_test.sh <nonagra>
set -euo pipefail
program="$1"
command -v Xvfb >/dev/null || { echo "skipped: missing Xvfb"; exit 77; }
work="$(mktemp -d)"
server=""
locked=""
cleanup() {
    if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; fi
    if [ -n "$locked" ]; then kill "$locked" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() { # what expected actual
    if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected $2, got $3"; failures=$((failures + 1)); fi
}

# A refusal: exit code 1 within 10 s and one line on stderr that says why.
refused() { # what expected-words command...
    local what="$1" words="$2" status=0
    shift 2
    timeout 10 "$@" >/dev/null 2>"$work/err" || status=$?
    check "exit code $what" 1 "$status"
    check "lines on stderr $what" 1 "$(wc -l <"$work/err")"
    check "says why $what" yes "$(grep -q "^nonagra: .*$words" "$work/err" && echo yes || head -c 300 "$work/err")"
}

refused "without a display" "graphical display is needed" \
    env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM \
    "$program"

# Xvfb writes its display number once it listens; the read waits for it.
exec 3< <(exec Xvfb -displayfd 1 -screen 0 640x480x8 -nolisten tcp 2>/dev/null)
server=$!
read -r -t 10 number <&3 || { echo "FAIL: no 8-bit server"; exit 1; }
refused "on an 8-bit display" "8-bit colour" env -u WAYLAND_DISPLAY DISPLAY=":$number" "$program"
refused "without the screen DISPLAY names" "display :$number.3 has no screen 3" \
    env -u WAYLAND_DISPLAY DISPLAY=":$number.3" "$program"

# A server that wants a cookie the program does not have: there is a display,
# and it said no.
if command -v xauth >/dev/null; then
    xauth -f "$work/cookie" add :0 . "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')" 2>/dev/null
    exec 4< <(exec Xvfb -displayfd 1 -auth "$work/cookie" -screen 0 640x480x24 -nolisten tcp 2>/dev/null)
    locked=$!
    read -r -t 10 lockedNumber <&4 || { echo "FAIL: no server with a cookie"; exit 1; }
    refused "on a server that refuses the connection" "display :$lockedNumber refused the connection" \
        env -u WAYLAND_DISPLAY XAUTHORITY=/dev/null DISPLAY=":$lockedNumber" "$program"
fi

refused "with a platform plugin that does not exist" 'platform plugin "bogus"' \
    env QT_QPA_PLATFORM=bogus "$program"

for files in 8 7 6; do
    # shellcheck disable=SC2016 # the inner shell expands them
    # The program gets no descriptor of this script's, the server's pipe
    # included, so the limit is all it has.
    refused "under ulimit -n $files" "only $files files may be open" \
        bash -c 'ulimit -n "$1" && exec "$2" 3<&-' limit "$files" "$program"
done

[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
