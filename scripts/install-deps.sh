#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing the game need.
# It asks apt only when something is missing, so a second run costs a few milliseconds.
set -euo pipefail

packages=(
  # Build
  cmake g++ make pkg-config
  qt6-base-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
  # Cutting Qt's translation down to what the game shows
  python3
  libsndfile1-dev libpulse-dev
  # Headless window and audio tests
  xvfb xauth xdotool xclip x11-utils imagemagick pulseaudio pulseaudio-utils
  # Composing letters on another keyboard layout; a desktop's font through its platform theme
  x11-xkb-utils libx11-data qt6ct fonts-dejavu-core
  # Reading the window as a screen reader does
  dbus at-spi2-core python3-pyatspi
  # Benchmarks: the probe that reads a window's pixels from the X server
  libxcb1-dev
  # Installing and checking the desktop entry, the package and its metadata,
  # the program's hardening, the licence of every file, and where two builds
  # of the package differ
  desktop-file-utils dpkg-dev lintian appstream man-db devscripts reuse diffoscope-minimal
  # Drawing the scalable program icon
  qt6-svg-dev
  # Regenerating the sound clips
  sox lame
  # Regenerating the embedded faces
  python3-fonttools
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
