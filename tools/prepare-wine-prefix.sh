#!/bin/sh
# Creates the 32-bit Wine prefix $WINEPREFIX and fits it for showing windows
# without a window manager:
# - Wine's own TrueType fonts (Marlett draws the caption buttons, Tahoma and
#   MS Sans Serif the texts) are put where this Wine build looks for them;
# - windows are unmanaged: Wine draws their frames itself and hides them at
#   once, where a managed window waits two seconds for a window manager.
set -eu
: "${WINEPREFIX:?}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32
wineboot -i >/dev/null 2>&1
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for font in /usr/share/wine/fonts/*.ttf; do
  [ -e "$font" ] && [ ! -e "$fonts/$(basename "$font")" ] && cp "$font" "$fonts/"
done
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# The desktop process reads the settings when it starts: let it end.
wineserver -w
