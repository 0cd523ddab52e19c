#!/usr/bin/env bash
# Takes the README's pictures from the built programs in dist/: the saver
# running and the settings dialog, on a private Xvfb with a fresh Wine prefix.
#   scripts/screenshots.sh [output folder, default docs]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/docs}" && cd "${1:-$root/docs}" && pwd)
harness="$root/tests/wine/harness.py"
session=$(mktemp -d "${TMPDIR:-/tmp}/miravel-shots.XXXXXX")
trap 'python3 "$harness" cleanup "$session" >/dev/null; rm -rf "$session"' EXIT
python3 "$harness" setup "$session" >/dev/null
eval "$(python3 "$harness" env "$session")"

# A copy of dist/ so the dialog finds no settings file and shows the defaults.
cp "$root/dist/Miravel.dll" "$root/dist/Miravel.scr" "$session/"

wait_for_title() {
  for _ in $(seq 200); do
    xdotool search --name "$1" 2>/dev/null | head -n 1 && return 0
    sleep 0.1
  done
  echo "no window titled $1 appeared" >&2
  return 1
}

wine "$session/Miravel.dll" >/dev/null 2>&1 &
wait_for_title '^Kestrova_VC$' >/dev/null
sleep 3  # let the sheets drift into a picture
import -window root "$out/saver.png"
xdotool key space
wait

wine "$session/Miravel.scr" /c >/dev/null 2>&1 &
dialog=$(wait_for_title '^<Miravel>$')
sleep 1  # the zoom and the first paint
eval "$(xdotool getwindowgeometry --shell "$dialog")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/dialog.png"
echo "Pictures: $out/saver.png $out/dialog.png"
