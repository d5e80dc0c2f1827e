#!/bin/sh
# The whole road under Wine: the IDE stand-in shows examples/sample.cpp at
# line 61 and runs VELDO.EXE from its Tools command; the demo picks a
# function, presses Enter and prints where the editor's cursor landed.
# Pictures of both windows go to build/screenshots. Uses your display when
# DISPLAY is set, a private Xvfb otherwise.
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

echo "Running the IDE stand-in and VELDO.EXE under Wine on $where."
# The path is relative so that Wine resolves it from this folder.
tools/wine-run build/win32/bin/veldo-demo.exe "$out"
# Wine's desktop process outlives the demo by a few seconds; let it end
# before its display goes away.
WINEPREFIX=${WINEPREFIX:-$here/build/wine} timeout 20 wineserver -w || true
