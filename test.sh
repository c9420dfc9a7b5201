#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
install_missing_packages
configure_and_build default
ctest --preset default -j "$(nproc)" 2>&1 | tail -n 15
