#!/usr/bin/env bash
# quillon without a display: one line that points to quillon-cli and a non-zero exit status, also
# when the display named cannot be opened (never Qt's abort).
#   usage: no_display.sh path/to/quillon
set -uo pipefail
quillon=$1
fail() { echo "FAIL: $*"; exit 1; }

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$quillon" 2>&1)
status=$?
[ "$status" -ne 0 ] || fail "exit status 0 without a display"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || fail "more than one line: $out"
case "$out" in *quillon-cli*) ;; *) fail "no pointer to quillon-cli: $out" ;; esac

out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 "$quillon" 2>&1)
status=$?
[ "$status" -eq 1 ] || fail "exit status $status with a display that cannot be opened"
case "$out" in *quillon-cli*) ;; *) fail "no pointer to quillon-cli: $out" ;; esac
echo "ok"
