#!/usr/bin/env bash
# The Windows build of ppexport under Wine, against the native build:
#  1. a Create with the stand-in company writes, for every built-in bank format, the same bank file
#     and review file, byte for byte, and prints the same message as the native build;
#  2. settings written by one run are read by the next, from the registry;
#  3. a Create that asks the real QuickBooks (no company file chosen) reports that no interface to
#     QuickBooks could be created, with the error number and description, since none is
#     registered under Wine.
# Usage: tests/windows/smoke.sh NATIVE_BUILD_DIR WINDOWS_BUILD_DIR
# WINEPREFIX names the throw-away Wine prefix; its registry settings of the program are cleared.
set -uo pipefail
cd "$(dirname "$0")/../.."

native="$1/ppexport"
windows="$2/ppexport.exe"
wine="${WINE:-$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)}"
export WINEDEBUG=-all
unset PPEXPORT_COMPANY PPEXPORT_SETTINGS PPEXPORT_NOW
work="$2/smoke"
rm -rf "$work"
mkdir -p "$work/native" "$work/windows"
company=data/sample-company.json
settingsKey='HKCU\Software\ppexport'
passed=0
failed=0

pass() { passed=$((passed + 1)); }
fail() {
  failed=$((failed + 1))
  echo "FAILED: $*"
}

# One run of each build; their status, standard output and standard error go to files named
# after the side.
run_native() {
  "$native" --settings "$work/native/settings.sqlite" --history "$work/native/history" "$@"
}
run_windows() { "$wine" "$windows" "$@"; }

"$wine" reg delete "$settingsKey" /f >/dev/null 2>&1 || true

# 1. Every built-in bank format, the same bytes on both sides.
create_options=(--company "$company" --now 2024-03-06T09:30 create --account Checking
  --from 2024-01-01 --to 2024-03-31 --bank-id 1234 --account-id 987654321
  --remote-id "HARBOR MARINE SUPPLY" --batch-id 42 --review)
# A code from the format's own bank code list; the formats without one leave it unused.
bank_code() {
  case "$1" in
    Wachovia | "Wells Fargo ASCII") echo "0075 - PA, NY, NJ" ;;
    *) echo "001 - NYB - New York Metro" ;;
  esac
}

# A merged bank's mark follows its name after a tab.
mapfile -t banks < <(run_native banks | cut -f1)
mapfile -t windowsBanks < <(run_windows banks | tr -d '\r' | cut -f1)
if [ "${banks[*]}" = "${windowsBanks[*]}" ] && [ "${#banks[@]}" -ge 35 ]; then
  pass
else
  fail "the bank lists differ or are short (native ${#banks[@]}, Windows ${#windowsBanks[@]})"
fi

index=0
for bank in "${banks[@]}"; do
  index=$((index + 1))
  for side in native windows; do
    mkdir -p "$work/$side/$index"
    "run_$side" "${create_options[@]}" --bank "$bank" --bank-code "$(bank_code "$bank")" \
      --output "$work/$side/$index/bank.txt" \
      >"$work/$side/$index/out" 2>"$work/$side/$index/err"
    echo $? >"$work/$side/$index/status"
  done
  n="$work/native/$index"
  w="$work/windows/$index"
  # The output file is named by its whole path, which Wine spells Z:\work\...: as a native path.
  sed -i -E ':a; s|(Z:[^ ]*)\\|\1/|; ta; s|Z:/|/|g' "$w/out" "$w/err"
  sed -i "s|$work/windows/|$work/native/|g" "$w/out" "$w/err"
  if [ "$(cat "$n/status")" != 0 ]; then
    fail "$bank: the native Create failed: $(cat "$n/err" "$n/out")"
  elif ! cmp -s "$n/status" "$w/status" || ! cmp -s "$n/out" "$w/out" || ! cmp -s "$n/err" "$w/err"; then
    fail "$bank: the messages differ"
    diff "$n/out" "$w/out"
    diff "$n/err" "$w/err"
  elif ! cmp -s "$n/bank.txt" "$w/bank.txt"; then
    fail "$bank: the bank files differ"
    cmp "$n/bank.txt" "$w/bank.txt"
  elif ! cmp -s "$n/Positive Pay Review.csv" "$w/Positive Pay Review.csv"; then
    fail "$bank: the review files differ"
  else
    pass
  fi
done

# 2. Settings kept in the registry from one run to the next: a value set by one run, and the TD
# Bank Canada file number that the first Create advanced.
value=$'Caf\u00e9 M\u00fcller'
run_windows settings set smokeTest "$value" >/dev/null 2>&1
read_back="$(run_windows settings get smokeTest 2>&1)"
listed="$("$wine" reg query "$settingsKey\\Prefs" /v smokeTest 2>/dev/null | tr -d '\r')"
if [ "$read_back" = "$value" ] && [[ "$listed" == *smokeTest*REG_SZ* ]]; then
  pass
else
  fail "a setting did not come back from the registry: \"$read_back\" ($listed)"
fi
run_windows settings delete smokeTest >/dev/null 2>&1
if [ "$(run_windows settings get smokeTest absent 2>&1)" = absent ]; then
  pass
else
  fail "a deleted setting is still there"
fi

td="TD Bank Canada CFP - 80 Byte"
for side in native windows; do
  "run_$side" "${create_options[@]}" --bank "$td" --output "$work/$side/td-again.txt" \
    >/dev/null 2>&1
done
first="$(grep -n -x -F -- "$td" <(printf '%s\n' "${banks[@]}") | cut -d: -f1)"
if cmp -s "$work/native/td-again.txt" "$work/windows/td-again.txt" &&
   ! cmp -s "$work/windows/$first/bank.txt" "$work/windows/td-again.txt"; then
  pass
else
  fail "the TD Bank Canada file number was not carried to the next run"
fi

# 3. No company file: the real QuickBooks is asked, and it is not there.
run_windows --now 2024-03-06 create --account Checking --bank "Generic Bank Format" \
  --from 2024-01-01 --to 2024-03-31 --output "$work/windows/quickbooks.txt" \
  >"$work/windows/quickbooks.out" 2>"$work/windows/quickbooks.err"
status=$?
message="$(cat "$work/windows/quickbooks.out" "$work/windows/quickbooks.err")"
if [ "$status" = 1 ] &&
   [[ "$message" == *"QuickBooks is not installed on this computer"*"Error: -"[0-9]*" : "?* ]] &&
   [ ! -e "$work/windows/quickbooks.txt" ]; then
  pass
  echo "Without QuickBooks: $(grep -h '^Error: ' "$work/windows/quickbooks.out" "$work/windows/quickbooks.err")"
else
  fail "a Create without QuickBooks did not report the interface error (status $status): $message"
fi

echo "smoke: $passed passed, $failed failed"
[ "$failed" = 0 ]
