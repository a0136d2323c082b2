#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real program's command line with no display at all: --help answers on
# standard output and a wrong command line on standard error, both before
# Qt would need a screen. Usage: command-line-test.sh PROGRAM
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

help=$(run --help) || fail "velmora --help ended with status $?"
grep -q -- '--titulos FICHERO' <<<"$help" || fail "the help does not name --titulos: $help"
[ "$(run -h)" = "$help" ] || fail "-h does not print the same help as --help"
echo "velmora --help: $(head -n 1 <<<"$help")"

status=0
errors=$(run --titulos 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] || fail "velmora --titulos without a file ended with status $status"
grep -q 'falta el nombre del fichero tras --titulos' <<<"$errors" || fail "velmora --titulos says: $errors"
echo "velmora --titulos: $(head -n 1 <<<"$errors")"
