#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and passes every test suite: the portable
# build, the same under AddressSanitizer and UndefinedBehaviorSanitizer, and
# the 32-bit Windows DLL under Wine.
#
# SKIN_WINE_BUDGET=<seconds> bounds the Windows part: where the machine runs
# 32-bit programs only through an emulator, Wine takes about a minute to start
# each test process. A run that reaches the budget fails, and says so.
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

rc=0
timeout --kill-after=30 "$budget" tools/ci/test-windows.sh || rc=$?
if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
  # Nothing of the stopped run may linger and hold the output open.
  WINEPREFIX="${SKIN_WINEPREFIX:-${HOME:-/root}/.cache/skinpak1/wine}" wineserver -k 2>/dev/null || true
  pkill -f '/usr/lib/wine/' 2>/dev/null || true
  pkill -x Xvfb 2>/dev/null || true
  echo "The Windows suites did not finish within ${budget} s." >&2
fi
exit "$rc"
