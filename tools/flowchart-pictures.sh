#!/usr/bin/env bash
# The pictures of a flowchart drawn by gestures shown in README.md:
# docs/organigramme.png (the flowchart, the pointer over the diamond),
# docs/organigramme-texte.png (the insert-text dialog of a "Texte" gesture) and
# docs/gestes-personnels.png (the dialog that adapts the gestures to a hand) and
# docs/organigramme-edition.png (the flowchart's "Edition" menu).
# Velmora runs on a virtual display (Xvfb) with a temporary data folder.
set -euo pipefail
build=${1:-build}
out=${2:-docs}
demo="$(cd "$build" && pwd)/tools/velmora-demo-organigramme"
out="$(cd "$out" && pwd)"
export demo

picture() { # name [--insertion]
    local name=$1
    shift
    local data log
    data=$(mktemp -d)
    log=$(mktemp)
    export data log name out mode="${1:-}"
    xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        set -euo pipefail
        "$demo" "$data/Données" $mode > "$log" &
        pid=$!
        trap "kill $pid 2>/dev/null || true" EXIT
        timeout 120 bash -c "until grep -q prêt \"$log\"; do sleep 0.2; done"
        timeout 30 xdotool search --sync --onlyvisible --name "^Velmora" > /dev/null
        sleep 1
        import -window root "$out/$name"
    '
    rm -rf "$data" "$log"
    echo "$out/$name"
}

picture organigramme.png
picture organigramme-texte.png --insertion
picture gestes-personnels.png --adaptation
picture organigramme-edition.png --edition
