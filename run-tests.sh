#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and passes every test suite: the portable
# build, the same under AddressSanitizer and UndefinedBehaviorSanitizer, and
# the 32-bit Windows DLL under Wine.
#
# SKIN_WINE_BUDGET=<seconds> bounds the Windows part. Where the machine runs
# 32-bit programs only through an emulator, Wine takes minutes to start and
# seconds per window; a run that reaches the budget stops there and says which
# Windows suites it did not run. A failing test fails the run either way.
set -euo pipefail
cd "$(dirname "$0")"
tools/ci/setup-linux.sh
for preset in linux linux-asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

budget=${SKIN_WINE_BUDGET:-0}
if [ "$budget" -le 0 ]; then
  exec tools/ci/test-windows.sh
fi

log=$(mktemp)
rc=0
timeout --kill-after=30 "$budget" tools/ci/test-windows.sh 2>&1 | tee "$log" || rc=${PIPESTATUS[0]}
if [ "$rc" -ne 124 ] && [ "$rc" -ne 137 ]; then
  exit "$rc"
fi
# The budget ran out: nothing failed, but some suites never ran. Nothing of
# that run may linger and hold the output open.
WINEPREFIX="${SKIN_WINEPREFIX:-${HOME:-/root}/.cache/skinpak1/wine}" wineserver -k 2>/dev/null || true
pkill -f '/usr/lib/wine/' 2>/dev/null || true
pkill -x Xvfb 2>/dev/null || true
passed=$(grep -c 'Test *#[0-9]*: .* Passed' "$log" || true)
failed=$(grep -cE 'Test *#[0-9]*: .*(\*\*\*Failed|Not Run|Timeout|Exception)' "$log" || true)
# shellcheck disable=SC2086
total=$(ctest --preset mingw-i686 -N ${SKIN_WINE_CTEST_ARGS:-} 2>/dev/null | sed -n 's/^Total Tests: //p')
echo "Windows suites stopped after ${budget} s; those not listed above did not run under Wine."
skipped=$(( ${total:-0} - passed - failed ))
echo "wine: ${passed} passed, ${failed} failed, $(( skipped > 0 ? skipped : 0 )) skipped"
[ "$failed" -eq 0 ]
