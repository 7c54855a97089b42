#!/usr/bin/env bash
# Short fuzz runs of what reads outside input: the game file reader, the help page filter and the
# cue check, built with clang under AddressSanitizer and UBSan, warnings as errors. A crash, a
# leak, a timeout or a broken rule fails the run, and the input that did it is shown.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/clang-sanitizers.sh
. scripts/compiler-cache.sh
jobs=$(nproc)

# The game file fuzzer for 60 seconds on its seeds and the default game (the target zaklad),
# where a broken rule of the pond fails it too.
cmake --preset fuzz
cmake --build --preset fuzz -j"$jobs"
corpus=$(mktemp -d) help_corpus=$(mktemp -d) wave_corpus=$(mktemp -d) logs=$(mktemp -d)
trap 'rm -rf "$corpus" "$help_corpus" "$wave_corpus" "$logs"' EXIT
cp tests/fuzz/corpus/* build/fuzz/bin/zaklad.zurk "$corpus"/
artifacts=build/fuzz/artifacts
rm -rf "$artifacts" && mkdir -p "$artifacts"

# fuzz NAME OPTIONS... runs one fuzzer into a log of its own, so two can run at once.
fuzz() {
  local name=$1
  shift
  build/fuzz/tests/fuzz/"$name" "$@" -print_final_stats=1 -artifact_prefix="$artifacts/$name-" \
    >"$logs/$name.log" 2>&1
}
# An input may cost the game what any game file may, 100 MB (tests/rules/tst_GameFile.cpp checks
# the game holds to it): no allocation larger, and no more memory in all above the fuzzer's own,
# which under AddressSanitizer reaches 420 MB, 256 MB of it the quarantine of freed blocks.
bound_mb=100 fuzzer_mb=512
fuzz_game_files() {
  fuzz fuzz_gamefile -max_total_time=60 -timeout=10 -malloc_limit_mb=$bound_mb \
    -rss_limit_mb=$((bound_mb + fuzzer_mb)) "$corpus"
}
# The help page filter (with Qt laying out what it lets through) and the help's pictures, and the
# cue check, 30 seconds each on their seeds: a crash, a page outside the allow-list, or an input
# that takes too long fails the run. A help page may take Qt a second of layout under the
# sanitizers on a busy machine; the slow shapes the filter keeps out took twenty times that.
# A page keeps at most HelpPictures::MaxBytesPerPage of pictures, and nothing of it may take more
# at once; the sanitizers keep as much again of freed memory to check, and the fuzzer with Qt
# takes about 80 MB itself at start and 170 MB after a minute. A page or its pictures that cost
# far more than their bound, as one of 810 MB once did, fail the run.
help_mb=$(sed -n 's/.*MaxBytesPerPage = \([0-9]*\) << 20;.*/\1/p' resources/HelpPictures.h)
[ -n "$help_mb" ] || { echo "resources/HelpPictures.h names no MaxBytesPerPage in MB" >&2; exit 1; }
cp tests/fuzz/help-corpus/* "$help_corpus"/
cp assets/sounds/*.wav "$wave_corpus"/ 2>/dev/null || true
fuzz_help_pages_then_cues() {
  ASAN_OPTIONS="$ASAN_OPTIONS:quarantine_size_mb=$help_mb" \
    fuzz fuzz_help_page -max_total_time=30 -timeout=10 -max_len=200000 \
    -malloc_limit_mb="$help_mb" -rss_limit_mb=$((2 * help_mb + 256)) "$help_corpus" \
    && fuzz fuzz_wave_format -max_total_time=30 -timeout=1 "$wave_corpus"
}
# Each fuzzer keeps one core busy: the game file's minute runs beside the other two's half
# minutes, on a machine of two cores in the time of the longest.
status=0
fuzz_game_files &
game_files=$!
fuzz_help_pages_then_cues || status=$?
wait "$game_files" || status=$?
for log in "$logs"/*.log; do
  echo "--- $(basename "$log" .log):"
  cat "$log"
done
if [ "$status" -ne 0 ]; then
  for input in "$artifacts"/*; do
    [ -f "$input" ] || continue
    echo "fuzz input $input:"
    od -A d -t x1 "$input" | head -40
  done
  exit "$status"
fi
