#!/usr/bin/env bash
# Runs every fuzz target of BUILD for SECONDS each, seeded from the project's
# own files and from generated ones; stops at the first finding.
set -euo pipefail
build=$1
seconds=$2
here=$(cd "$(dirname "$0")/.." && pwd)
seeds="$build/seeds"
rm -rf "$seeds"
"$build/fuzz/make_fuzz_seeds" "$seeds"
mkdir -p "$seeds/drawing_text"
cp "$here"/tools/samples/*.txt "$seeds/drawing_text/"
mkdir -p "$seeds/gesture_set"
cp "$here"/tools/samples/*.gst "$seeds/gesture_set/"
mkdir -p "$seeds/svk"
cp "$here"/tools/samples/*.svk "$seeds/svk/"
# Inputs that once found a fault are replayed first on every run.
for found in "$here"/fuzz/regressions/*/; do
    name=$(basename "$found")
    mkdir -p "$seeds/$name"
    cp "$found"* "$seeds/$name/"
done
# A few gestures drawn by people, read where they live (never copied into the project).
mkdir -p "$seeds/gesture_logs"
logs="$here/../shared/datasets"
if [ -d "$logs" ]; then
    cp "$logs"/dollar1/s02/fast/arrow0[1-3].xml "$logs"/mmg/H/10-stylus-fast-H-0[1-3].csv \
        "$seeds/gesture_logs/"
fi

status=0
for target in "$build"/fuzz/fuzz_*; do
    name=${target##*/fuzz_}
    corpus="$build/corpus/$name"
    artifacts="$build/artifacts/$name/"
    mkdir -p "$corpus" "$artifacts" "$seeds/$name"
    echo "== $name: $seconds s"
    if ! "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=65536 \
            -timeout=10 -artifact_prefix="$artifacts" -print_final_stats=1 \
            "$corpus" "$seeds/$name" 2>"$build/fuzz-$name.log"; then
        tail -n 40 "$build/fuzz-$name.log"
        echo "finding in $name: see $artifacts"
        status=1
    else
        grep -E '^(stat::number_of_executed_units|stat::new_units_added)|cov:' "$build/fuzz-$name.log" | tail -n 3
    fi
done
exit $status
