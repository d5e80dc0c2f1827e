#!/bin/sh
# Takes the screenshots of VELDO.EXE into build/screenshots, on a private X
# display (a fixed 1024x768 screen, nothing else on it) and the project's
# Wine prefix (build/wine unless WINEPREFIX is set).
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
cd "$here"
out=build/screenshots
mkdir -p "$out"

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; rm -f "$display_file"' EXIT
trap 'exit 130' INT TERM
# Xvfb writes the display number once it accepts clients.
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
[ -s "$display_file" ] || { echo "screenshot: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$display_file")"

# Unmanaged windows: see UseUnmanagedWindowsUnderWine in tests/e2e/driver.
tools/wine-run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# The path is relative so that Wine resolves it from this folder.
tools/wine-run build/win32/bin/veldo-screenshot.exe "$out/main-window.png" >/dev/null
# Wine's desktop process outlives the tool by a few seconds; let it end
# before its display goes away.
WINEPREFIX=${WINEPREFIX:-$here/build/wine} timeout 20 wineserver -w || true
echo "$here/$out/main-window.png"
