#!/usr/bin/env bash
# The Windows window under Wine on a virtual X display:
#  1. win32_window_tests.exe drives the real windows with window messages, on the stand-in company
#     named by PPEXPORT_COMPANY;
#  2. the bank files and review files its Creates wrote are compared, byte for byte, with those
#     of the native command line given the same choices.
# Usage: tests/win32/window-tests.sh NATIVE_BUILD_DIR WINDOWS_BUILD_DIR
# WINEPREFIX names the Wine prefix (scripts/common.sh start_wine makes it).
set -uo pipefail
cd "$(dirname "$0")/../.."
native="$1/ppexport"
tests="$2/tests/win32/win32_window_tests.exe"

# Wine's windows need an X display; without one, the script runs itself on a virtual one.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

source scripts/common.sh
set +e
wine="${WINE:-$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)}"
server="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
export WINEPREFIX="${WINEPREFIX:-$(cd "$2" && pwd)/wine}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A Wine server started without this display would keep its desktop elsewhere.
"$server" -k >/dev/null 2>&1
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot --init </dev/null >/dev/null 2>&1
  "$server" -w >/dev/null 2>&1
fi
wine_dialog_fonts
# Windows that Wine leaves to a window manager wait two seconds, for a manager that is not there,
# each time one closes; unmanaged ones close at once.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
trap '"$server" -k >/dev/null 2>&1' EXIT

now=2024-03-06T09:30
company=data/sample-company.json
work="$2/window-tests"
rm -rf "$work"
mkdir -p "$work/windows"
failed=0

# A run's output only when it fails; else one line of how many tests passed.
run_tests() {
  local label="$1" output status=0
  shift
  output="$("$wine" "$tests" --gtest_brief=1 "$@" </dev/null 2>&1)" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "$output"
    failed=1
  else
    echo "window: $(grep -o '[0-9]* tests\? from' <<<"$output" | head -1 | cut -d' ' -f1) passed $label"
  fi
}

PPEXPORT_COMPANY="$company" PPEXPORT_NOW="$now" PPEXPORT_WINDOW_TEST_OUTPUT="$work/windows" \
  run_tests "at 96 DPI"

# The same windows on a screen of 144 DPI (150 percent): the design places scale with it.
dpiKey='HKCU\Control Panel\Desktop'
"$wine" reg add "$dpiKey" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
PPEXPORT_COMPANY="$company" PPEXPORT_NOW="$now" PPEXPORT_EXPECTED_DPI=144 run_tests "at 144 DPI" \
  --gtest_filter='WindowTest.DesignPlaces*:WindowTest.ControlsShowTheModel*:WindowTest.EditorSaves*'
"$wine" reg delete "$dpiKey" /v LogPixels /f >/dev/null 2>&1

# Each Create of the window left its choices as command-line options beside its files.
compared=0
for options in "$work"/windows/*/options; do
  [ -e "$options" ] || { echo "FAILED: the window wrote no bank file"; failed=1; break; }
  case="$(basename "$(dirname "$options")")"
  mkdir -p "$work/native/$case"
  mapfile -t choices <"$options"
  if ! "$native" --settings "$work/native/settings.sqlite" --history "$work/native/history" \
      --company "$company" --now "$now" \
      create --account Checking --from 2024-01-01 --to 2024-03-31 --review \
      --output "$work/native/$case/bank.txt" "${choices[@]}" >/dev/null 2>&1; then
    echo "FAILED: the native Create of case $case failed"
    failed=1
    continue
  fi
  for file in bank.txt "Positive Pay Review.csv"; do
    if ! cmp "$work/native/$case/$file" "$work/windows/$case/$file"; then
      echo "FAILED: case $case: the window's $file differs from the command line's"
      failed=1
    fi
  done
  compared=$((compared + 1))
done
echo "window: $compared Creates compared with the command line"
exit "$failed"
