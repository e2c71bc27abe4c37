#!/usr/bin/env bash
# Makes the README's screenshots under Xvfb with openbox: the main window with
# a digit selected and a few notes, and the help window.
# Usage: docs/make-screenshots.sh [build dir, default build/default]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/default}"
# shellcheck source=../tests/qt/xsession.sh
. "$root/tests/qt/xsession.sh"
xsession_start 900x700

"$build/app/nonagra" &
pid=$!
main="$(xsession_window 'Nonagra v2.0')"
sleep 0.3
# Notes 5 and 3 in two cells that the first puzzle leaves empty, and 3 selected.
xsession_click "$main" 1 212 424
xsession_click "$main" 3 338 50
xsession_click "$main" 3 48 170
xsession_click "$main" 1 125 424
xsession_click "$main" 3 338 50
xdotool mousemove 0 0
sleep 0.3
import -frame -window "$main" "$root/docs/main-window.png"

xsession_click "$main" 1 520 307
help="$(xsession_window 'Nonagra leírás')"
sleep 0.3
import -frame -window "$help" "$root/docs/help-window.png"
xsession_click "$help" 1 542 21
kill "$pid"
