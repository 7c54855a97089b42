#!/usr/bin/env bash
# Builds and runs the whole test suite under AddressSanitizer, UBSan and LeakSanitizer;
# any report fails the run. Built with Clang and warnings as errors, so the game and its tests are
# kept clean for Clang as the release build keeps them clean for GCC.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export CC=clang CXX=clang++
jobs=$(nproc)
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DZURK3_SANITIZE=ON -DZURK3_BENCH=OFF -DZURK3_WERROR=ON
cmake --build build/sanitize -j"$jobs"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs" -LE soak

# The game file fuzzer for 60 seconds on its seeds and the default game: a crash, a leak, a
# timeout or a broken rule of the pond fails the run, and the input that did it is shown.
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZURK3_FUZZ=ON -DZURK3_BENCH=OFF -DZURK3_WERROR=ON
cmake --build build/fuzz -j"$jobs" --target fuzz_gamefile fuzz_help_page fuzz_wave_format
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fuzz/corpus/* "$corpus"/
if [ -f build/sanitize/bin/zaklad.zurk ]; then
  cp build/sanitize/bin/zaklad.zurk "$corpus"/
else
  echo "zaklad.zurk was not built; fuzzing on the seeds alone" >&2
fi
artifacts=build/fuzz/artifacts
rm -rf "$artifacts" && mkdir -p "$artifacts"
status=0
build/fuzz/tests/fuzz/fuzz_gamefile -max_total_time=60 -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$corpus" || status=$?
# The help page filter (with Qt laying out what it lets through) and the cue check, 30 seconds each
# on their seeds: a crash, a page outside the allow-list, or an input that takes too long fails the
# run. A help page may take Qt a second of layout under the sanitizers on a busy machine; the
# slow shapes the filter keeps out took twenty times that.
help_corpus=$(mktemp -d) wave_corpus=$(mktemp -d)
trap 'rm -rf "$corpus" "$help_corpus" "$wave_corpus"' EXIT
cp tests/fuzz/help-corpus/* "$help_corpus"/
cp assets/sounds/*.wav "$wave_corpus"/ 2>/dev/null || true
[ "$status" -ne 0 ] || build/fuzz/tests/fuzz/fuzz_help_page -max_total_time=30 -timeout=10 -max_len=200000 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$help_corpus" || status=$?
[ "$status" -ne 0 ] || build/fuzz/tests/fuzz/fuzz_wave_format -max_total_time=30 -timeout=1 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$wave_corpus" || status=$?
if [ "$status" -ne 0 ]; then
  for input in "$artifacts"/*; do
    [ -f "$input" ] || continue
    echo "fuzz input $input:"
    od -A d -t x1 "$input" | head -40
  done
  exit "$status"
fi
