#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Composes letters with dead keys on a Spanish keyboard in the real program:
# on the X display of with-xvfb.sh, switches the keyboard to the Spanish
# layout and has compose-keys.py type and read the round through AT-SPI.
# It plays a list of one title, "La máscara", to be typed with its accent.
# Usage: compose-keys-test.sh PATH/TO/velmora
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/require-tools.sh"
require_tools setxkbmap

work=$(mktemp -d "${TMPDIR:-/tmp}/compose-keys-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
printf 'La máscara\n' >"$work/mascara.txt"
printf '#!/bin/sh\nexec "%s" --titulos "%s"\n' "$1" "$work/mascara.txt" >"$work/velmora"
chmod +x "$work/velmora"

setxkbmap -display "$DISPLAY" es
# The compose sequences are the locale's; any UTF-8 locale has these.
export LC_ALL=C.UTF-8
"$here/screen-reader-test.sh" "$work/velmora" compose-keys.py
