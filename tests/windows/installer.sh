#!/usr/bin/env bash
# The Windows installer under Wine, in a fresh prefix of its own:
#  1. a silent install puts the programs and the user guide in the user's local programs folder,
#     the Start menu shortcut to the window (where the window is built) and the Uninstall key with
#     its values; the installed ppexport.exe prints the version;
#  2. installing again replaces the program's files in place and keeps the user's; while the
#     window runs, an install or uninstall changes nothing and a silent one fails;
#  3. a silent uninstall removes the files, the shortcut and the Uninstall key, and keeps the
#     settings in the registry and the files the user made;
#  4. an install into a folder of the user's choice is upgraded there.
# Usage: tests/windows/installer.sh WINDOWS_BUILD_DIR/packaging/installer.vars
set -uo pipefail
# The window runs in step 2b; Wine's desktop needs a display from the start.
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
# shellcheck disable=SC1090
source "$1"
wine="${WINE:-$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)}"
server="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# No Mono and Gecko installers; no Linux menu entries made from the Start menu shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap '"$server" -k >/dev/null 2>&1; rm -rf "$work"' EXIT
uninstallKey='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ppexport'
settingsKey='HKCU\Software\ppexport\Prefs'
passed=0
failed=0

pass() { passed=$((passed + 1)); }
fail() {
  failed=$((failed + 1))
  echo "FAILED: $*"
}
equal() {  # equal DESCRIPTION ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then pass; else fail "$1: got '$2', expected '$3'"; fi
}
present() {  # present DESCRIPTION PATH...
  local description="$1" path
  shift
  for path in "$@"; do [ -e "$path" ] || { fail "$description: $path is missing"; return; }; done
  pass
}
absent() {  # absent DESCRIPTION PATH...
  local description="$1" path
  shift
  for path in "$@"; do [ ! -e "$path" ] || { fail "$description: $path is still there"; return; }; done
  pass
}
run() { "$wine" "$@" </dev/null; }
# The values of a registry key, one "name<TAB>value" line each; nothing when the key is missing.
registry_values() {
  "$wine" reg query "$1" 2>/dev/null | tr -d '\r' |
    awk '/^    / { name = $1; sub(/^ *[^ ]+ +[^ ]+ +/, ""); print name "\t" $0 }'
}
value_of() {  # value_of NAME: from the values read last
  awk -F '\t' -v name="$1" '$1 == name { print $2 }' <<<"$values"
}

# One wine server and Wine's services stay up for all the runs (each run starts much faster).
"$wine" wineboot --init >/dev/null 2>&1
"$server" -w
"$server" -p
"$wine" wineboot >/dev/null 2>&1
profile="$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public | head -1)"
folder="$profile/AppData/Local/Programs/ppexport"
windowsFolder="C:\\users\\$(basename "$profile")\\AppData\\Local\\Programs\\ppexport"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$display_name.lnk"
programs=("$folder/ppexport.exe" "$folder/Instructions.doc" "$folder/Uninstall.exe")
if [ "$window" = 1 ]; then programs+=("$folder/ppexport-gui.exe"); fi

# 1. Silent install.
run "$installer" /S
equal "the installer's status" "$?" 0
present "the installed files" "${programs[@]}"
cmp -s "$folder/Instructions.doc" "$instructions" && pass || fail "Instructions.doc differs"
if [ "$window" = 1 ]; then
  present "the Start menu shortcut" "$shortcut"
  LC_ALL=C grep -qa 'ppexport-gui\.exe' "$shortcut" 2>/dev/null && pass ||
    fail "the shortcut does not lead to ppexport-gui.exe"
else
  absent "a shortcut without a window" "$shortcut"
fi
values="$(registry_values "$uninstallKey")"
equal "DisplayName" "$(value_of DisplayName)" "$display_name"
equal "DisplayVersion" "$(value_of DisplayVersion)" "$version"
equal "Publisher" "$(value_of Publisher)" "ppexport"
equal "InstallLocation" "$(value_of InstallLocation)" "$windowsFolder"
equal "UninstallString" "$(value_of UninstallString)" "\"$windowsFolder\\Uninstall.exe\""
size="$(value_of EstimatedSize)"
if [[ "$size" =~ ^0x[0-9a-f]+$ ]] && [ $((size)) -gt 0 ]; then
  pass
else
  fail "EstimatedSize: '$size'"
fi
equal "the installed ppexport.exe --version" \
  "$("$wine" "$folder/ppexport.exe" --version 2>&1 </dev/null | tr -d '\r')" "ppexport $version"

# 2. Installing again: the program's files are replaced, the user's stay.
run "$folder/ppexport.exe" settings set myAccount Checking >/dev/null 2>&1
echo "mine" >"$folder/notes.txt"
echo "an earlier version" >"$folder/Instructions.doc"
run "$installer" /S
cmp -s "$folder/Instructions.doc" "$instructions" && pass || fail "the upgrade left the old guide"
present "the user's file after the upgrade" "$folder/notes.txt"
values="$(registry_values "$uninstallKey")"
equal "InstallLocation after the upgrade" "$(value_of InstallLocation)" "$windowsFolder"

# 2b. While the window runs, a silent install changes no file and fails; so does an uninstall.
# The window waits on its message about QuickBooks, which does not run here.
if [ "$window" = 1 ] && [ -n "${DISPLAY:-}" ]; then
  "$wine" "$folder/ppexport-gui.exe" </dev/null >/dev/null 2>&1 &
  running=$!
  sleep 5
  echo "an earlier version" >"$folder/Instructions.doc"
  run "$installer" /S
  equal "the installer's status while the window runs" "$?" 2
  equal "the guide while the window runs" "$(cat "$folder/Instructions.doc")" "an earlier version"
  run "$folder/Uninstall.exe" /S
  sleep 3
  present "the programs after an uninstall while the window runs" "$folder/ppexport-gui.exe"
  kill "$running" 2>/dev/null
  wait "$running" 2>/dev/null
  sleep 1
  run "$installer" /S
  equal "the installer's status once the window closed" "$?" 0
fi

# 3. Silent uninstall. The uninstaller hands over to a copy of itself and returns at once; the
# copy removes the uninstaller first and the Uninstall key last.
run "$folder/Uninstall.exe" /S
for _ in $(seq 120); do [ -e "$folder/Uninstall.exe" ] || break; sleep 0.5; done
for _ in $(seq 20); do [ -n "$(registry_values "$uninstallKey")" ] || break; sleep 0.5; done
absent "the uninstalled files" "${programs[@]}" "$shortcut"
present "the user's file after the uninstall" "$folder/notes.txt"
equal "the Uninstall key after the uninstall" "$(registry_values "$uninstallKey")" ""
values="$(registry_values "$settingsKey")"
equal "the settings after the uninstall" "$(value_of myAccount)" "Checking"

# 4. A folder of the user's choice; the upgrade finds it.
run "$installer" /S '/D=C:\Bookkeeping\ppexport'
chosen="$WINEPREFIX/drive_c/Bookkeeping/ppexport"
echo "an earlier version" >"$chosen/Instructions.doc"
run "$installer" /S
cmp -s "$chosen/Instructions.doc" "$instructions" && pass || fail "no upgrade in the chosen folder"
absent "a second copy in the default folder" "$folder/ppexport.exe"
values="$(registry_values "$uninstallKey")"
equal "InstallLocation of the chosen folder" "$(value_of InstallLocation)" 'C:\Bookkeeping\ppexport'

echo "Windows installer: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
