#!/bin/bash
# Builds the 32-bit Windows DLL and its tests with mingw-w64 and runs every
# suite under a headless Wine: Wine's null graphics driver, no X server.
# Meant for a Debian 12 machine as root; installs what is missing, and
# prepares its Wine prefix once.
#
#   tools/ci/test-windows.sh            install, build, test
#   SKIN_WINEPREFIX=/path ...           prefix to use (default ~/.cache/skinpak1/wine)
#   SKIN_CTEST_JOBS=1 ...               tests one at a time (default two)
#   SKIN_WINE_CTEST_ARGS="-R hall" ...  further arguments for ctest
#
# Every step prints how long it took; the last lines say how 32-bit programs
# ran and how long the Wine start and the suites took.
set -euo pipefail

cd "$(dirname "$0")/../.."
# shellcheck source=tools/ci/wine_session.sh
source tools/ci/wine_session.sh

build() {
  step "configure"
  cmake --preset mingw-i686 >/dev/null
  step_done
  step "build"
  cmake --build --preset mingw-i686 >/dev/null
  build_session_holder build/mingw-i686/session_holder.exe
  step_done
  step "release build"
  cmake --preset mingw-i686-release >/dev/null
  cmake --build --preset mingw-i686-release >/dev/null
  step_done
}

# One Wine session for all tests: the server, Wine's services and its desktop
# are started here, with their output in the log folder, so that no test waits
# for them and none of them holds a test's output open. wineserver -k on this
# prefix ends the session and everything in it.
run_tests() {
  step "ctest"
  local rc=0
  # shellcheck disable=SC2086
  on_wine_cpu ctest --preset mingw-i686 -j "${SKIN_CTEST_JOBS:-2}" ${SKIN_WINE_CTEST_ARGS:-} || { rc=$?; report_session; }
  # The release as shipped: its footprint, and the zip with hosts run against it.
  on_wine_cpu ctest --preset mingw-i686-release || rc=$?
  step_done
  ctest_seconds=$step_seconds
  return $rc
}

install_packages
enable_32bit_programs
# Whatever of this prefix's Wine runs when the script ends, ends with it.
trap end_session EXIT
prefix_start=$(date +%s)
prepare_prefix
prefix_seconds=$(($(date +%s) - prefix_start))
build
start_session build/mingw-i686/session_holder.exe
rc=0
run_tests || rc=$?
echo "== Windows part: 32-bit programs ran $how_32bit; Wine prefix $prefix_seconds s," \
  "Wine session start $wine_start_seconds s, suites $ctest_seconds s"
exit $rc
