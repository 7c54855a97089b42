# Sourced by the scripts that run in parts. timed WHAT COMMAND... runs COMMAND, then says on
# stderr how long WHAT took and whether it failed, and returns COMMAND's status.
timed() {
  local what=$1 start=$SECONDS status=0
  shift
  "$@" || status=$?
  local took=$((SECONDS - start))
  printf 'time: %s took %dm%02ds%s\n' "$what" $((took / 60)) $((took % 60)) \
    "$([ "$status" -eq 0 ] || echo ", failed ($status)")" >&2
  return "$status"
}
