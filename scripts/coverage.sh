#!/usr/bin/env bash
# Line and branch coverage of the game file reader by the tests of the rules, measured with
# clang's source-based coverage. Needs clang and llvm (Debian: clang, llvm-14).
#   scripts/coverage.sh              the reader and its format
#   scripts/coverage.sh FILE...      other sources of the rules, paths from the project's root
set -euo pipefail
cd "$(dirname "$0")/.."
sources=("$@")
[ ${#sources[@]} -gt 0 ] || sources=(pond/clsHraZurk3.cpp pond/GameFileFormat.h)

tool() {
  command -v "$1-14" || command -v "$1" || { echo "coverage.sh: $1 not found (apt-get install llvm-14)" >&2; exit 2; }
}
profdata=$(tool llvm-profdata)
cov=$(tool llvm-cov)

build=build/coverage
flags="-fprofile-instr-generate -fcoverage-mapping"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZURK3_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
tests=(zurk3-rules-tests zurk3-stress-tests)
cmake --build "$build" -j"$(nproc)" --target "${tests[@]}" zaklad >/dev/null

profiles="$build/profiles"
rm -rf "$profiles" && mkdir -p "$profiles"
binaries=()
for t in "${tests[@]}"; do
  binary=$(find "$build" -type f -name "$t" -perm -u+x | head -n 1)
  LLVM_PROFILE_FILE="$profiles/$t.profraw" "$binary" --gtest_brief=1 >/dev/null
  binaries+=(-object "$binary")
done
"$profdata" merge -sparse "$profiles"/*.profraw -o "$profiles/merged.profdata"
"$cov" report "${binaries[@]:1}" -instr-profile "$profiles/merged.profdata" "${sources[@]}"
