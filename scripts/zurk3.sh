#!/usr/bin/env bash
# Sets up a Debian 12 or Debian 13 machine for Zurk3, builds it, and plays or tests it.
#   scripts/zurk3.sh play   install what is missing, build the game, start it
#   scripts/zurk3.sh test   install what is missing, build everything with warnings as errors, run
#                           every test (also a build with AddressSanitizer and UBSan, and a short
#                           fuzz run)
set -euo pipefail
cd "$(dirname "$0")/.."

# The few packages whose names carry a version differ between the releases.
. /etc/os-release
case "${VERSION_ID:-}" in
  12) clang_runtime=libclang-rt-14-dev ;;
  13) clang_runtime=libclang-rt-19-dev ;;
  *)
    echo "Zurk3 sets up Debian 12 and Debian 13; this is ${PRETTY_NAME:-an unknown system}" >&2
    exit 2
    ;;
esac

# What the game needs to build and to run: Qt and its translation tools, the fonts it asks for,
# the box buttons in Czech, the sound server's client library, libxml2's HTML parser for the help.
game_packages=(build-essential cmake git pkg-config
               qt6-base-dev libxcb1-dev libpulse-dev libxml2-dev
               qt6-tools-dev qt6-l10n-tools
               fonts-liberation fonts-dejavu-core qt6-translations-l10n)
# What the tests and tools need besides: the test frameworks, clang for the sanitizers and the
# fuzzer with llvm's symbolizer (the leak checker's suppressions match by function name), a
# virtual X server with a window manager and a Wayland compositor with Qt's Wayland platform to
# run the game on, the validators of the install and package checks, and what builds the Debian
# package from debian/.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev
               clang "$clang_runtime" llvm xvfb xdotool x11-utils imagemagick openbox weston qt6-wayland
               desktop-file-utils appstream groff-base man-db dpkg-dev file lintian
               debhelper)
# The sound tests' own servers (PulseAudio, and PipeWire with its session manager and bus) with a
# recorder, for hearing the cues.
sound_test_packages=(pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber dbus-daemon)

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
    install_missing "${game_packages[@]}"
    cmake -S . -B build/game -DCMAKE_BUILD_TYPE=Release -DZURK3_TESTS=OFF
    cmake --build build/game -j"$jobs"
    exec build/game/bin/zurk3
    ;;
  test)
    install_missing "${game_packages[@]}" "${test_packages[@]}" "${sound_test_packages[@]}"
    export QT_QPA_PLATFORM=offscreen
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DZURK3_TESTS=ON -DZURK3_WERROR=ON
    cmake --build build/release -j"$jobs"
    ctest --test-dir build/release --output-on-failure -j"$jobs"
    scripts/sanitize.sh
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
