#!/usr/bin/env bash
# Fails when two of the game's folders include each other, directly or through others, and names
# the circle with an include that makes each step of it. The build keeps each layer from including
# the layers above it; this keeps the folders from running in a circle whatever include paths a
# target is given.
#   check-layers.sh SOURCE_DIR FOLDER...   reads the sources git tracks in those folders
set -euo pipefail
source_dir=$1
shift
declare -A game_folder=()
for folder in "$@"; do game_folder[$folder]=1; done

listing=$(git -C "$source_dir" ls-files -- "${@/%//*.h}" "${@/%//*.cpp}")
[ -n "$listing" ] || { echo "layers: git tracks no source in $* of $source_dir" >&2; exit 1; }
mapfile -t sources <<<"$listing"

# For each folder a that includes from folder b: uses[a] lists b, and include_of["a b"] is the
# first such include, as file:line.
declare -A uses=() include_of=()
for file in "${sources[@]}"; do
  from=${file%%/*}
  while IFS= read -r include; do
    included=${include#*\"}
    to=${included%%/*}
    if [ "$to" = "$from" ] || [ "$to" = "$included" ] || [ -z "${game_folder[$to]:-}" ]; then continue; fi
    [ -z "${include_of["$from $to"]:-}" ] || continue
    include_of["$from $to"]="$file: $include"
    uses[$from]+=" $to"
  done < <(grep '^#include "' "$source_dir/$file" || true)
done

# A depth-first walk: a folder met again while it is still on the path closes a circle.
declare -A state=()  # "path" while on the path, then "walked"
path=()
fail_with_circle() {
  local start=$1 i circle=()
  for ((i = ${#path[@]} - 1; i >= 0; i--)); do
    circle=("${path[i]}" "${circle[@]}")
    [ "${path[i]}" != "$start" ] || break
  done
  circle+=("$start")
  local shown=${circle[0]}
  for ((i = 1; i < ${#circle[@]}; i++)); do shown+=" -> ${circle[i]}"; done
  echo "layers: folders include each other in a circle: $shown" >&2
  for ((i = 0; i + 1 < ${#circle[@]}; i++)); do echo "  ${include_of["${circle[i]} ${circle[i + 1]}"]}" >&2; done
  exit 1
}
walk() {
  local folder=$1 next
  state[$folder]=path
  path+=("$folder")
  for next in ${uses[$folder]:-}; do
    [ "${state[$next]:-}" != path ] || fail_with_circle "$next"
    [ -n "${state[$next]:-}" ] || walk "$next"
  done
  unset 'path[-1]'
  state[$folder]=walked
}
for folder in "$@"; do
  [ -n "${state[$folder]:-}" ] || walk "$folder"
done
echo "layers: no two of $* include each other (${#sources[@]} sources)"
