#!/bin/sh
# kit_module_test.sh <release build dir> <source dir> <host skinkit> <host resdump>
# The kit's modules against the shipped one: built from the default pack they
# carry its code, values and resources; unpacked they give the pack folder
# back; a built module is reproduced byte for byte; a new pack's module loads
# and passes the C host's checks; skinkit.exe under Wine writes the same
# bytes; and a failed build leaves the previous module as it was.
set -eu
build=$1 source=$2 skinkit=$3 resdump=$4
shipped=$build/skinpak1.dll
work=$build/kit_module_test
rm -rf "$work"
mkdir -p "$work/run"
fail() { echo "FAIL: $*"; exit 1; }

sections() { i686-w64-mingw32-objdump -h "$1" | awk '$1 ~ /^[0-9]+$/ { print $2 }'; }
# same_section <a> <b> <section>: whether the two modules hold the same bytes there
same_section() {
  i686-w64-mingw32-objcopy -O binary --only-section="$3" "$1" "$work/a.bin"
  i686-w64-mingw32-objcopy -O binary --only-section="$3" "$2" "$work/b.bin"
  cmp -s "$work/a.bin" "$work/b.bin"
}
same_sections_but_resources() {
  [ "$(sections "$1")" = "$(sections "$2")" ] || fail "$2: sections $(sections "$2" | tr '\n' ' ')"
  for section in $(sections "$1"); do
    [ "$section" = .rsrc ] || same_section "$1" "$2" "$section" || fail "$2: section $section differs from $1's"
  done
}

echo "build of the default pack: the shipped module's code, values and resources"
"$skinkit" build "$source/packs/skinpak1" -o "$work/skinpak1.dll" --module "$shipped"
same_sections_but_resources "$shipped" "$work/skinpak1.dll"
"$resdump" "$shipped" >"$work/shipped.txt"
"$resdump" "$work/skinpak1.dll" >"$work/built.txt"
cmp "$work/shipped.txt" "$work/built.txt" || fail "resources differ"

echo "unpack of the shipped module: the default pack's folder, byte for byte"
"$skinkit" unpack "$shipped" -o "$work/unpacked"
diff -r "$source/packs/skinpak1" "$work/unpacked" || fail "unpack differs from packs/skinpak1"

echo "a new pack, built, unpacked and built again"
"$skinkit" new "$work/kitpack" --name skinpak_kit --from "$source/packs/skinpak1"
sed -i 's/^room = .*/room = "#203040"/' "$work/kitpack/pack.toml"
cp "$source/packs/skinpak1/pictures/TREE_ROOM.ico" "$work/kitpack/pictures/TREE_ROOT.ico"
"$skinkit" build "$work/kitpack" -o "$work/run/skinpak_kit.dll" --module "$shipped"
same_section "$shipped" "$work/run/skinpak_kit.dll" .skinval && fail "the values block did not change"
same_section "$shipped" "$work/run/skinpak_kit.dll" .text || fail "the code changed"
"$skinkit" unpack "$work/run/skinpak_kit.dll" -o "$work/kitpack_again"
diff -r "$work/kitpack" "$work/kitpack_again" || fail "unpack of the built module differs from its folder"
"$skinkit" build "$work/kitpack_again" -o "$work/rebuilt.dll" --module "$shipped"
cmp "$work/run/skinpak_kit.dll" "$work/rebuilt.dll" || fail "rebuilding an unpacked module changed its bytes"
"$skinkit" diff "$shipped" "$work/run/skinpak_kit.dll" >"$work/diff.txt" && fail "diff found no difference"
grep -q '^room.room: "#008000" -> "#203040"$' "$work/diff.txt" || fail "diff: $(cat "$work/diff.txt")"
grep -q '^pictures/TREE_ROOT.ico: image 1 (16×16, 24 bits): [0-9]* of 256 pixels differ$' "$work/diff.txt" ||
  fail "diff: $(cat "$work/diff.txt")"

echo "a failed build leaves the previous module"
cp "$work/run/skinpak_kit.dll" "$work/before.dll"
sed -i 's/^room = .*/room = "#20304"/' "$work/kitpack/pack.toml"
if "$skinkit" build "$work/kitpack" -o "$work/run/skinpak_kit.dll" --module "$shipped" >"$work/out.txt"; then
  fail "a broken pack built"
fi
grep -q '^pack.toml:[0-9]*:[0-9]*: room.room: ' "$work/out.txt" || fail "build: $(cat "$work/out.txt")"
cmp "$work/before.dll" "$work/run/skinpak_kit.dll" || fail "the failed build changed the module"
sed -i 's/^room = .*/room = "#203040"/' "$work/kitpack/pack.toml"

echo "the new pack's module under Wine: the C host's checks"
cp "$build/host_c_test.exe" "$work/run/"
"$source/cmake/wine-run.sh" "$work/run/host_c_test.exe" skinpak_kit.dll

echo "skinkit.exe under Wine: the same problems, the same bytes"
cp "$build/skinkit.exe" "$shipped" "$work/run/"
"$source/cmake/wine-run.sh" "$work/run/skinkit.exe" check "$work/kitpack" | tr -d '\r'
"$source/cmake/wine-run.sh" "$work/run/skinkit.exe" build "$work/kitpack" -o "$work/wine.dll"
cmp "$work/run/skinpak_kit.dll" "$work/wine.dll" || fail "skinkit.exe built other bytes"
rm "$work/kitpack/pictures/MENU_BK.bmp"
if "$source/cmake/wine-run.sh" "$work/run/skinkit.exe" check "$work/kitpack" >"$work/out.txt"; then
  fail "skinkit.exe passed a pack without MENU_BK.bmp"
fi
[ "$(tr -d '\r' <"$work/out.txt")" = "pictures/MENU_BK.bmp: missing" ] || fail "check: $(cat "$work/out.txt")"
echo "kit_module_test: passed"
