#!/usr/bin/env bash
# The Debian package made by `cpack --preset default`:
#  1. its name, control fields and computed dependencies;
#  2. exactly the expected files, the icons at their sizes, the user guide's link resolving;
#  3. the desktop entry, the metainfo and the man page pass their validators;
#  4. unpacked into a temporary root, the programs run from there: the version, the bank list,
#     the installed sample company (not the source tree's), and a Create whose bank file and review
#     file match those of the build tree's program byte for byte.
# Usage: tests/linux/debian-package.sh BUILD_DIR/packaging/package.vars
set -uo pipefail
cd "$(dirname "$0")/../.."
# shellcheck disable=SC1090
source "$1"
unset PPEXPORT_COMPANY PPEXPORT_SETTINGS PPEXPORT_NOW
architecture="$(dpkg --print-architecture)"
package="$package_folder/ppexport_${version}_${architecture}.deb"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
root="$work/root"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
passed=0
failed=0

pass() { passed=$((passed + 1)); }
fail() {
  failed=$((failed + 1))
  echo "FAILED: $*"
}
check() {  # check DESCRIPTION COMMAND...: passes when the command succeeds
  local description="$1"
  shift
  if "$@" >"$work/check.out" 2>&1; then pass; else fail "$description"; cat "$work/check.out"; fi
}
equal() {  # equal DESCRIPTION ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then pass; else fail "$1: got '$2', expected '$3'"; fi
}

if [ ! -f "$package" ]; then
  fail "no package $package"
  echo "Debian package: $passed passed, $failed failed"
  exit 1
fi

# 1. Control fields; the dependencies come from the programs' libraries.
field() { dpkg-deb -f "$package" "$1"; }
equal "package name" "$(field Package)" ppexport
equal "package version" "$(field Version)" "$version"
equal "package architecture" "$(field Architecture)" "$architecture"
depends="$(field Depends)"
for library in libsqlite3-0 libqt6widgets6 libstdc++6 libc6; do
  case "$depends" in
    *"$library "* | *"$library," | *"$library") pass ;;
    *) fail "Depends lacks $library: $depends" ;;
  esac
done

# 2. The files, and nothing else.
expected_files="./usr/bin/ppexport
./usr/bin/ppexport-gui
./usr/share/applications/$app_id.desktop
./usr/share/doc/ppexport/Instructions.doc
./usr/share/icons/hicolor/128x128/apps/ppexport.png
./usr/share/icons/hicolor/256x256/apps/ppexport.png
./usr/share/icons/hicolor/48x48/apps/ppexport.png
./usr/share/icons/hicolor/scalable/apps/ppexport.svg
./usr/share/man/man1/ppexport.1.gz
./usr/share/metainfo/$app_id.metainfo.xml
./usr/share/ppexport/Instructions.doc
./usr/share/ppexport/sample-company.json"
actual_files="$(dpkg-deb --fsys-tarfile "$package" | tar -t | grep -v '/$' | sort)"
if [ "$actual_files" = "$expected_files" ]; then
  pass
else
  fail "the package's files differ from the expected ones"
  diff <(echo "$expected_files") <(echo "$actual_files") | grep '^[<>]'
fi

dpkg-deb -x "$package" "$root"
check "the programs are executable" test -x "$root/usr/bin/ppexport" -a -x "$root/usr/bin/ppexport-gui"
check "the user guide's link in the documentation folder resolves to the installed guide" \
  cmp "$root/usr/share/doc/ppexport/Instructions.doc" docs/Instructions.rtf
check "the installed user guide" cmp "$root/usr/share/ppexport/Instructions.doc" docs/Instructions.rtf
check "the installed sample company" cmp "$root/usr/share/ppexport/sample-company.json" \
  data/sample-company.json
for size in 48 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/ppexport.png"
  # A PNG's width and height are the two big-endian 32-bit numbers from byte 16 on.
  dimensions="$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')"
  equal "the ${size}-pixel icon's size" "$dimensions" "${size}x${size}"
done

# The scalable icon is framed on a square, the icon part of the program's drawing.
frame="$(grep -o 'width="[0-9.]*" height="[0-9.]*"' \
  "$root/usr/share/icons/hicolor/scalable/apps/ppexport.svg" | head -1)"
equal "the scalable icon's frame" "$frame" "$(sed -E 's/width="([0-9.]*)".*/width="\1" height="\1"/' <<<"$frame")"

# 3. Validators.
check "desktop-file-validate" desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
if command -v appstreamcli >/dev/null; then
  check "appstreamcli validate" appstreamcli validate --no-net \
    "$root/usr/share/metainfo/$app_id.metainfo.xml"
fi
if command -v groff >/dev/null; then
  check "the man page formats without warnings" \
    bash -c "zcat '$root/usr/share/man/man1/ppexport.1.gz' | groff -man -ww -z 2>&1 | (! grep .)"
fi

# 4. The programs from the unpacked root. At the end the unpacked sample company gets one account
# renamed, so the account list shows which copy the program reads.
ppexport="$root/usr/bin/ppexport"
equal "ppexport --version" "$("$ppexport" --version 2>&1)" "ppexport $version"
banks="$("$ppexport" --settings "$work/settings.sqlite" banks 2>&1)"
equal "the bank list's length" "$(echo "$banks" | wc -l)" 38
case "$banks" in *"Generic Bank Format"*) pass ;; *) fail "banks: $banks" ;; esac

create=(--now 2024-03-06T09:30 create --account Checking --bank "Generic Bank Format"
  --account-id 4417829035 --remote-id "HARBORVIEW BAKERY LLC" --review)
mkdir -p "$work/installed" "$work/built"
"$ppexport" --settings "$work/installed.sqlite" "${create[@]}" \
  --output "$work/installed/PositivePayExport.txt" >"$work/installed.out" 2>&1
equal "the installed program's Create status" "$?" 0
"$program_folder/ppexport" --settings "$work/built.sqlite" --company data/sample-company.json \
  "${create[@]}" --output "$work/built/PositivePayExport.txt" >/dev/null 2>&1
for file in PositivePayExport.txt "Positive Pay Review.csv"; do
  if [ -s "$work/installed/$file" ] && cmp -s "$work/installed/$file" "$work/built/$file"; then
    pass
  else
    fail "the installed program's \"$file\" differs from the build's or is missing"
    cat "$work/installed.out"
  fi
done

sed -i 's/"Petty Cash"/"Petty Cash Drawer"/' "$root/usr/share/ppexport/sample-company.json"
case "$("$ppexport" --settings "$work/settings.sqlite" accounts 2>&1)" in
  *"Petty Cash Drawer"*) pass ;;
  *) fail "ppexport accounts did not read the installed sample company" ;;
esac

echo "Debian package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
