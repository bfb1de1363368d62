#!/bin/sh
# skinclient_cli_test.sh <build dir> <source dir>
# The client as a script runs it: the screenshots before and after a switch,
# and the exit code and message of each way a run goes wrong.
set -eu
build=$1 source=$2
work=$build/skinclient_cli_test
rm -rf "$work"
mkdir -p "$work"
cd "$work"
run() { "$source/cmake/wine-run.sh" "$build/skinclient.exe" "$@"; }
fail() { echo "FAIL: $*"; exit 1; }

out=$(run --switch skinpak2.dll --switch-after 0 --screenshot shot --quit | tr -d '\r')
echo "$out"
[ -s shot-skinpak1.png ] && [ -s shot-skinpak2.png ] || fail "want shot-skinpak1.png and shot-skinpak2.png"
echo "$out" | grep -q '^switch skinpak1 -> skinpak2: [0-9.]* ms$' || fail "no switch line"

# expect <exit code> <message> <arguments...>
expect() {
  want=$1 said=$2
  shift 2
  got=0
  run "$@" >/dev/null 2>said.txt || got=$?
  err=$(tr -d '\r' <said.txt)
  [ "$got" = "$want" ] || fail "$*: exit code $got, want $want ($err)"
  case "$err" in *"$said"*) ;; *) fail "$*: said '$err', want '$said'" ;; esac
  echo "$*: exit code $got, $said"
}
expect 1 "no_such.dll: the module does not load" --pack no_such.dll
expect 2 "no_such.dll: the module does not load (error 126); keeping skinpak1" --switch no_such.dll --switch-after 0 --quit
expect 2 "skinpak1.dll: that pack is the one in use; keeping skinpak1" --switch skinpak1.dll --switch-after 0 --quit
