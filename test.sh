#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
install_missing_packages "${PPEXPORT_WINDOWS_PACKAGES[@]}" "${PPEXPORT_PACKAGE_PACKAGES[@]}" \
  "${PPEXPORT_FUZZ_PACKAGES[@]}"
configure_and_build default
# Only failures and the summary: a passing test prints nothing.
quiet_tests() { grep -vE '^ +Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed ' || true; }
ctest --preset default -j "$(nproc)" 2>&1 | quiet_tests

# A command's output only when it fails.
quietly() {
  local output status=0
  output="$("$@" 2>&1)" || status=$?
  [ "$status" -eq 0 ] || echo "$output"
  return "$status"
}

# The core and the command line again, under AddressSanitizer and UndefinedBehaviorSanitizer.
echo "--- Sanitizers"
configure_and_build asan --target core_tests cli_tests
scripts/sanitizer-tests.sh build/asan

# Every fuzz target for 30 seconds from its corpus (clang's libFuzzer).
echo "--- Fuzzing"
configure_and_build fuzz --target report_reader_fuzzer bank_writers_fuzzer custom_format_file_fuzzer
scripts/fuzz.sh 30

echo "--- Debian package"
quietly cpack --preset default
tests/linux/debian-package.sh build/default/packaging/package.vars

# The Windows build, cross-compiled, with its tests and the smoke test under Wine.
echo "--- Windows (MinGW-w64 cross build, tests under Wine)"
configure_and_build windows
start_wine
trap stop_wine EXIT
ctest --preset windows 2>&1 | quiet_tests
tests/windows/smoke.sh build/default build/windows
# The Windows window, driven under Wine on a virtual X display.
tests/win32/window-tests.sh build/default build/windows

echo "--- Windows installer"
quietly cmake --build --preset windows --target installer
tests/windows/installer.sh build/windows/packaging/installer.vars

scripts/test-ratio.sh
