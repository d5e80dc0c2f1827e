#!/bin/sh
# Takes the screenshots of VELDO.EXE into build/screenshots, on a private X
# display (a fixed 1024x768 screen, nothing else on it) and the project's
# Wine prefix (build/wine unless WINEPREFIX is set).
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
cd "$here"
out=build/screenshots
mkdir -p "$out"

. tools/private-display.sh
start_private_display

# Unmanaged windows: see UseUnmanagedWindowsUnderWine in tests/e2e/driver.
tools/wine-run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# The path is relative so that Wine resolves it from this folder.
tools/wine-run build/win32/bin/veldo-screenshot.exe "$out/main-window.png" >/dev/null
# Wine's desktop process outlives the tool by a few seconds; let it end
# before its display goes away.
WINEPREFIX=${WINEPREFIX:-$here/build/wine} timeout 20 wineserver -w || true
echo "$here/$out/main-window.png"
