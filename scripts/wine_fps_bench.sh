#!/usr/bin/env bash
# Frames per second of the renderer's scene under Wine on a private Xvfb
# display (1024 x 768) and a fresh Wine prefix, against a loop that only
# clears and presents. Builds nothing: run `make dist native` first.
#   scripts/wine_fps_bench.sh [seconds per measurement, default 5]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bench="$root/build/win/bench/wine_fps/wine_fps_bench.exe"
harness="$root/tests/wine/harness.py"
if [ ! -f "$bench" ]; then
  echo "no $bench: run 'make dist native' first" >&2
  exit 1
fi

session=$(mktemp -d "${TMPDIR:-/tmp}/miravel-fps.XXXXXX")
trap 'python3 "$harness" cleanup "$session" >/dev/null; rm -rf "$session"' EXIT
echo "Setting up Xvfb and a Wine prefix..."
python3 "$harness" setup "$session" >/dev/null
eval "$(python3 "$harness" env "$session")"
wine "$bench" "${1:-5}"
