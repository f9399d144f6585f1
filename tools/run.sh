#!/usr/bin/env bash
# `make run`: shows the rule-based recogniser at work on the sample drawings.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
for drawing in "$here"/samples/*.txt; do
    echo "== $(basename "$drawing")"
    "$build/tools/velmora-gst" shapes "$drawing"
done
