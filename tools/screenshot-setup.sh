# Sourced by the screenshot scripts: `build` and `out` from their arguments
# ([build] [folder]), the program to run, and an empty data root exported as
# VELMORA_DATA_ROOT, with FILE copied into its FOLDER when given.
# Usage: source tools/screenshot-setup.sh BUILD OUT [FOLDER FILE]
build=${1:-build}
out=$(mkdir -p "${2:-docs}" && cd "${2:-docs}" && pwd)
program="$(cd "$build" && pwd)/src/app/velmora"
VELMORA_DATA_ROOT=$(mktemp -d)/Données/
mkdir -p "$VELMORA_DATA_ROOT${3:-}"
if [ -n "${4:-}" ]; then
    cp "$4" "$VELMORA_DATA_ROOT$3/"
fi
export VELMORA_DATA_ROOT program out
