#!/usr/bin/env bash
# Throughput and memory benchmark for veldo-list, run by `make bench`.
#
# Builds its inputs under build/bench/ (only when missing or out of date),
# times veldo-list on them next to universal-ctags and `wc -l`, and prints a
# table plus the two performance goals. Timing never makes this script fail;
# only real errors do (a missing tool, an input that cannot be built).
#
# Environment:
#   VELDO_LIST   veldo-list to measure (default: the Release build)
#   BENCH_RUNS   runs per measurement, the median is reported (default 5)
#   BENCH_REGEN  set to 1 to rebuild the inputs even if they look current
set -euo pipefail
export LC_ALL=C

script=$(realpath "${BASH_SOURCE[0]}")
root=$(cd "$(dirname "$script")/../.." && pwd)
cd "$root"

# Everything printed also goes to build/bench/results.txt.
if [[ -z ${BENCH_LOGGING:-} ]]; then
  mkdir -p build/bench
  BENCH_LOGGING=1 bash "$script" "$@" 2>&1 | tee build/bench/results.txt
  exit 0
fi

out=build/bench
pieces=$out/pieces
veldo_list=${VELDO_LIST:-$root/build/native/bin/release/veldo-list}
runs=${BENCH_RUNS:-5}
target_lines=1000000
ordinary_lines=200000
line_arg=500

die() { echo "bench: $*" >&2; exit 1; }

[[ $runs =~ ^[1-9][0-9]*$ ]] || die "BENCH_RUNS must be a positive number, got '$runs'"
for tool in g++ ctags wc awk sha256sum find sort head cmp; do
  command -v "$tool" >/dev/null || die "required tool '$tool' not found"
done
ctags --version 2>/dev/null | grep -q 'Universal Ctags' || die "ctags is not universal-ctags"
[[ -x $veldo_list ]] || die "veldo-list not found at $veldo_list (build it with: cmake --preset native && cmake --build --preset native-release --target veldo-list, or set VELDO_LIST)"
[[ -d /usr/include/c++/12 ]] || die "/usr/include/c++/12 not found (libstdc++ headers)"
[[ -d /usr/src/googletest ]] || die "/usr/src/googletest not found (googletest sources)"

mkdir -p "$out"

# --- the timing helper --------------------------------------------------------
measure=$out/measure
if [[ ! -x $measure || tools/bench/measure.cpp -nt $measure ]]; then
  g++ -std=c++20 -O2 -Wall -Wextra -o "$measure.tmp" tools/bench/measure.cpp
  mv -f "$measure.tmp" "$measure"
fi

# --- inputs ---------------------------------------------------------------------
# Sources for big.cpp in their fixed order: libstdc++ headers, googletest, then
# the rest of /usr/include's *.h (the libstdc++ ones are already in).
list_sources() {
  find /usr/include/c++/12 -type f -print0 | sort -z
  find /usr/src/googletest -type f \( -name '*.h' -o -name '*.cc' -o -name '*.cpp' \) -print0 | sort -z
  find /usr/include -type f -name '*.h' -not -path '/usr/include/c++/12/*' -print0 | sort -z
}

# Copies whole sources into big.cpp and into one piece file each until the
# next file would pass the target, then only the lines still needed. A source
# whose last line has no newline gets one, in big.cpp and in its piece alike,
# so the line count is exact and the pieces concatenate to big.cpp.
# Reads one path a line on stdin.
# shellcheck disable=SC2016  # awk code, not shell
generator_awk='
BEGIN { total = 0; n = 0 }
total >= target { next }  # keep reading so that the producers do not see SIGPIPE
$0 != "" {
  src = $0
  piece = sprintf("%s/%05d", dir, n + 1)
  taken = 0
  while (total < target && (r = (getline line < src)) > 0) {
    print line > big
    print line > piece  # an empty source never creates its piece
    total++; taken++
  }
  if (r < 0) { print "bench: cannot read " src > "/dev/stderr"; failed = 1; exit 1 }
  close(src)
  if (taken > 0) {
    n++
    close(piece)
    print piece > list
    print piece "\t" taken "\t" src > index_file
  }
}
END {
  if (!failed && total < target) {
    print "bench: only " total " source lines found" > "/dev/stderr"
    exit 1
  }
}
'

repeat_line() { # COUNT TEXT
  awk -v n="$1" -v text="$2" 'BEGIN { for (i = 0; i < n; i++) print text }'
}

generate_inputs() {
  rm -rf -- "$pieces"
  mkdir -p "$pieces"
  rm -f -- "$out/big.cpp" "$out/pieces.list" "$out/pieces.tsv"
  [[ $(list_sources | tr -cd '\n' | wc -c) == 0 ]] || die "a source path contains a newline"
  list_sources | tr '\0' '\n' | awk -v target="$target_lines" -v dir="$pieces" -v big="$out/big.cpp" \
    -v list="$out/pieces.list" -v index_file="$out/pieces.tsv" "$generator_awk"

  head -n "$ordinary_lines" "$out/big.cpp" > "$out/ordinary.cpp"
  repeat_line 200000 'foo(a)' > "$out/adversarial-nobrace.cpp"
  { echo '/*'; repeat_line 199999 'foo(a)'; } > "$out/adversarial-comment.cpp"
  { repeat_line 100000 'foo(a)'; echo '/*'; repeat_line 99999 'foo(a)'; } > "$out/adversarial-comment-mid.cpp"

  # The pieces must be exactly big.cpp, cut into files.
  local file
  while IFS= read -r file; do cat -- "$file"; done < "$out/pieces.list" | cmp -s - "$out/big.cpp" \
    || die "pieces do not concatenate to big.cpp"
  for file in big ordinary adversarial-nobrace adversarial-comment adversarial-comment-mid; do
    local want=$ordinary_lines
    [[ $file == big ]] && want=$target_lines
    local got
    got=$(wc -l < "$out/$file.cpp")
    (( got == want )) || die "$file.cpp has $got lines, expected $want"
  done
}

input_files=(big.cpp ordinary.cpp adversarial-nobrace.cpp adversarial-comment.cpp adversarial-comment-mid.cpp)

# The stamp covers the generator code and the name, size and time of every source, so
# the inputs are rebuilt when either changes; sums.sha256 guards the outputs.
stamp=$(
  {
    declare -f list_sources generate_inputs repeat_line
    printf '%s\n' "$generator_awk" "$target_lines" "$ordinary_lines"
    list_sources | xargs -0 stat -c '%n %s %Y'
  } | sha256sum | cut -d' ' -f1
)
inputs_current() {
  [[ ${BENCH_REGEN:-0} != 1 ]] || return 1
  [[ -f $out/inputs.stamp && $(< "$out/inputs.stamp") == "$stamp" ]] || return 1
  [[ -f $out/sums.sha256 ]] || return 1
  sha256sum --quiet --strict -c "$out/sums.sha256" >/dev/null 2>&1
}
if inputs_current; then
  echo "inputs: up to date in $out/"
else
  echo "inputs: building in $out/ ..."
  rm -f -- "$out/inputs.stamp" "$out/sums.sha256"
  generate_inputs
  { sha256sum "${input_files[@]/#/$out/}" "$out/pieces.list" "$out/pieces.tsv"
    xargs sha256sum < "$out/pieces.list"; } > "$out/sums.sha256.tmp"
  mv -f "$out/sums.sha256.tmp" "$out/sums.sha256"
  echo "$stamp" > "$out/inputs.stamp"
fi

# --- measurements -----------------------------------------------------------------
# measure_cmd CMD ARGS... sets m_time (median seconds), m_kib (peak KiB) and m_exit.
measure_cmd() {
  local result
  result=$("$measure" "$runs" -- "$@") || die "could not measure: $*"
  [[ $result =~ ^median_s=([0-9.]+)\ peak_kib=([0-9]+)\ exit=([0-9]+)$ ]] \
    || die "unexpected output from measure: $result"
  m_time=${BASH_REMATCH[1]} m_kib=${BASH_REMATCH[2]} m_exit=${BASH_REMATCH[3]}
}

calc() { awk "BEGIN { $1 }"; } # awk arithmetic for the figures bash cannot do
ratio() { calc "if ($2 > 0) printf \"%.1f\", $1 / $2; else printf \"inf\""; }

ctags_cmd=(ctags --options=NONE -x --c++-kinds=f --language-force=C++ -L "$out/pieces.list")
# The same files, one ctags process for each.
ctags_each_cmd=(xargs -a "$out/pieces.list" -n 1 ctags --options=NONE -x --c++-kinds=f --language-force=C++)

echo
echo "== machine"
echo "nproc:      $(nproc)"
echo "cpu:        $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | sed -n 1p)"
echo "g++:        $(g++ --version | sed -n 1p)"
echo "ctags:      $(ctags --version | sed -n 1p)"
echo "veldo-list: $veldo_list"
echo "runs:       $runs per measurement, median time, largest peak memory"
echo

warnings=()
declare -A vtime
echo "== veldo-list FILE $line_arg"
printf '%-28s %9s %10s %12s %9s %8s\n' input lines "median s" "lines/s" "peak MiB" "printed"
for file in "${input_files[@]}"; do
  path=$out/$file
  measure_cmd "$veldo_list" "$path" "$line_arg"
  vtime[$file]=$m_time
  (( m_exit == 0 )) || warnings+=("veldo-list exited with status $m_exit on $file")
  lines=$(wc -l < "$path")
  listed=$("$veldo_list" "$path" "$line_arg" 2>/dev/null | wc -l || true)
  printf '%-28s %9d %10.4f %12s %9.1f %8s\n' "$file" "$lines" "$m_time" \
    "$(calc "if ($m_time > 0) printf \"%.0f\", $lines / $m_time; else printf \"inf\"")" \
    "$(calc "print $m_kib / 1024")" "$listed"
done
echo "(printed: lines of output for the file, from one extra run)"

measure_cmd "${ctags_cmd[@]}"
ctags_time=$m_time ctags_kib=$m_kib
(( m_exit == 0 )) || warnings+=("ctags exited with status $m_exit")
ctags_tags=$("${ctags_cmd[@]}" 2>/dev/null | wc -l || true)
measure_cmd "${ctags_each_cmd[@]}"
ctags_each_time=$m_time
measure_cmd wc -l "$out/big.cpp"
wc_time=$m_time

big_time=${vtime[big.cpp]}
ordinary_time=${vtime[ordinary.cpp]}
echo
echo "== big.cpp ($target_lines lines, $(wc -l < "$out/pieces.list") source files)"
printf '%-28s %10.4f s  %9.1f MiB  %s functions\n' "ctags (piece files)" "$ctags_time" "$(calc "print $ctags_kib / 1024")" "$ctags_tags"
printf '%-28s %10.4f s\n' "ctags, a process per file" "$ctags_each_time"
printf '%-28s %10.4f s\n' "wc -l" "$wc_time"
printf '%-28s %10s x\n' "ctags / veldo-list" "$(ratio "$ctags_time" "$big_time")"
printf '%-28s %10s x\n' "ctags per file / veldo-list" "$(ratio "$ctags_each_time" "$big_time")"
printf '%-28s %10s x\n' "veldo-list / wc -l" "$(ratio "$big_time" "$wc_time")"

echo
echo "== adversarial inputs, time relative to ordinary.cpp ($ordinary_lines lines, ${ordinary_time} s)"
worst_file='' worst_ratio=0
for file in adversarial-nobrace.cpp adversarial-comment.cpp adversarial-comment-mid.cpp; do
  r=$(ratio "${vtime[$file]}" "$ordinary_time")
  printf '%-28s %10s x\n' "$file" "$r"
  if [[ -z $worst_file ]] || calc "exit !(${vtime[$file]} > ${vtime[$worst_file]})"; then
    worst_file=$file worst_ratio=$r
  fi
done

# The Windows program's window under Wine: the list of the million-line
# file, as the window's own status bar reports it and as seen from outside.
window_tool=$root/build/win32/bin/veldo-window-load.exe
if [[ -x $window_tool ]] && command -v wine >/dev/null && command -v Xvfb >/dev/null; then
  echo
  echo "== VELDO.EXE under Wine on big.cpp (median of $runs; functions, the window's load time, start to list shown)"
  # One private display for all runs; Wine's desktop process must end
  # before the display does.
  mapfile -t window_runs < <(
    . tools/private-display.sh
    start_private_display
    export WINEPREFIX=${WINEPREFIX:-$root/build/wine}
    for ((i = 0; i < runs; i++)); do
      tools/wine-run "$window_tool" "$(winepath -w "$out/big.cpp" 2>/dev/null)" "$line_arg"
    done
    timeout 20 wineserver -w 2>/dev/null || true
  )
  printf '%s\n' "${window_runs[@]}" | sort -t$'\t' -k3 -n | sed -n "$(( (runs + 1) / 2 ))p" | tr -d '\r'
fi

verdict() { if calc "exit !($1)"; then echo met; else echo "NOT met"; fi; }
speedup=$(ratio "$ctags_time" "$big_time")
echo
echo "== goals"
echo "veldo-list is at least 10x faster than ctags (one process for all files) on $target_lines lines:" \
  "${speedup}x, goal >= 10x ($(verdict "$big_time > 0 && $ctags_time / $big_time >= 10"))"
echo "each adversarial file takes at most 2x the time of $ordinary_lines ordinary lines:" \
  "worst ${worst_ratio}x ($worst_file), goal <= 2x ($(verdict "$ordinary_time > 0 && ${vtime[$worst_file]} / $ordinary_time <= 2"))"

if (( ${#warnings[@]} > 0 )); then
  echo
  for w in "${warnings[@]}"; do echo "WARNING: $w; its figures may not mean much"; done
fi
