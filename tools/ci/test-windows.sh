#!/bin/bash
# Builds the 32-bit Windows DLL and its tests with mingw-w64 and runs them
# under Wine inside one virtual display. Meant for a Debian 12 machine as
# root; installs what is missing, and prepares its Wine prefix once.
#
#   tools/ci/test-windows.sh            install, build, test
#   SKIN_WINEPREFIX=/path ...           prefix to use (default ~/.cache/skinpak1/wine)
#   SKIN_CTEST_JOBS=1 ...               tests one at a time (default two)
#   SKIN_WINE_CTEST_ARGS="-R hall" ...  further arguments for ctest
#
# Every step prints how long it took.
set -euo pipefail

self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
cd "$(dirname "$self")/../.."
export WINEPREFIX="${SKIN_WINEPREFIX:-${HOME:-/root}/.cache/skinpak1/wine}"
export WINEDEBUG=-all
# No prompts for the .NET and HTML engines, no desktop menu entries, and none
# of Wine's device, plug-and-play and RPC services: the tests use none of
# them, and under emulation (below) each takes a minute to start.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe,winedevice.exe,plugplay.exe,svchost.exe,rpcss.exe=d"
export DEBIAN_FRONTEND=noninteractive

step_start=0
step() {
  step_name="$1"
  step_start=$(date +%s)
  echo "== $step_name"
}
step_done() { echo "== $step_name: $(($(date +%s) - step_start)) s"; }

packages=(cmake make googletest g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32:i386 xvfb xauth)

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

install_packages() {
  step "packages"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  local missing
  missing=$(missing_packages "${packages[@]}")
  if [ -n "$missing" ]; then
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
  fi
  step_done
}

# Some kernels are booted with 32-bit emulation off: the 32-bit Wine loader
# then fails with "Exec format error". The i386 user-mode emulator runs it
# instead, registered for 32-bit ELF files; the same Wine, only slower.
enable_32bit_programs() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    return
  fi
  step "32-bit programs through qemu-i386"
  if [ -n "$(missing_packages qemu-user-static)" ]; then
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null
  fi
  local binfmt=/proc/sys/fs/binfmt_misc
  [ -e $binfmt/register ] || mount -t binfmt_misc binfmt_misc $binfmt
  if [ ! -e $binfmt/qemu-i386 ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      >$binfmt/register
  fi
  /usr/lib/wine/wine --version >/dev/null
  step_done
}

# A prefix that was cut off half-way is thrown away here and made anew when
# the session starts.
discard_unfinished_prefix() {
  [ -e "$WINEPREFIX/.skinpak1-ready" ] && return
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
}

build() {
  step "configure"
  cmake --preset mingw-i686 >/dev/null
  step_done
  step "build"
  cmake --build --preset mingw-i686 >/dev/null
  step_done
}

# Runs inside the virtual display: one Wine session for all tests. Its boot,
# which also makes the prefix on a fresh machine, comes before the first test
# so that Wine's start-up runs once and no test process waits for it.
run_tests() {
  step "Wine session start"
  wineserver -p
  wineboot -i >/dev/null 2>&1 || true
  [ -e "$WINEPREFIX/system.reg" ] || { echo "wineboot made no prefix" >&2; exit 1; }
  touch "$WINEPREFIX/.skinpak1-ready"
  step_done
  step "ctest"
  local rc=0
  # shellcheck disable=SC2086
  ctest --preset mingw-i686 -j "${SKIN_CTEST_JOBS:-2}" --timeout 1200 ${SKIN_WINE_CTEST_ARGS:-} || rc=$?
  step_done
  wineserver -k || true
  return $rc
}

if [ "${1:-}" = "--inside-display" ]; then
  run_tests
  exit
fi

install_packages
enable_32bit_programs
discard_unfinished_prefix
build
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$self" --inside-display
