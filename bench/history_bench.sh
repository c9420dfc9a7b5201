#!/usr/bin/env bash
# What the sent-file history costs a conversion: `ppexport convert` of a generated check report
# with the file recorded in an empty history and with --no-history, run after run in turn, and
# the time `ppexport history list` takes to read a history of one such entry against an empty
# one. Medians of the runs, in milliseconds. Then the same inside one process
# (bench/history/recording_bench.cpp, built here against the core library), where the load of a
# busy machine falls on both sides alike.
#
#   bench/history_bench.sh [BUILD_DIR] [ROWS] [RUNS]     (build/default, 100000, 9)
set -euo pipefail

build=${1:-build/default}
rows=${2:-100000}
runs=${3:-9}
ppexport=$build/ppexport
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/report_bench" --generate "$rows" "$work/checks.txt"
printf 'Full Name\001Print on Checks\r\n' >"$work/vendors.txt"
export PPEXPORT_SETTINGS=$work/settings.db
mkdir "$work/history" "$work/empty" "$work/one"

now() { date +%s%N; }
# Milliseconds the command takes, to a tenth.
timed() {
  local start end
  start=$(now)
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  end=$(now)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.1f\n", ns / 1e6 }'
}
median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
convert() {
  PPEXPORT_HISTORY=$work/history timed "$ppexport" convert --checks "$work/checks.txt" \
    --vendors "$work/vendors.txt" --bank "Generic Bank Format" --output "$work/out.txt" "$@"
}

# One conversion first, so that the program and the report are in memory for every run.
convert --no-history >/dev/null
without=()
with=()
for ((run = 0; run < runs; ++run)); do
  rm -rf "$work/history" && mkdir "$work/history"
  without+=("$(convert --no-history)")
  rm -rf "$work/history" && mkdir "$work/history"
  with+=("$(convert)")
done
cp -r "$work/history/." "$work/one"

listEmpty=()
listOne=()
for ((run = 0; run < runs; ++run)); do
  listEmpty+=("$(PPEXPORT_HISTORY=$work/empty timed "$ppexport" history list)")
  listOne+=("$(PPEXPORT_HISTORY=$work/one timed "$ppexport" history list)")
done

withoutMedian=$(printf '%s\n' "${without[@]}" | median)
withMedian=$(printf '%s\n' "${with[@]}" | median)
emptyMedian=$(printf '%s\n' "${listEmpty[@]}" | median)
oneMedian=$(printf '%s\n' "${listOne[@]}" | median)
echo "convert of $rows rows, median of $runs runs (ms):"
echo "  --no-history  ${without[*]}  median $withoutMedian"
echo "  history       ${with[*]}  median $withMedian"
awk -v a="$withoutMedian" -v b="$withMedian" 'BEGIN {
  printf "  recording adds %.1f ms (%.0f%% of the conversion)\n", b - a, 100 * (b - a) / a }'
echo "history list, median of $runs runs (ms):"
echo "  empty history      ${listEmpty[*]}  median $emptyMedian"
echo "  one entry of $rows  ${listOne[*]}  median $oneMedian"
awk -v a="$emptyMedian" -v b="$oneMedian" \
  'BEGIN { printf "  reading the entry takes %.1f ms\n", b - a }'

src=$(cd "$(dirname "$0")/.." && pwd)/src
"${CXX:-c++}" -std=c++20 -O2 -pthread -I"$src" "$(dirname "$0")/history/recording_bench.cpp" \
  "$build/libppexport_core.a" -lsqlite3 -o "$work/recording_bench"
"$work/recording_bench" "$work/checks.txt" "$work/inprocess" "$work/out.txt" "$runs"
