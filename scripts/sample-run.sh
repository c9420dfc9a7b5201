#!/usr/bin/env bash
# The main job: a Create on the bundled sample company, as the window's Create button runs it, with
# a "Generic Bank Format" file and its review file. Settings, history and files stay in the build
# folder.
set -euo pipefail
build="$1"
out="$(cd "$build" && pwd)/sample-output"
mkdir -p "$out"
export PPEXPORT_SETTINGS="$out/settings.sqlite" PPEXPORT_HISTORY="$out/history"
"$build/ppexport" create --account Checking --bank "Generic Bank Format" \
  --account-id 4417829035 --remote-id "HARBORVIEW BAKERY LLC" \
  --output "$out/PositivePayExport.txt" --review
echo
echo "--- $out/PositivePayExport.txt"
sed 's/\r$//' "$out/PositivePayExport.txt"
