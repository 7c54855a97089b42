#!/usr/bin/env bash
# Fails when the project's own C++ strays from its style: any difference from what clang-format
# makes of it with .clang-format, or anything clang-tidy finds in it with .clang-tidy.
#   scripts/check-style.sh          both
#   scripts/check-style.sh format   the layout alone, in seconds
#   scripts/check-style.sh tidy     the checks alone, in minutes
# The files are whatever git tracks, so a file added or moved is checked wherever it lies; the
# build's generated sources are not tracked and not checked. clang-tidy reads the compile commands
# of the preset tidy (build/tidy), a tree for clang, whose front end clang-tidy is; of that tree
# only what Qt's moc writes is built. A source found clean is not read again while nothing it reads
# has changed (scripts/tidy-cached.py); the verdicts are kept outside the clone, in
# ZURK3_TIDY_CACHE or the user's cache folder.
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-all}
jobs=$(nproc)
tidy_cache=${ZURK3_TIDY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zurk3/tidy}

check_format() {
  local sources
  mapfile -t sources < <(git ls-files '*.cpp' '*.h')
  echo "style: clang-format $(clang-format --version | grep -o '[0-9][0-9.]*' | head -1) over ${#sources[@]} files" >&2
  if ! clang-format --dry-run --Werror "${sources[@]}"; then
    echo "style: run  clang-format -i \$(git ls-files '*.cpp' '*.h')  and look at the difference" >&2
    return 1
  fi
}

check_tidy() {
  local tree=build/tidy
  cmake --preset tidy >/dev/null
  # The sources include what Qt's moc writes for them; nothing else needs building.
  cmake --build "$tree" --target autogen -j"$jobs" >/dev/null
  # The compile commands name each source by its whole path, symbolic links resolved.
  local root sources source missing=0
  root=$(pwd -P)
  mapfile -t sources < <(git ls-files '*.cpp')
  for source in "${sources[@]}"; do
    grep -qF "\"file\": \"$root/$source\"" "$tree/compile_commands.json" && continue
    echo "style: $source is built by no target, so clang-tidy cannot read it" >&2
    missing=1
  done
  [ "$missing" -eq 0 ] || return 1
  echo "style: $(clang-tidy --version | grep -o 'version [0-9.]*') over ${#sources[@]} sources" >&2
  scripts/tidy-cached.py --build "$tree" --cache "$tidy_cache" --jobs "$jobs" "${sources[@]/#/$root/}"
}

case "$what" in
  format | tidy) "check_$what" ;;
  all) check_format && check_tidy ;;
  *)
    echo "usage: $0 [all|format|tidy]" >&2
    exit 2
    ;;
esac
