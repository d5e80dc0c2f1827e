#!/bin/sh
# Starts VELDO.EXE under Wine on the sample file, prints the function list it
# shows and saves a picture of its window. Uses your display when DISPLAY is
# set, a private Xvfb otherwise.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
out=build/screenshots
mkdir -p "$out"

if [ -n "${DISPLAY:-}" ]; then
  where="your display $DISPLAY"
else
  . tools/private-display.sh
  start_private_display
  where="a private X display ($DISPLAY, Xvfb)"
fi

echo "VELDO.EXE on examples/sample.cpp, cursor at line 61, on $where."
echo "Functions it lists ('>' marks the one selected):"
tools/wine-run build/win32/bin/veldo-screenshot.exe "$out/demo.png" | sed '$d'
WINEPREFIX=${WINEPREFIX:-$here/build/wine} timeout 20 wineserver -w || true
echo "Picture of the window: $here/$out/demo.png"
