#!/usr/bin/env bash
# The main job. Sets up a fresh Debian 12 machine, builds the lobby client
# and the shipped packs for Windows, and runs the client under a headless
# Wine: it paints the hall with skinpak1, switches to skinpak2 while it runs,
# says how long the switch took and leaves a screenshot from before and one
# from after in build/client/.
#
#   ./run-demo.sh             the client, as above
#   ./run-demo.sh --portable  quicker: the portable host, which loads the
#                             module by name and prints what its faces hold,
#                             and the preview of both faces
set -euo pipefail
cd "$(dirname "$0")"

if [ "${1:-}" = "--portable" ]; then
  tools/ci/setup-linux.sh
  cmake --preset linux >/dev/null
  cmake --build --preset linux --target skinhost skinpreview skinpak1
  ./build/linux/skinhost
  out=build/linux/preview
  mkdir -p "$out"
  echo
  echo "Pictures of the default skin:"
  ./build/linux/skinpreview --out "$out"
  echo "Every field of a face as JSON: ./build/linux/skinpreview --json hall (or tree)"
  exit 0
fi

# shellcheck source=tools/ci/wine_session.sh
source tools/ci/wine_session.sh
install_packages >/dev/null
enable_32bit_programs
trap end_session EXIT
prepare_prefix >/dev/null
echo "== building the client and the packs (mingw-i686-release)"
bin=build/mingw-i686-release
mkdir -p "$bin"
if ! { cmake --preset mingw-i686-release &&
  cmake --build --preset mingw-i686-release --target skinclient skinclient_tables skinpak1 skinpak2; } >"$bin/demo-build.log" 2>&1; then
  cat "$bin/demo-build.log"
  exit 1
fi
build_session_holder "$bin/session_holder.exe"
start_session "$bin/session_holder.exe" >/dev/null

out=build/client
mkdir -p "$out"
rm -f "$out"/hall-*.png
# The packs are found beside the client; the screenshots land where it runs.
client="$PWD/$bin/skinclient.exe"
(cd "$out" && on_wine_cpu timeout 120 wine "$client" --switch skinpak2.dll --switch-after 500 --screenshot hall --quit) |
  tr -d '\r'
ls "$out"/hall-skinpak1.png "$out"/hall-skinpak2.png >/dev/null
