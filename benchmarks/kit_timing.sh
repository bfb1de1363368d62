#!/bin/sh
# kit_timing.sh <skinkit> <pack folder> <shipped module> [runs]
# The median wall time of `check` and `build` of a pack and of `unpack` of
# the module built, each run `runs` times (21 unless given) as an author runs
# it: a process per command, its files from a warm disk cache.
set -eu
skinkit=$1 pack=$2 module=$3 runs=${4:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# median <command...>: milliseconds, from the sorted times of `runs` runs
median() {
  i=0
  while [ "$i" -lt "$runs" ]; do
    rm -rf "$work/unpacked"
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
    i=$((i + 1))
  done | sort -n | awk -v n="$runs" 'NR == int((n + 1) / 2) { printf "%.1f ms\n", $1 / 1000 }'
}

"$skinkit" build "$pack" -o "$work/pack.dll" --module "$module" >/dev/null
echo "check:  $(median "$skinkit" check "$pack")"
echo "build:  $(median "$skinkit" build "$pack" -o "$work/pack.dll" --module "$module")"
echo "unpack: $(median "$skinkit" unpack "$work/pack.dll" -o "$work/unpacked")"
