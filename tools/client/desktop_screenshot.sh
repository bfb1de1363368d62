#!/bin/bash
# desktop_screenshot.sh <folder with skinclient.exe and the packs> <out.png>
#
# The client as a person sees it: run under a virtual X display with Wine's
# X11 driver (not the null driver the tests use), switched to the night skin,
# its exit menu opened with a click (where xdotool is installed), and
# photographed from the display itself. Needs Xvfb and xwd (Debian: xvfb,
# x11-apps; xdotool for the click). Uses a Wine prefix of its own,
# which it ends with wineserver -k, and the Xvfb it starts, ended by its PID.
set -euo pipefail
bin=$(cd "$1" && pwd)
out=$2
here=$(cd "$(dirname "$0")" && pwd)
# A prefix of its own: the headless one must keep its null driver.
export WINEPREFIX="${SKIN_X11_WINEPREFIX:-${HOME:-/root}/.cache/skinpak1/wine-x11}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
work=$(mktemp -d)

# Xvfb picks a free display and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 880x680x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
finish() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
for _ in $(seq 1 40); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$work/xvfb.log"; exit 1; }
  sleep 0.25
done
display=:$(cat "$work/display")
export DISPLAY=$display

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; exit 1; }
  wineserver -w
fi
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null 2>&1

# The window stands at (40, 40), 800 by 600; the switch comes after a second.
(cd "$bin" && wine skinclient.exe --switch skinpak2.dll --switch-after 1000) >"$work/client.log" 2>&1 &
for _ in $(seq 1 60); do
  grep -q "^switch " "$work/client.log" && break
  sleep 0.5
done
grep "^switch " "$work/client.log" || { cat "$work/client.log"; echo "the client did not switch" >&2; exit 1; }
# The toolbar's fifth button, Exit, opens the exit menu over the room.
if command -v xdotool >/dev/null; then
  xdotool mousemove 322 149 click 1
fi
sleep 1
xwd -root -silent -display $display >"$work/screen.xwd"
python3 "$here/xwd_to_png.py" "$work/screen.xwd" "$out" 40 40 800 600
echo "wrote $out"
