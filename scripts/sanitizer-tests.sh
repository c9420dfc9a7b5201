#!/usr/bin/env bash
# The core and command-line tests, built by the asan preset, under AddressSanitizer (with its leak
# check) and UndefinedBehaviorSanitizer. Quiet: failures, every sanitizer report, and one line.
# A report fails the run even where a test passed (a report from the ppexport program that a test
# runs, say, whose exit status the test expected anyway).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/asan}"
reports="$(mktemp -d)"
logs="$(mktemp -d)"
# The tests' own files on a memory file system where there is one: every bank file is flushed to
# the device, which on a disk costs more than the sanitized tests themselves.
scratch="$(mktemp -d "$( [ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/ppexport-asan.XXXXXX")"
trap 'rm -rf "$reports" "$logs" "$scratch"' EXIT
export ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1:halt_on_error=1"
# The core tests and the two halves of the command-line tests (the longer, as each starts the
# program) run side by side.
runs=("tests/core_tests 1 0" "tests/cli_tests 2 0" "tests/cli_tests 2 1")
pids=()
for run in "${runs[@]}"; do
  read -r suite shards shard <<<"$run"
  TMPDIR="$scratch" GTEST_TOTAL_SHARDS="$shards" GTEST_SHARD_INDEX="$shard" \
    "$build/$suite" --gtest_brief=1 >"$logs/$shard.${suite##*/}.log" 2>&1 &
  pids+=("$!")
done
status=0
for i in "${!pids[@]}"; do
  read -r suite shards shard <<<"${runs[$i]}"
  wait "${pids[$i]}" || { status=1; cat "$logs/$shard.${suite##*/}.log"; }
done
if compgen -G "$reports/*" >/dev/null; then
  cat "$reports"/*
  status=1
fi
[ "$status" -eq 0 ] && echo "Sanitized core and command-line tests: no finding."
exit "$status"
