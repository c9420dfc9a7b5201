#!/usr/bin/env bash
# The main job on the bundled sample: a "Generic Bank Format" file from the sample check report.
set -euo pipefail
build="$1"
out="${TMPDIR:-/tmp}/ppexport-sample"
mkdir -p "$out"
"$build/ppexport" convert --checks data/sample-checks.txt --vendors data/sample-vendors.txt \
  --bank "Generic Bank Format" --account-id 987654321 --remote-id "HARBOR MARINE SUPPLY" \
  --output "$out/PositivePayExport.txt"
echo "--- $out/PositivePayExport.txt"
cat -A "$out/PositivePayExport.txt" | sed 's/\^M\$$//'
