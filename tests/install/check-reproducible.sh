#!/usr/bin/env bash
# Builds the game once more from a copy of the sources in another folder, and checks that its
# programs and its Debian package are the same bytes as those of the build under test: nothing
# in them may depend on where or when they were built.
#
#   check-reproducible.sh --cmake CMAKE --cpack CPACK --source DIR --build DIR --program FILE...
set -euo pipefail

programs=()
while [ $# -gt 0 ]; do
  case "$1" in
    --cmake) cmake=$2 ;;
    --cpack) cpack=$2 ;;
    --source) source=$2 ;;
    --build) build=$2 ;;
    --program) programs+=("$2") ;;
    *) echo "check-reproducible: unknown argument $1" >&2; exit 2 ;;
  esac
  shift 2
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copy=$scratch/elsewhere/zurk3-copy
# Where the test command's compiler cache is in use, this build's paths are hashed relative to its
# scratch folder, so the next run's copy, in a folder of another name, finds its objects.
export CCACHE_BASEDIR=$scratch
"$(dirname "$0")/copy-sources.sh" "$source" "$copy"

# Configured as the build under test was, but for the game alone.
"$cmake" -S "$copy" -B "$scratch/build" -DZURK3_TESTS=OFF \
  "-DCMAKE_BUILD_TYPE=$("$cmake" -L -N "$build" | sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p')" \
  >"$scratch/configure.log" 2>&1 || { cat "$scratch/configure.log"; exit 1; }
"$cmake" --build "$scratch/build" -j"$(nproc)" >"$scratch/build.log" 2>&1 || { cat "$scratch/build.log"; exit 1; }

failures=0
same() {
  if cmp "$1" "$2"; then
    echo "ok: $3 is the same in both builds"
  else
    echo "FAIL: $3 differs between the builds"
    failures=$((failures + 1))
  fi
}
for program in "${programs[@]}"; do
  same "$program" "$scratch/build/${program#"$build"/}" "$(basename "$program")"
done
package() {
  "$cpack" -G DEB --config "$1/CPackConfig.cmake" -B "$2" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log" >&2; exit 1; }
  echo "$2"/*.deb
}
here=$(package "$build" "$scratch/package")
elsewhere=$(package "$scratch/build" "$scratch/package-elsewhere")
same "$here" "$elsewhere" "the Debian package"
exit $((failures != 0))
