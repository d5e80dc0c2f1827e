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
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null; rm -f "$display_file"' EXIT
  trap 'exit 130' INT TERM
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  [ -s "$display_file" ] || { echo "demo: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(cat "$display_file")"
  where="a private X display ($DISPLAY, Xvfb)"
fi

echo "VELDO.EXE on examples/sample.cpp, cursor at line 61, on $where."
echo "Functions it lists ('>' marks the one selected):"
tools/wine-run build/win32/bin/veldo-screenshot.exe "$out/demo.png" | sed '$d'
WINEPREFIX=${WINEPREFIX:-$here/build/wine} timeout 20 wineserver -w || true
echo "Picture of the window: $here/$out/demo.png"
