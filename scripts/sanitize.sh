#!/usr/bin/env bash
# Builds and runs the whole test suite but the soak under AddressSanitizer, UBSan and
# LeakSanitizer; any report fails the run. Built with Clang and warnings as errors, so the game,
# its tests, the generators and the measurements are kept clean for Clang as the release build
# keeps them clean for GCC.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/clang-sanitizers.sh
. scripts/compiler-cache.sh
jobs=$(nproc)
cmake --preset sanitize
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"
