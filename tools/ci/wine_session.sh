# The Wine side of the Windows scripts, sourced by tools/ci/test-windows.sh and
# run-demo.sh: packages, 32-bit programs, a headless prefix made once, and one
# Wine session that holds Wine's server, services and desktop.
#
#   SKIN_WINEPREFIX=/path ...  prefix to use (default ~/.cache/skinpak1/wine)
export WINEPREFIX="${SKIN_WINEPREFIX:-${HOME:-/root}/.cache/skinpak1/wine}"
export WINEDEBUG=-all
# No prompts for the .NET and HTML engines and no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export DEBIAN_FRONTEND=noninteractive
# Headless: nothing may reach for an X server, not even one that happens to run.
unset DISPLAY WAYLAND_DISPLAY

# Written into the prefix once it is complete; a prefix made any other way
# (an older script, a boot that was cut off) is made anew.
ready_mark="$WINEPREFIX/.skinpak1-ready"
ready_text="null graphics driver"
log_dir="$WINEPREFIX/../skinpak1-logs"
# Under qemu-user a prefix takes minutes to make; natively, seconds.
prefix_bound=1800

# Every Wine call is a round trip to the Wine server through a pipe. Where the
# two ends run on different cores of a virtual machine, each wakeup crosses
# cores and the suites take four times as long (measured: 65 s against 14 s
# for the Windows suites on 2 cores); the server, the session and the tests
# therefore all run on one core, the first this script may use.
wine_cpu=$(taskset -cp $$ | sed 's/.*: *//; s/[-,].*//')
on_wine_cpu() { taskset -c "$wine_cpu" "$@"; }

step_start=0
step() {
  step_name="$1"
  step_start=$(date +%s)
  echo "== $step_name"
}
step_done() {
  step_seconds=$(($(date +%s) - step_start))
  echo "== $step_name: $step_seconds s"
}

packages=(cmake make googletest clang-14 llvm-14 g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32:i386
  libstb-dev nlohmann-json3-dev libtomlplusplus-dev libcli11-dev)

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
how_32bit="natively"
enable_32bit_programs() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    return
  fi
  how_32bit="through qemu-user"
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

# wineboot returns before the server has written the registry, so the prefix
# counts as made only after the server has ended (wineserver -w) and the
# driver setting is found in the written registry.
prepare_prefix() {
  step "Wine prefix"
  if [ "$(cat "$ready_mark" 2>/dev/null)" = "$ready_text" ]; then
    echo "ready from an earlier run"
  else
    [ -d "$WINEPREFIX" ] && { wineserver -k 2>/dev/null || true; }
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX" "$log_dir"
    timeout "$prefix_bound" wineboot -i >"$log_dir/wineboot.log" 2>&1
    timeout "$prefix_bound" wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
      >>"$log_dir/wineboot.log" 2>&1
    timeout "$prefix_bound" wineserver -w
    if ! grep -q '^"Graphics"="null"' "$WINEPREFIX/user.reg" 2>/dev/null ||
      [ ! -s "$WINEPREFIX/system.reg" ]; then
      echo "The Wine prefix was not written completely; see $log_dir/wineboot.log" >&2
      exit 1
    fi
    echo "$ready_text" >"$ready_mark"
  fi
  step_done
}

# The program that keeps the session's desktop up, built once beside the others.
build_session_holder() {
  [ "$1" -nt tools/ci/session_holder.c ] || i686-w64-mingw32-gcc -O2 -s -o "$1" tools/ci/session_holder.c
}

start_session() {
  step "Wine session start"
  mkdir -p "$log_dir"
  on_wine_cpu wineserver -p >"$log_dir/wineserver.log" 2>&1
  on_wine_cpu wine "$1" </dev/null >"$log_dir/session.log" 2>&1 &
  local holder=$!
  local tries=0
  until grep -q "^ready" "$log_dir/session.log" 2>/dev/null; do
    if ! kill -0 "$holder" 2>/dev/null || [ $tries -ge $((prefix_bound * 2)) ]; then
      echo "The Wine session did not start; see $log_dir/session.log" >&2
      exit 1
    fi
    sleep 0.5
    tries=$((tries + 1))
  done
  wine_start_seconds=$(($(date +%s) - step_start))
  step_done
}

end_session() { wineserver -k 2>/dev/null || true; }

# After a failed run: this session's processes and where their output goes, so
# that a test which printed its result and still timed out shows whether a
# process started on demand (a second desktop, a second boot) holds its output
# pipe open: every one started with the session writes to the log folder.
report_session() {
  echo "== Wine processes of $WINEPREFIX (pid, stdout, stderr, command)"
  local p
  for p in $(pgrep -f 'wine|\.exe'); do
    { tr '\0' '\n' <"/proc/$p/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    echo "$p $(readlink "/proc/$p/fd/1") $(readlink "/proc/$p/fd/2") $({ tr '\0' ' ' <"/proc/$p/cmdline"; } 2>/dev/null)"
  done
}

