#!/bin/sh
# Runs the native tests and the Windows tests under Wine, then prints one
# summary line over both.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
logs=build/test-logs
mkdir -p "$logs"

# run NAME COMMAND...: shows the output as it comes, keeps it in a log, and
# leaves the command's own status in $status.
run() {
  name=$1; shift
  { "$@" 2>&1; echo $? >"$logs/$name.status"; } | tee "$logs/$name.log"
  status=$(cat "$logs/$name.status")
}

run native ctest --preset native
native=$status

# One fresh Wine prefix and one private X display per run, both removed
# afterwards. The end-to-end tests need the display; the unit tests do not
# mind it.
prefix=$(mktemp -d "${TMPDIR:-/tmp}/veldo-wine.XXXXXX")
export WINEPREFIX="$prefix"
xvfb_pid=
cleanup() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$prefix"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$prefix.display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$prefix.display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$prefix.display")"
rm -f "$prefix.display"
echo "Preparing a Wine prefix in $prefix (display $DISPLAY)..."
tools/prepare-wine-prefix.sh
run win32 ctest --preset win32
win32=$status

count() { # count LOG -> "passed failed"
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  total=$(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')
  failed=$(echo "$line" | sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/')
  [ -n "$total" ] || { echo "0 1"; return; }
  echo "$((total - failed)) $failed"
}
# A Windows test program runs all its cases in one process: count the cases
# it reports, so the figures mean the same on both sides.
count_cases() { # count_cases CTEST-LOG OUTPUT-LOG -> "passed failed"
  set -- $(count "$1") "$2"
  passed=$(sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' "$3" | awk '{s+=$1} END {print s+0}')
  failed=$(sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below.*/\1/p' "$3" | awk '{s+=$1} END {print s+0}')
  # A program that failed without a word of its own still counts as a failure.
  [ "$2" -gt 0 ] && [ "$failed" -eq 0 ] && failed=$2
  echo "$passed $failed"
}
set -- $(count "$logs/native.log") \
  $(count_cases "$logs/win32.log" build/win32/Testing/Temporary/LastTest.log)
passed=$(($1 + $3))
failed=$(($2 + $4))
echo
echo "native: $1 passed, $2 failed; windows under wine: $3 passed, $4 failed (test cases)"
echo "summary: $passed passed, $failed failed"
[ "$native" -eq 0 ] && [ "$win32" -eq 0 ] && [ "$failed" -eq 0 ]
