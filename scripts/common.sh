#!/usr/bin/env bash
# Shared steps of run.sh and test.sh: install what is missing, configure and build.
set -euo pipefail

# Debian packages the build and the tests need.
PPEXPORT_PACKAGES=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev nlohmann-json3-dev libcli11-dev qt6-base-dev ccache
  openssh-client openssh-server)
# The Windows build: the MinGW-w64 cross compilers, GoogleTest's sources, Wine to run the tests,
# and NSIS for the installer; the window's tests also need a virtual X display and Wine's own
# Tahoma, the Windows dialog font.
PPEXPORT_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix googletest wine64 fonts-wine xvfb xauth nsis)
# Pictures: the icons drawn from data/icons/ppexport.svg and the screenshots of the windows.
PPEXPORT_PICTURE_PACKAGES=(librsvg2-bin imagemagick x11-utils xdotool xvfb xauth)
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes, and llvm-symbolizer for the
# source lines in a finding's report.
PPEXPORT_FUZZ_PACKAGES=(clang libclang-rt-dev llvm)
# The Debian package: CPack's dependency reckoning (dpkg-shlibdeps, file) and the validators of
# the desktop entry and the metainfo.
PPEXPORT_PACKAGE_PACKAGES=(dpkg-dev file desktop-file-utils appstream)

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

# Wine for the Windows tests: a throw-away prefix in the build folder, quiet, without the Mono and
# Gecko installers. One wine server stays up for all the runs (each run starts much faster) until
# stop_wine ends it.
start_wine() {
  export WINEPREFIX="$PWD/build/windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  WINE="$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)"
  export WINE
  local server
  server="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
  # A new prefix is set up in the background after wineboot returns: wait for that to end.
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot --init </dev/null >/dev/null 2>&1 || true
    "$server" -w >/dev/null 2>&1 || true
  fi
  wine_dialog_fonts
  "$server" -p >/dev/null 2>&1 || true
  # Brings up Wine's own services now, detached from any test's output: a service started by a
  # test would hold its output open for as long as the server stays up.
  "$WINE" wineboot </dev/null >/dev/null 2>&1 || true
}

# Wine finds fonts-wine's Tahoma, the dialog font of Windows, and Marlett, which draws the caption
# buttons, only in the prefix's own font folder; without them every dialog text is set in a wider
# face than Windows shows.
wine_dialog_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  for font in /usr/share/wine/fonts/{tahoma,tahomabd,marlett}.ttf; do
    [ -f "$font" ] && [ ! -f "$fonts/$(basename "$font")" ] && cp "$font" "$fonts/"
  done
  return 0
}

stop_wine() {
  "$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k >/dev/null 2>&1 || true
}
