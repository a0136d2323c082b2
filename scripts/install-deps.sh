#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing the game need.
# It asks apt only when something is missing, so a second run costs a few milliseconds.
# It installs nothing inside a package build, whose build dependencies are
# its own, nor where it has no right to (not root, and sudo would have to ask
# for a password with no terminal to ask at): it names what is missing and
# fails.
set -euo pipefail

packages=(
  # Build
  cmake g++ make pkg-config
  qt6-base-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
  # Handing accessibility events on to Qt's bridge (Qt's private headers)
  qt6-base-private-dev
  # Cutting Qt's translation down to what the game shows
  python3
  libmpg123-dev libpulse-dev
  # Headless window and audio tests
  xvfb xauth xdotool xclip x11-utils imagemagick pulseaudio pulseaudio-utils
  # Composing letters on another keyboard layout; a desktop's font through its platform theme
  x11-xkb-utils libx11-data qt6ct fonts-dejavu-core
  # Reading the window as a screen reader does, and hearing a round as the
  # screen reader Orca speaks it to a Spanish player (speech on its silent
  # module, openbox for focus, the Spanish locale made from the locales sources)
  dbus at-spi2-core python3-pyatspi orca speech-dispatcher openbox locales
  # The game on a tiling Wayland desktop: sway headless, keys typed with
  # wtype and screenshots with grim
  sway wtype grim qt6-wayland
  # Benchmarks: the probe that reads a window's pixels from the X server
  libxcb1-dev
  # Making and checking the Debian package, the desktop entry and the
  # metadata, the program's hardening, the licence of every file, and where
  # two builds of the package differ
  build-essential debhelper dpkg-dev lintian autopkgtest appstream desktop-file-utils man-db devscripts reuse
  diffoscope-minimal
  # Drawing the scalable program icon
  qt6-svg-dev
  # Regenerating the sound clips
  sox lame
  # Regenerating the embedded faces; the whole faces that a build with
  # VELMORA_SYSTEM_FONTS, as Debian's, writes with, for its tests and its
  # memory benchmark
  python3-fonttools fonts-crosextra-carlito fonts-quicksand fonts-comic-neue
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

cannot_install() {
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "$1; install them with: apt-get install ${missing[*]}" >&2
  exit 1
}
# dpkg-buildpackage exports DEB_RULES_REQUIRES_ROOT and the DEB_BUILD_*
# architecture variables, and dh marks the commands it runs.
if [ -n "${DEB_RULES_REQUIRES_ROOT+set}${DEB_BUILD_ARCH+set}${DH_INTERNAL_OPTIONS+set}" ]; then
  cannot_install "A package build installs nothing"
fi
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if sudo -n true 2>/dev/null; then
    sudo=(sudo -n)
  elif [ -t 0 ] && command -v sudo >/dev/null; then
    sudo=(sudo)
  else
    cannot_install "Installing them takes root, or sudo with a terminal to ask for the password at"
  fi
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
