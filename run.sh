#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: a Create on the bundled sample company.
# `./run.sh gui` opens the window instead.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
install_missing_packages
configure_and_build default

if [ "${1:-}" = "gui" ]; then
  exec build/default/src/app/ppexport-gui
fi
exec scripts/sample-run.sh build/default
