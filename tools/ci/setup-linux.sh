#!/usr/bin/env bash
# Installs what the portable build and its tests need on a fresh Debian 12 machine.
set -euo pipefail
packages=(cmake g++ make libgtest-dev libgmock-dev googletest libpng-dev pkg-config clang-14 libclang-rt-14-dev
  libbenchmark-dev libstb-dev nlohmann-json3-dev libtomlplusplus-dev libcli11-dev)
missing=()
for p in "${packages[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
