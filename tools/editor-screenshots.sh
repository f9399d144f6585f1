#!/usr/bin/env bash
# Screenshots of the gesture-set editor for the README: on a virtual display, a
# new set "demo" is made through its dialog, three gestures are taught by
# drawing eight examples each with the mouse, then a fresh line is recognised
# and a scribble rejected. Usage: tools/editor-screenshots.sh [build] [folder]
set -euo pipefail
source "$(dirname "$0")/screenshot-setup.sh" "${1:-}" "${2:-}"

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
set -euo pipefail
"$program" --sans-splash &
pid=$!
trap "kill $pid 2>/dev/null || true" EXIT
window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Velmora\$" | head -n 1)
sleep 1
xdotool windowfocus --sync "$window"
RANDOM=6

# One stroke through the points given as "x y x y ...", 10 ms apart.
stroke() {
    local moves=() x y
    while [ $# -ge 2 ]; do
        moves+=(mousemove "$1" "$2" sleep 0.01)
        shift 2
    done
    xdotool mousemove "${moves[1]}" "${moves[2]}" mousedown 1 "${moves[@]}" mouseup 1
    sleep 1
}
line() { # x0 y0 dx dy
    local points=() i
    for i in $(seq 0 20); do
        points+=($(($1 + $3 * i / 20 + RANDOM % 3 - 1)) $(($2 + $4 * i / 20 + RANDOM % 3 - 1)))
    done
    stroke "${points[@]}"
}
circle() { # cx cy r
    stroke $(awk -v cx="$1" -v cy="$2" -v r="$3" -v s="$RANDOM" "BEGIN { srand(s);
        for (a = 0; a <= 24; ++a) { t = -1.5708 + a * 6.2832 / 24;
            printf \"%d %d \", cx + r * cos(t) + rand() * 2, cy + r * sin(t) + rand() * 2 } }")
}
add() { xdotool mousemove 427 363 click 1; sleep 0.3; }
newClass() {
    xdotool mousemove 141 369 click --repeat 3 1 type "$1"
    xdotool mousemove 192 470 click 1
    sleep 0.3
}

xdotool key alt+g; sleep 0.5; xdotool key n; sleep 1
xdotool type demo; xdotool key Tab Tab Tab ctrl+a; xdotool type droite; xdotool key Return
sleep 1
for e in $(seq 8); do line $((570 + RANDOM % 20)) $((320 + RANDOM % 20)) $((110 + RANDOM % 30)) $((RANDOM % 9 - 4)); add; done
newClass bas
for e in $(seq 8); do line $((630 + RANDOM % 20)) $((230 + RANDOM % 20)) $((RANDOM % 9 - 4)) $((110 + RANDOM % 30)); add; done
newClass rond
for e in $(seq 8); do circle $((640 + RANDOM % 10)) $((330 + RANDOM % 10)) $((45 + RANDOM % 15)); add; done

line 580 300 125 2
import -window root -crop 810x440+0+60 "$out/editeur-reconnu.png"
stroke $(for i in $(seq 0 30); do echo $((560 + (i % 2) * 120 + RANDOM % 9)) $((260 + i * 5)); done)
import -window root -crop 1100x720+0+0 "$out/editeur-rejete.png"
'
echo "Captures : $out/editeur-reconnu.png $out/editeur-rejete.png"
