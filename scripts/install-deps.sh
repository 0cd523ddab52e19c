#!/usr/bin/env bash
# Installs what building and testing Miravel needs on Debian, and nothing
# when it is all there already.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ make python3 pkg-config
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  # native tests: GoogleTest, Google Benchmark, Mesa's offscreen OpenGL
  libgtest-dev libbenchmark-dev libosmesa6-dev libgl1-mesa-dev libglu1-mesa-dev
  # running the Windows programs
  # fonts-wine: Wine's own Tahoma and Marlett (the title-bar buttons)
  wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick
  # sound captured without a sound card
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
  alsa-utils sox lame
  # Japanese text
  fonts-ipafont-gothic locales
)

sudo_if_needed() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_if_needed apt-get update -q
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# ja_JP: the systems the saver is made for (Wine's ANSI code page 932);
# en_US: another display language (code page 1252) with UTF-8 file names.
for name in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$"; then
    echo "Generating the $name.UTF-8 locale"
    sudo_if_needed sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen || echo "$name.UTF-8 UTF-8" | sudo_if_needed tee -a /etc/locale.gen >/dev/null
    sudo_if_needed locale-gen >/dev/null
  fi
done
