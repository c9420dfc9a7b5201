#!/usr/bin/env bash
# Runs every fuzz target built by the fuzz preset for the given seconds (30 unless told), all at
# once, each from its corpus. New inputs go to a scratch folder, not into fuzz/corpus/. Any
# finding (a crash, a sanitizer report, a broken invariant, a hang) fails the run; its input is
# kept in build/fuzz/findings/. Quiet: one line a target, the fuzzer's output on a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build="build/fuzz/fuzz"
findings="build/fuzz/findings"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$findings"
export ASAN_OPTIONS="detect_leaks=1" UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# The corpus of each target.
declare -A corpus=([report_reader_fuzzer]=fuzz/corpus/report [bank_writers_fuzzer]=fuzz/corpus/report
  [custom_format_file_fuzzer]=fuzz/corpus/custom-format)
pids=()
for target in "${!corpus[@]}"; do
  mkdir -p "$scratch/$target"
  "$build/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/$target-" "$scratch/$target" "${corpus[$target]}" \
    >"$scratch/$target.log" 2>&1 &
  pids+=("$!:$target")
done
status=0
for entry in "${pids[@]}"; do
  pid="${entry%%:*}" target="${entry#*:}"
  if wait "$pid"; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$target.log")"
    echo "$target: ${runs:-?} inputs in $seconds s ($(( ${runs:-0} / seconds ))/s), no finding"
  else
    status=1
    echo "$target: FINDING"
    grep -v '^#[0-9]' "$scratch/$target.log" | tail -60
  fi
done
exit "$status"
