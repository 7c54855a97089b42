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
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DZURK3_SANITIZE=ON -DZURK3_GENERATORS=ON -DZURK3_MEASURE=ON \
  -DZURK3_BENCH=OFF -DZURK3_WERROR=ON
cmake --build build/sanitize -j"$jobs"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs" -LE soak
