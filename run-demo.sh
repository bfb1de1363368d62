#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the portable module and runs the
# demo host, which loads it by name and prints what its faces hold.
set -euo pipefail
cd "$(dirname "$0")"
tools/ci/setup-linux.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target skinhost skinpak1
./build/linux/skinhost
