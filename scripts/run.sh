#!/usr/bin/env bash
# Runs the screen saver from the given folder under Wine: on the current
# display when there is one, otherwise on a private Xvfb for a few seconds,
# saving a screenshot.
set -euo pipefail

dist=$(cd "${1:-dist}" && pwd)
top=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$top/build/run-prefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ -f "$dist/Miravel.scr" ]; then
  program=("$dist/Miravel.scr" /s)
else
  program=("$dist/Miravel.dll")
fi

xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  private_display=false
else
  private_display=true
  for n in $(seq 70 99); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Preparing the Wine prefix $WINEPREFIX (once)"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

echo "Running ${program[*]} on $DISPLAY"
if ! $private_display; then
  wine "${program[@]}"
  exit 0
fi

wine "${program[@]}" &
for _ in $(seq 150); do
  xdotool search --name '^Kestrova_VC$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 3  # let the sheets drift a while before the picture is taken
shot="$top/build/miravel-screenshot.png"
import -window root "$shot"
echo "Screenshot: $shot"
