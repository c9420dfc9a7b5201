#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
install_missing_packages "${PPEXPORT_WINDOWS_PACKAGES[@]}"
configure_and_build default
# Only failures and the summary: a passing test prints nothing.
quiet_tests() { grep -vE '^ +Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed ' || true; }
ctest --preset default -j "$(nproc)" 2>&1 | quiet_tests

# The Windows build, cross-compiled, with its tests and the smoke test under Wine.
echo "--- Windows (MinGW-w64 cross build, tests under Wine)"
configure_and_build windows
start_wine
trap stop_wine EXIT
ctest --preset windows 2>&1 | quiet_tests
tests/windows/smoke.sh build/default build/windows
# The Windows window, driven under Wine on a virtual X display.
tests/win32/window-tests.sh build/default build/windows
