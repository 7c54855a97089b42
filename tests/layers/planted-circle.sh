#!/usr/bin/env bash
# The layer check fails on a circle of three folders planted in a scratch repository, and names
# the circle and the include of each step.
#   planted-circle.sh CHECK
set -euo pipefail
check=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/bottom" "$scratch/middle" "$scratch/top"
printf '#include "bottom/Bottom.h"\n#include "top/Top.h"\n' >"$scratch/bottom/Bottom.cpp"
printf '#pragma once\n#include <string>\n' >"$scratch/bottom/Bottom.h"
printf '#pragma once\n#include "bottom/Bottom.h"\n' >"$scratch/middle/Middle.h"
printf '#pragma once\n#include "middle/Middle.h"\n' >"$scratch/top/Top.h"
git -C "$scratch" init -q
git -C "$scratch" add .

if output=$("$check" "$scratch" bottom middle top 2>&1); then
  echo "the check passed a circle: $output" >&2
  exit 1
fi
expected='layers: folders include each other in a circle: bottom -> top -> middle -> bottom
  bottom/Bottom.cpp: #include "top/Top.h"
  top/Top.h: #include "middle/Middle.h"
  middle/Middle.h: #include "bottom/Bottom.h"'
if [ "$output" != "$expected" ]; then
  printf 'the check said:\n%s\nnot:\n%s\n' "$output" "$expected" >&2
  exit 1
fi
echo "the planted circle is found: ${output%%$'\n'*}"
