# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# The accessibility bus a screen reader listens on, for the scripts that read
# the real program through AT-SPI. Source it inside a private D-Bus session.
# Without D-Bus, the bus's launcher or Python's AT-SPI module the test is
# skipped.
source "$(dirname "${BASH_SOURCE[0]}")/../support/require-tools.sh"
require_tools dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher /usr/bin/python3
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: not installed: python3-pyatspi"; exit 77; }

# start_accessibility_bus: starts the bus's launcher, adds its process to the
# caller's `pids` array, and returns once the bus answers.
start_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  pids+=($!)
  for _ in $(seq 1 250); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
      >/dev/null 2>&1 && return 0
    sleep 0.02
  done
}
