#!/usr/bin/env bash
# `make run`: starts Velmora. With no display it starts it on a virtual one
# (Xvfb), saves a screenshot of the main window, says where, and stops it.
set -euo pipefail
build=${1:-build}
program="$build/src/app/velmora"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

screenshot="$(cd "$build" && pwd)/velmora.png"
echo "Pas d'écran ici (ni DISPLAY ni WAYLAND_DISPLAY) : Velmora démarre sur un écran virtuel (Xvfb)."
if [ -z "${VELMORA_DATA_ROOT:-}" ]; then
    VELMORA_DATA_ROOT=$(mktemp -d)/Données/
    mkdir -p "$VELMORA_DATA_ROOT"
    echo "Données dans $VELMORA_DATA_ROOT (un dossier temporaire)."
fi
export VELMORA_DATA_ROOT program screenshot

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$program" &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Velmora\$" | head -n 1)
    sleep 1
    import -window "$window" "$screenshot"
'
echo "Velmora a démarré : capture de la fenêtre principale dans $screenshot"
