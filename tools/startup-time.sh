#!/usr/bin/env bash
# Time from launching velmora (without its splash picture) to the moment its
# main window is mapped, on a virtual X display; one line per start.
#     tools/startup-time.sh [BUILD_DIR] [STARTS]
set -euo pipefail
export program="${1:-build}/src/app/velmora" starts="${2:-5}"
export root; root="$(mktemp -d)/"

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    for i in $(seq "$starts"); do
        coproc WATCH { exec xev -root -event substructure; }
        sleep 0.5
        t0=$(date +%s%N)
        "$program" --sans-splash --data-root "$root" 2>/dev/null &
        pid=$!
        while read -r line <&"${WATCH[0]}"; do
            [[ $line == MapNotify* ]] && break
        done
        t1=$(date +%s%N)
        echo "démarrage $i : $(( (t1 - t0) / 1000000 )) ms"
        kill "$pid" "$WATCH_PID"
        wait "$pid" "$WATCH_PID" 2>/dev/null || true
    done
'
