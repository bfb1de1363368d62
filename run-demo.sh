#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the portable module, runs the
# demo host, which loads it by name and prints what its faces hold, then
# paints the hall and tree faces as a client shows them.
set -euo pipefail
cd "$(dirname "$0")"
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
