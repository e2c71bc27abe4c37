#!/usr/bin/env bash
# The real program on a desktop with a dark theme, and the stray input players
# give it: contrast measured from pixels, double-clicks, the wheel over the
# steppers, and the message boxes on the way through a solved puzzle, all
# through real X input. Usage: dark_desktop_test.sh <nonagra>
set -euo pipefail
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=xsession.sh
. "$here/xsession.sh"
xsession_require Xvfb openbox xdotool xprop xwininfo import convert qtpaths6
themes="$(qtpaths6 --query QT_INSTALL_PLUGINS)/platformthemes"
[ -e "$themes/libqgtk3.so" ] || { echo "missing the GTK platform theme: skipped"; exit 77; }
xsession_start
work="$(mktemp -d)"
trap 'xsession_stop; rm -rf "$work"' EXIT

# The first puzzle of level 1 and its solution.
puzzle=93xxx67xxx6xx48xx5xx52xx1x8xxx97x5142xxxxxxx3547x61xxx7x4xx38xx3xx89xx2xxx61xxx97
solution=938516742162748935475239168683972514219485673547361289794623851351897426826154397

# Layout of the main window, in pixels of its client area.
cellX() { awk -v i="$1" 'BEGIN{c=i%9; printf "%d", 28 + 40*c + 4.8*int(c/3) + 20.5}'; }
cellY() { awk -v i="$1" 'BEGIN{r=int(i/9); printf "%d", 30.4 + 38.4*r + 4.8*int(r/3) + 20.5}'; }
digitX() { awk -v d="$1" 'BEGIN{split("23.2 65.6 108.8 152 195.2 237.6 280 322.4 366.4", l, " ");
                           printf "%d", l[d] + 18}'; }
digitY=424

shot() { import -window "$1" "$work/shot.png"; }
pixel() { # x y -> r,g,b of the last shot
    convert "$work/shot.png" -crop "1x1+$1+$2" +repage \
        -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:
}
darkest() { # x y w h -> r,g,b of the darkest pixel in that area of the last shot
    convert "$work/shot.png" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | awk -F'[(),]' '
        function lin(v) { v /= 255; return v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ^ 2.4 }
        NR > 1 { l = 0.2126 * lin($3) + 0.7152 * lin($4) + 0.0722 * lin($5)
                 if (!seen || l < low) { low = l; seen = 1; found = $3 "," $4 "," $5 } }
        END { print found }'
}
contrast() { # r,g,b r,g,b -> contrast ratio as WCAG defines it
    awk -v a="$1" -v b="$2" '
        function lin(v) { v /= 255; return v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ^ 2.4 }
        function lum(c,  p) { split(c, p, ","); return 0.2126*lin(p[1]) + 0.7152*lin(p[2]) + 0.0722*lin(p[3]) }
        BEGIN { x = lum(a); y = lum(b); if (x < y) { t = x; x = y; y = t }
                printf "%.2f", (x + 0.05) / (y + 0.05) }'
}
readable() { # what text ground least: text's contrast on its ground at least `least`
    local ratio
    ratio="$(contrast "$2" "$3")"
    if awk -v r="$ratio" -v m="$4" 'BEGIN{exit !(r >= m)}'; then
        echo "ok: $1: $2 on $3 is $ratio:1"
    else
        fail "$1: $2 on $3 is $ratio:1, below $4:1"
    fi
}
same() { # what x y w h file: that area of the last shot is unchanged since `file`
    convert "$work/shot.png" -crop "$4x$5+$2+$3" +repage "$work/now.png"
    if compare -metric AE "$work/$6" "$work/now.png" null: 2>/dev/null; then
        echo "ok: $1"
    else
        fail "$1"
    fi
}
keep() { convert "$work/shot.png" -crop "$3x$4+$1+$2" +repage "$work/$5"; }

# Real clicks with one button at client pixels "x y x y ..." of a window, in
# one go: the server takes each move before the click that follows it.
clicks() {
    local window="$1" button="$2" ox oy
    shift 2
    read -r ox oy < <(xsession_origin "$window")
    local moves=()
    while (($#)); do
        moves+=(mousemove $((ox + $1)) $((oy + $2)) click --delay 10 "$button")
        shift 2
    done
    xdotool "${moves[@]}"
    sleep 0.3
}
# A real double-click with button $2 at client pixel ($3, $4) of window $1.
doubleClick() {
    local ox oy
    read -r ox oy < <(xsession_origin "$1")
    xsession_move $((ox + $3)) $((oy + $4))
    xdotool click --repeat 2 --delay 80 "$2"
    sleep 0.3
}
loaded() { # pid library: the program loaded a library of that name
    grep -q "/$2" "/proc/$1/maps"
}

# The board, the fields and the buttons under one dark theme, measured from pixels.
boardReads() { # window theme: checks a freshly started main window
    local main="$1" theme="$2" white=255,255,255 i
    shot "$main"
    readable "$theme: box line" "$(pixel 150 200)" $white 4.5
    for i in $(seq 0 80); do
        [ "${puzzle:$i:1}" = x ] && continue
        local given
        given="$(darkest $(($(cellX "$i") - 17)) $(($(cellY "$i") - 17)) 34 34)"
        readable "$theme: a given" "$given" $white 3
        readable "$theme: a given stands apart from black" "$given" 0,0,0 3
        break
    done
    readable "$theme: digit button 5" "$(darkest 200 411 28 26)" $white 4.5
    readable "$theme: level field" "$(darkest 460 60 120 18)" "$(pixel 585 69)" 3
    readable "$theme: Feladom" "$(darkest 480 136 80 18)" "$(pixel 458 145)" 4.5
    readable "$theme: stepper arrow" "$(darkest 592 58 14 10)" "$(pixel 592 57)" 3
}

export QT_QPA_PLATFORMTHEME=gtk3 XDG_CURRENT_DESKTOP=GNOME GTK_THEME=Adwaita:dark
"$program" &
pid=$!
main="$(xsession_window 'Nonagra v2.0')" || { echo "FAIL: no main window"; exit 1; }
sleep 0.3
loaded "$pid" libqgtk3.so && echo "ok: GTK theme in use" || fail "GTK theme not loaded"
boardReads "$main" "Adwaita dark"

# Every stop of the focus cycle shows the focus, the first from the start: its
# edge stands apart from the same edge of a stop without it.
readable "focus on Feladom from the start" "$(pixel 454 145)" "$(pixel 454 258)" 3
xdotool key Tab Tab
sleep 0.3
shot "$main"
readable "focus on the puzzle stepper" "$(pixel 591 102)" "$(pixel 591 69)" 3
xdotool key Tab Tab
sleep 0.3
shot "$main"
readable "focus on the level stepper" "$(pixel 591 69)" "$(pixel 591 102)" 3

# Double-clicks act once: the digit button is selected, a left double-click
# leaves the digit in the cell, a right one leaves the note.
first="" second=""
for i in $(seq 0 80); do
    [ "${puzzle:$i:1}" = x ] || continue
    if [ -z "$first" ]; then first="$i"; elif [ -z "$second" ]; then second="$i"; else break; fi
done
doubleClick "$main" 1 "$(digitX 5)" $digitY
doubleClick "$main" 1 "$(cellX "$first")" "$(cellY "$first")"
doubleClick "$main" 3 "$(cellX "$second")" "$(cellY "$second")"
shot "$main"
check "a double-click selects the digit button" 255,255,0 "$(pixel 198 411)"
answer="$(darkest $(($(cellX "$first") - 17)) $(($(cellY "$first") - 17)) 34 34)"
check "a left double-click on a cell leaves its answer" 0,0,0 "$answer"
note="$(darkest $(($(cellX "$second") - 6)) $(($(cellY "$second") - 7)) 13 12)"
readable "a right double-click on a cell leaves its note" "$note" 255,255,255 4.5

# The wheel over either stepper changes neither the selection nor the board.
keep 453 55 136 62 fields.png
keep 24 27 378 364 board.png
for y in 69 102; do
    read -r ox oy < <(xsession_origin "$main")
    xsession_move $((ox + 600)) $((oy + y))
    xdotool click 5 click 5 click 4
done
sleep 0.3
shot "$main"
same "the wheel leaves level and puzzle" 453 55 136 62 fields.png
same "the wheel leaves the board" 24 27 378 364 board.png

# The help window's text on the cyan ground.
clicks "$main" 1 520 307
if help="$(xsession_window 'Nonagra leírás')"; then
    sleep 0.3
    shot "$help"
    readable "help text" "$(darkest 10 150 200 40)" "$(pixel 300 10)" 4.5
    clicks "$help" 1 542 21
else
    fail "no help window"
fi

# Every empty cell but the last gets its answer, digit by digit; the last one
# first a wrong digit, then its own.
last="${puzzle%x*}"
last="${#last}"
at=()
for d in 1 2 3 4 5 6 7 8 9; do
    at+=("$(digitX "$d")" "$digitY")
    for i in $(seq 0 80); do
        if [ "${puzzle:$i:1}" = x ] && [ "${solution:$i:1}" = "$d" ] && [ "$i" != "$last" ]; then
            at+=("$(cellX "$i")" "$(cellY "$i")")
        fi
    done
done
clicks "$main" 1 "${at[@]}"
right="${solution:$last:1}"
wrong=$((right % 9 + 1))
clicks "$main" 1 "$(digitX "$wrong")" $digitY "$(cellX "$last")" "$(cellY "$last")"

box="$(xsession_window Nonagra)" || fail "no box for a wrong digit"
if [ -n "${box:-}" ]; then
    sleep 0.3
    width="$(xwininfo -id "$box" | awk '/Width:/{print $2}')"
    [ "$width" -ge 200 ] && echo "ok: the box is $width px wide, room for its title" ||
        fail "the box is only $width px wide"
    shot "$box"
    readable "box text" "$(darkest 10 10 60 20)" "$(pixel 2 2)" 4.5
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    xdotool key Escape
    sleep 0.3
    xwininfo -id "$box" 2>/dev/null | grep -q IsViewable && fail "Escape left the OK box open" ||
        echo "ok: Escape closes an OK box"
fi

clicks "$main" 1 "$(digitX "$right")" $digitY "$(cellX "$last")" "$(cellY "$last")"
question="$(xsession_window Nonagra)" || fail "no question after the solution"
if [ -n "${question:-}" ]; then
    sleep 0.3
    xdotool windowactivate --sync "$question" 2>/dev/null || true
    xdotool key Escape
    sleep 0.3
    xdotool key alt+F4
    sleep 0.5
    xwininfo -id "$question" 2>/dev/null | grep -q IsViewable &&
        echo "ok: neither Escape nor the frame's close answers the question" ||
        fail "the question was closed without Igen or Nem"
    kill -0 "$pid" 2>/dev/null && echo "ok: the game goes on" || fail "the game ended"
    # Return is the default "Igen": the keys did reach the question.
    xdotool key Return
    sleep 0.5
    xwininfo -id "$question" 2>/dev/null | grep -q IsViewable &&
        fail "the question did not take Return" || echo "ok: Igen answers the question"
fi
kill -0 "$pid" 2>/dev/null && kill "$pid"
wait "$pid" 2>/dev/null || true

# A qt6ct dark colour scheme with a style of its own.
if [ -e "$themes/libqt6ct.so" ]; then
    mkdir -p "$work/config/qt6ct"
    printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\nstyle=Windows\n' \
        /usr/share/qt6ct/colors/darker.conf >"$work/config/qt6ct/qt6ct.conf"
    QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/config" "$program" &
    pid=$!
    main="$(xsession_window 'Nonagra v2.0')" || fail "no main window under qt6ct"
    if [ -n "${main:-}" ]; then
        sleep 0.3
        loaded "$pid" libqt6ct.so && echo "ok: qt6ct in use" || fail "qt6ct not loaded"
        boardReads "$main" "qt6ct darker"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
fi

[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
