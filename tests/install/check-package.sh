#!/usr/bin/env bash
# Makes the Debian package, into a scratch folder, and has lintian check it: any error or
# warning fails, and so does a package whose changelog names another version or whose game is
# not in /usr/games. lintian's information tags are shown, not counted.
#
#   check-package.sh --cpack CPACK --build DIR     the package cpack makes of a build
#   check-package.sh --debian SOURCE               the package dpkg-buildpackage makes from a
#                                                  copy of the sources, as a distribution would
set -euo pipefail

cpack=cpack
while [ $# -gt 0 ]; do
  case "$1" in
    --cpack) cpack=$2 ;;
    --build) build=$2 ;;
    --debian) source=$2 ;;
    *) echo "check-package: unknown argument $1" >&2; exit 2 ;;
  esac
  shift 2
done
maker=$cpack
[ -n "${source:-}" ] && maker=dpkg-buildpackage
for tool in "$maker" lintian dpkg-deb dpkg-parsechangelog; do
  command -v "$tool" >/dev/null || { echo "check-package: $tool is missing (scripts/zurk3.sh test installs it)" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if [ -n "${source:-}" ]; then
  # dpkg-buildpackage leaves the package beside the source folder.
  "$(dirname "$0")/copy-sources.sh" "$source" "$scratch/zurk3"
  export CCACHE_BASEDIR=$scratch  # as check-reproducible.sh does, for the compiler cache
  (cd "$scratch/zurk3" && dpkg-buildpackage -us -uc -b) >"$scratch/make.log" 2>&1 || status=$?
  package=$(echo "$scratch"/zurk3_*.deb)
else
  "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/make.log" 2>&1 || status=$?
  package=$(echo "$scratch"/*.deb)
fi
if [ "${status:-0}" -ne 0 ]; then
  cat "$scratch/make.log"
  echo "FAIL: $maker"
  exit 1
fi
failures=0

# lintian tells running as root apart on its standard error; its tags come on standard output.
status=0
lintian --fail-on error,warning --display-info --pedantic --display-experimental "$package" \
  >"$scratch/lintian.out" 2>"$scratch/lintian.err" || status=$?
cat "$scratch/lintian.out"
if [ "$status" -eq 0 ] && ! grep -qE '^[EW]:' "$scratch/lintian.out"; then
  echo "ok: lintian finds no error and no warning in $(basename "$package")"
else
  echo "FAIL: lintian (exit $status)"
  cat "$scratch/lintian.err"
  failures=$((failures + 1))
fi

dpkg-deb -x "$package" "$scratch/root"
version=$(dpkg-deb -f "$package" Version)
logged=$(gzip -dc "$scratch/root/usr/share/doc/zurk3/changelog.gz" | dpkg-parsechangelog -l - -S Version)
if [ "$logged" = "$version" ]; then
  echo "ok: the changelog's latest entry is the package's version $version"
else
  echo "FAIL: the changelog's latest entry is $logged, the package is $version"
  failures=$((failures + 1))
fi
if [ -x "$scratch/root/usr/games/zurk3" ] && [ ! -e "$scratch/root/usr/bin" ]; then
  echo "ok: /usr/games/zurk3 leads to the program, and /usr/bin holds nothing"
else
  echo "FAIL: the game is not reached through /usr/games/zurk3, or /usr/bin is there"
  failures=$((failures + 1))
fi
exit $((failures != 0))
