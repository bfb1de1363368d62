#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and passes every test suite: the portable
# build, the same under AddressSanitizer and UndefinedBehaviorSanitizer, the
# fuzzers over their kept inputs, and the 32-bit Windows DLL under a headless
# Wine.
set -euo pipefail
cd "$(dirname "$0")"
tools/ci/setup-linux.sh
for preset in linux linux-asan linux-fuzz; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
exec tools/ci/test-windows.sh
