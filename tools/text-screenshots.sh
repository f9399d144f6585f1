#!/usr/bin/env bash
# Screenshots of the text editor for the README: on a virtual display,
# tools/samples/gestes.svk is opened and a word is struck through with the
# right button; one picture while the ink is on the text, one after the edit.
# Usage: tools/text-screenshots.sh [build] [folder]
set -euo pipefail
source "$(dirname "$0")/screenshot-setup.sh" "${1:-}" "${2:-}" Editeur "$(dirname "$0")/samples/gestes.svk"

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
set -euo pipefail
"$program" --sans-splash &
pid=$!
trap "kill $pid 2>/dev/null || true" EXIT
window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Velmora\$" | head -n 1)
sleep 1
xdotool windowfocus --sync "$window"

# Editeur > Ouvrir..., the file named in the dialog, its window maximised.
xdotool mousemove 30 8 click 1; sleep 0.7
xdotool mousemove 60 51 click 1; sleep 1.5
xdotool type --delay 30 "Editeur/gestes.svk"; xdotool key Return; sleep 1.5
xdotool mousemove 612 70 click 1; sleep 0.5
xdotool windowsize "$window" 1000 330; sleep 1

# "horizontal", on the first line of the paragraph, struck through.
xdotool mousemove 643 134 mousedown 3
for x in $(seq 646 3 721); do xdotool mousemove "$x" $((134 + (x % 9 == 0))) sleep 0.012; done
import -window "$window" "$out/editeur-encre.png"
xdotool mouseup 3; sleep 1.2
import -window "$window" "$out/editeur-apres.png"
'
echo "Captures : $out/editeur-encre.png $out/editeur-apres.png"
