# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Source it. require_tools TOOL...: a test cannot run without the programs it
# starts, so when any is missing it ends the test with status 77, which CTest
# reports as skipped, naming them. A tool is a command on PATH or a path.
require_tools() {
  local tool missing=()
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "SKIP: not installed: ${missing[*]}"
  exit 77
}
