#!/bin/sh
# kit_preview_test.sh <release build dir> <source dir> <host skinkit>
# skinkit preview of Windows modules: skinkit.exe under Wine paints the
# default pack's folder (through a temporary module) as it paints the
# shipped module; the build machine's skinkit hands a folder to skinkit.exe
# under Wine and gets the same files; a pack with problems writes nothing;
# a watch paints a changed pack again. Prints how long each took.
set -eu
build=$1 source=$2 skinkit=$3
work=$build/kit_preview_test
rm -rf "$work"
mkdir -p "$work"
fail() { printf 'FAIL: %s\n' "$*"; exit 1; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
wine_run() { "$source/cmake/wine-run.sh" "$@"; }
same_pictures() {
  for picture in hall.png tree.png contact.png; do
    cmp "$1/$picture" "$2/$picture" || fail "$2/$picture differs from $1/$picture"
  done
}

echo "skinkit.exe: the default pack's folder and the shipped module paint the same pictures"
start=$(now_ms)
wine_run "$build/skinkit.exe" preview "$source/packs/skinpak1" -o "$work/folder" | tr -d '\r'
folder_ms=$(($(now_ms) - start))
wine_run "$build/skinkit.exe" preview "$build/skinpak1.dll" -o "$work/dll" | tr -d '\r'
same_pictures "$work/folder" "$work/dll"
left=$(find "$WINEPREFIX/drive_c" -name 'skinkit-preview-*' 2>/dev/null)
[ -z "$left" ] || fail "temporary modules left behind: $left"

echo "the build machine's skinkit: skinkit.exe under Wine, the same files"
start=$(now_ms)
"$skinkit" preview "$source/packs/skinpak1" -o "$work/route"
route_ms=$(($(now_ms) - start))
same_pictures "$work/folder" "$work/route"

echo "a pack with problems writes nothing"
cp -r "$source/packs/skinpak1" "$work/broken"
sed -i 's/^room = .*/room = "#20304"/' "$work/broken/pack.toml"
cp -r "$work/folder" "$work/before"
for run in "wine_run $build/skinkit.exe" "$skinkit"; do
  if $run preview "$work/broken" -o "$work/folder" >"$work/out.txt" 2>"$work/err.txt"; then
    fail "$run: a broken pack was painted"
  fi
  grep -q '^pack.toml:[0-9]*:[0-9]*: room.room: ' "$work/out.txt" || fail "$run: $(cat "$work/out.txt")"
  grep -q "1 problem(s) with $work/broken; nothing in $work/folder was written" "$work/err.txt" ||
    fail "$run: $(cat "$work/err.txt")"
  same_pictures "$work/before" "$work/folder"
done
[ "$(ls -A "$work/folder" | tr '\n' ' ')" = "contact.png hall.png tree.png " ] ||
  fail "left in the output: $(ls -A "$work/folder")"

echo "a watch through the build machine's skinkit paints a changed picture again"
cp -r "$source/packs/skinpak1" "$work/watched"
"$skinkit" preview "$work/watched" -o "$work/watch" --watch --repaints 1 >"$work/watch.txt" 2>&1 &
watcher=$!
stop() { kill "$watcher" 2>/dev/null || true; fail "$*: $(cat "$work/watch.txt")"; }
tries=0
until [ -f "$work/watch/contact.png" ]; do
  [ $tries -lt 600 ] || stop "no first paint within 60 s"
  kill -0 "$watcher" 2>/dev/null || fail "the watch ended: $(cat "$work/watch.txt")"
  sleep 0.1
  tries=$((tries + 1))
done
cp -r "$work/watch" "$work/watch_before"
cp "$source/packs/skinpak1/pictures/TREE_ROOM.ico" "$work/watched/pictures/TREE_ROOT.ico"
tries=0
while kill -0 "$watcher" 2>/dev/null; do
  [ $tries -lt 600 ] || stop "no repaint within 60 s"
  sleep 0.1
  tries=$((tries + 1))
done
wait "$watcher" || fail "the watch failed: $(cat "$work/watch.txt")"
repaint=$(tr -d '\r' <"$work/watch.txt" | sed -n 's/^repainted hall.png tree.png contact.png (\([0-9]*\) ms)$/\1/p')
[ -n "$repaint" ] || fail "no repaint line: $(cat "$work/watch.txt")"
cmp -s "$work/watch_before/contact.png" "$work/watch/contact.png" && fail "contact.png did not change"
cmp -s "$work/watch_before/tree.png" "$work/watch/tree.png" && fail "tree.png did not change"

echo "kit_preview_test: passed; skinkit.exe preview of a folder $folder_ms ms," \
  "through the build machine's skinkit $route_ms ms, one watch repaint $repaint ms"
