#!/bin/sh
# package_test.sh <build dir> <source dir> <clang> "<flags of the platform compiler's ABI>" \
#                 <g++> <picture libraries' folder> <CLI11 include folder>
# Writes the zip, unpacks it as a host developer would, checks what it holds,
# and runs the C host, the C++ host and a host linked at load time against
# the DLL, header and import libraries inside it; then builds the lobby
# client from its sources and the zip's headers and switches packs with it.
set -eu
build=$1 source=$2 clang=$3 flags=$4 cxx=$5 pictures=$6 cli11=$7
work=$build/package_test
rm -rf "$work"
mkdir -p "$work/out"
(cd "$build" && cpack -G ZIP -B "$work/out" >/dev/null)
zip=$(ls "$work"/out/skinpak1-*-win32.zip)
(cd "$work" && cmake -E tar xf "$zip")
root=$(ls -d "$work"/skinpak1-*-win32)

expected="./README.md
./bin/skinkit.exe
./bin/skinpak1.dll
./bin/skinpak2.dll
./lib/libskinpak1.dll.a
./lib/skinpak1.def
./lib/skinpak1.lib"
actual=$(cd "$root" && find . -type f -not -path "./include/*" | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  echo "the zip holds:"; echo "$actual"; echo "expected:"; echo "$expected"
  exit 1
fi
cmp "$root/bin/skinpak1.dll" "$build/skinpak1.dll"
cmp "$root/bin/skinpak2.dll" "$build/skinpak2.dll"
# The headers are the folder the module is compiled from, whole.
diff -r "$source/include/skinpak1" "$root/include/skinpak1"

# The hosts run beside the packaged DLL, which the loader finds first there.
cp "$build/host_c_test.exe" "$build/msvc_host_test.exe" "$build/skin_peer.dll" "$root/bin/"
"$source/cmake/wine-run.sh" "$root/bin/host_c_test.exe"
"$source/cmake/wine-run.sh" "$root/bin/msvc_host_test.exe"
"$source/cmake/wine-run.sh" "$root/bin/host_c_test.exe" skinpak2.dll

# The packaged header, linked through each import library in turn.
# shellcheck disable=SC2086 # the flags are words
"$clang" $flags -I"$root/include/skinpak1" -c "$source/tests/package/linked_host.cpp" -o "$work/linked_host.obj"
i686-w64-mingw32-objcopy --remove-section=.sxdata "$work/linked_host.obj"
for library in skinpak1.lib libskinpak1.dll.a; do
  i686-w64-mingw32-gcc -o "$root/bin/linked_host.exe" "$work/linked_host.obj" \
    "$build/msvc_abi/type_info_vtable.o" -L"$build/msvc_abi" -lmsvcrt_cxx "$root/lib/$library" \
    -luser32 -lgdi32 -lkernel32 -lmsvcrt
  echo "linked against $library:"
  "$source/cmake/wine-run.sh" "$root/bin/linked_host.exe"
done

# The client, compiled against the packaged headers alone (its own folder
# holds no face declaration), switching between the packaged skins.
mkdir -p "$work/client"
export cxx root source cli11 work
# shellcheck disable=SC2016 # expanded by the shell xargs starts
ls "$source"/client/*.cpp | xargs -P 2 -I{} sh -c '"$cxx" -std=c++17 -O2 -I"$root/include/skinpak1" \
  -I"$source/client" -I"$source/pictures/include" -isystem "$cli11" -c {} -o "$work/client/$(basename {} .cpp).o"'
"$cxx" -static -mwindows -o "$root/bin/skinclient.exe" "$work"/client/*.o \
  "$pictures/libskin_pictures_gdi.a" "$pictures/libskin_pictures_png.a" "$pictures/libskin_pictures.a" \
  -lcomctl32 -lmsimg32 -lgdi32 -luser32
cp "$build/skinclient_tables.dll" "$root/bin/"
ran=$(cd "$root/bin" && "$source/cmake/wine-run.sh" skinclient.exe --switch skinpak2.dll --switch-after 0 --quit)
echo "$ran"
case "$ran" in
  *"switch skinpak1 -> skinpak2: "*" ms"*) ;;
  *) echo "the client built from the zip did not switch packs"; exit 1 ;;
esac
