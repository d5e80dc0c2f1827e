#!/bin/sh
# Runs the native tests and the Windows tests under Wine, then prints one
# summary line over both.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
logs=build/test-logs
mkdir -p "$logs"

ctest --preset native 2>&1 | tee "$logs/native.log"
native=$?

# One fresh Wine prefix per run, removed afterwards.
prefix=$(mktemp -d "${TMPDIR:-/tmp}/veldo-wine.XXXXXX")
export WINEPREFIX="$prefix"
trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1; rm -rf "$prefix"' EXIT INT TERM
echo "Preparing a Wine prefix in $prefix..."
WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32 wineboot -i >/dev/null 2>&1
ctest --preset win32 2>&1 | tee "$logs/win32.log"
win32=$?

count() { # count LOG -> "passed failed"
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  total=$(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')
  failed=$(echo "$line" | sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/')
  [ -n "$total" ] || { echo "0 1"; return; }
  echo "$((total - failed)) $failed"
}
set -- $(count "$logs/native.log") $(count "$logs/win32.log")
passed=$(($1 + $3))
failed=$(($2 + $4))
echo
echo "native: $1 passed, $2 failed; windows under wine: $3 passed, $4 failed"
echo "summary: $passed passed, $failed failed"
[ "$native" -eq 0 ] && [ "$win32" -eq 0 ] && [ "$failed" -eq 0 ]
