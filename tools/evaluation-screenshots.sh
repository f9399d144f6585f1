#!/usr/bin/env bash
# Screenshots of the evaluation dialog and of the example gallery for the
# README: on a virtual display, the sample set of flowchart components is
# opened, evaluated, and its first class shown in the gallery.
# Usage: tools/evaluation-screenshots.sh [build] [folder]
set -euo pipefail
source "$(dirname "$0")/screenshot-setup.sh" "${1:-}" "${2:-}" Gestes "$(dirname "$0")/samples/composants.gst"

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
set -euo pipefail
"$program" --sans-splash "$VELMORA_DATA_ROOT/Gestes/composants.gst" &
pid=$!
trap "kill $pid 2>/dev/null || true" EXIT
window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Velmora" | head -n 1)
sleep 1
xdotool windowfocus --sync "$window"

xdotool key alt+g; sleep 0.5; xdotool key v
dialog=$(timeout 30 xdotool search --sync --onlyvisible --name "^Évaluation de" | head -n 1)
sleep 4
import -window "$dialog" "$out/evaluation.png"
# The rejected triangle, chosen in the form by a double-click.
xdotool mousemove --window "$dialog" 760 193 click --repeat 2 --delay 80 1; sleep 0.5
xdotool windowclose "$dialog"; sleep 0.5

xdotool windowfocus --sync "$window"
xdotool key alt+g; sleep 0.5; xdotool key g
gallery=$(timeout 30 xdotool search --sync --onlyvisible --name "^Galerie des" | head -n 1)
sleep 1
# Its replay, half drawn.
xdotool mousemove --window "$gallery" 173 60 click --repeat 2 --delay 80 1; sleep 0.4
import -window "$gallery" "$out/galerie.png"
'
echo "Captures : $out/evaluation.png $out/galerie.png"
