#!/usr/bin/env bash
# Sets up a Debian 12 or Debian 13 machine for Zurk3, builds it, and plays or tests it.
#   scripts/zurk3.sh play   install what is missing, build the game, start it
#   scripts/zurk3.sh test   install what is missing, then run every check in tiers, quickest
#                           first, each timed, stopping at the first that fails: the style, the
#                           build with warnings as errors and the unit and window tests, the system
#                           and slow tests, the suite under AddressSanitizer and UBSan, short fuzz
#                           runs (on Debian 12)
#   scripts/zurk3.sh setup  install what the test command needs, and nothing more
set -euo pipefail
cd "$(dirname "$0")/.."

# The few packages whose names carry a version differ between the releases. The layout is checked
# on both, as clang-format 14 and 19 lay the code out alike; clang-tidy's checks differ between 14
# and 19, so one release decides: Debian 12, which CI runs first, where a finding stops it soonest.
# The fuzzers feed our readers inputs of their own making, whatever the release: what they find is
# ours, so they too run on Debian 12 alone. Everything that builds or runs on the release's own
# compiler, Qt, servers and packaging runs on both.
. /etc/os-release
case "${VERSION_ID:-}" in
  12) clang_runtime=libclang-rt-14-dev style=all fuzz=yes ;;
  13) clang_runtime=libclang-rt-19-dev style=format fuzz=no ;;
  *)
    echo "Zurk3 sets up Debian 12 and Debian 13; this is ${PRETTY_NAME:-an unknown system}" >&2
    exit 2
    ;;
esac

# What the game needs to build and to run: Qt and its translation tools, the fonts it asks for,
# the box buttons in Czech, the sound server's client library, libxml2's HTML parser for the help,
# SDL 2 for the gamepads.
game_packages=(build-essential cmake git pkg-config
               qt6-base-dev libxcb1-dev libpulse-dev libxml2-dev libsdl2-dev
               qt6-tools-dev qt6-l10n-tools
               fonts-liberation fonts-dejavu-core qt6-translations-l10n)
# What the tests and tools need besides: the test frameworks, clang for the sanitizers and the
# fuzzer with llvm's symbolizer (the leak checker's suppressions match by function name), clang's
# formatter and checker for the style, a virtual X server with a window manager and a Wayland
# compositor with Qt's Wayland platform to run the game on, the validators of the install and
# package checks, and what builds the Debian package from debian/.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev
               clang "$clang_runtime" llvm clang-format clang-tidy
               xvfb xdotool x11-utils imagemagick openbox weston qt6-wayland
               desktop-file-utils appstream groff-base man-db dpkg-dev file lintian
               debhelper ccache)
# The sound tests' own servers (PulseAudio, and PipeWire with its session manager and bus) with a
# recorder, for hearing the cues.
sound_test_packages=(pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber dbus-daemon)
all_packages=("${game_packages[@]}" "${test_packages[@]}" "${sound_test_packages[@]}")

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
    cmake --preset game
    cmake --build --preset game -j"$jobs"
    exec build/game/bin/zurk3
    ;;
  setup) install_missing "${all_packages[@]}" ;;
  test)
    install_missing "${all_packages[@]}"
    export QT_QPA_PLATFORM=offscreen
    . scripts/timed.sh
    . scripts/compiler-cache.sh
    # The generators and the measurements are built too: so they keep building with warnings as
    # errors, and measure/*.sh find them in build/release.
    build_and_test_quickly() {
      cmake --preset release && cmake --build --preset release -j"$jobs" \
        && ctest --preset release -j"$jobs" -L '^(unit|window)$'
    }
    # Run as conditions, where set -e does not hold: each tier stops the run itself.
    tiers() {
      timed "style" scripts/check-style.sh "$style" || return
      timed "build, unit and window tests" build_and_test_quickly || return
      # Whatever the tier before did not run, so that a test with a new label is not left out.
      timed "system and slow tests" \
        ctest --preset release -j"$jobs" -LE '^(unit|window)$' || return
      timed "sanitizers" scripts/sanitize.sh || return
      [ "$fuzz" = no ] || timed "fuzz" scripts/fuzz.sh
    }
    timed "every tier" tiers
    ;;
  *)
    echo "usage: $0 play|test|setup" >&2
    exit 2
    ;;
esac
