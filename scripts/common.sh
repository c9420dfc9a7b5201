#!/usr/bin/env bash
# Shared steps of run.sh and test.sh: install what is missing, configure and build.
set -euo pipefail

# Debian packages the build and the tests need.
PPEXPORT_PACKAGES=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev nlohmann-json3-dev libcli11-dev qt6-base-dev ccache)

install_missing_packages() {
  local missing=()
  for package in "${PPEXPORT_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq >/dev/null
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# ccache finds what another clone of the project compiled (CI builds a fresh clone each time).
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true

configure_and_build() {
  local preset="$1"; shift
  cmake --preset "$preset" -Wno-dev >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)" "$@" 2>&1 | grep -vE '^\[ *[0-9]+%\]|^-- ' || true
  # grep eats the build's status: ask once more so a failed build stops here.
  cmake --build --preset "$preset" -j "$(nproc)" "$@" >/dev/null
}
