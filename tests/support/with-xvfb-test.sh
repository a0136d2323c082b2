#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# with-xvfb.sh against stand-ins for Xvfb, first on PATH: one that writes its
# display number late and in two pieces, as a slow server may, must hand the
# whole number to the command with nothing on standard error; one that ends
# without writing any must make the script fail, saying so, without waiting.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/with-xvfb-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir "$work/slow" "$work/dead"
cat >"$work/slow/Xvfb" <<'SERVER'
#!/bin/sh
sleep 0.3
printf 4 >&3
sleep 0.3
printf '2\n' >&3
exec sleep 60
SERVER
printf '#!/bin/sh\necho "cannot open the screen" >&2\nexit 1\n' >"$work/dead/Xvfb"
chmod +x "$work/slow/Xvfb" "$work/dead/Xvfb"

shown=$(PATH="$work/slow:$PATH" "$here/with-xvfb.sh" sh -c 'echo "$DISPLAY"' 2>"$work/stderr") \
  || fail "with-xvfb.sh failed with a slow server: $(cat "$work/stderr")"
[ "$shown" = :42 ] || fail "the command saw DISPLAY '$shown', not :42"
[ ! -s "$work/stderr" ] || fail "with-xvfb.sh wrote on standard error: $(cat "$work/stderr")"
echo "a slow server's display :42 reached the command, with nothing on standard error"

status=0
PATH="$work/dead:$PATH" "$here/with-xvfb.sh" true 2>"$work/stderr" || status=$?
[ "$status" -ne 0 ] || fail "with-xvfb.sh succeeded though the server never started"
grep -q 'no Xvfb display could be started' "$work/stderr" && grep -q 'cannot open the screen' "$work/stderr" \
  || fail "with-xvfb.sh did not say why: $(cat "$work/stderr")"
echo "a server that ended without a display made with-xvfb.sh fail with its log"
