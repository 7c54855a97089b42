#!/usr/bin/env bash
# Sets up a Debian 12 machine for Zurk3, builds it, and plays or tests it.
#   scripts/zurk3.sh play   install what is missing, build, start the game
#   scripts/zurk3.sh test   install what is missing, build, run every test
#                           (also a build with AddressSanitizer and UBSan, and a short fuzz run)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake git pkg-config
          qt6-base-dev qt6-multimedia-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation fonts-dejavu-core qt6-translations-l10n
          gstreamer1.0-plugins-base gstreamer1.0-plugins-good)
test_packages=(clang libclang-rt-14-dev xvfb xdotool x11-utils imagemagick
               # the install check: validators of what gets installed, and the Debian packaging
               desktop-file-utils appstream groff-base man-db dpkg-dev file)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs=$(nproc)
mode="${1:-play}"
case "$mode" in
  play)
    install_missing "${packages[@]}"
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
    cmake --build build/release -j"$jobs"
    exec build/release/bin/zurk3
    ;;
  test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    export QT_QPA_PLATFORM=offscreen
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
    cmake --build build/release -j"$jobs"
    ctest --test-dir build/release --output-on-failure -j"$jobs"
    scripts/sanitize.sh
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
