#!/usr/bin/env bash
# How long the game takes from its start to a visible window, and its peak memory, beside a
# yardstick started the same way, under Xvfb: a bare Qt window, or another build of the game, to
# see what a change costs. Five runs of each, in turns (after one warm-up run), medians reported.
#   measure/startup.sh [BUILD_DIR [PROGRAM [YARDSTICK]]]
# BUILD_DIR defaults to build/release, PROGRAM to BUILD_DIR/bin/zurk3, YARDSTICK to the bare window
# BUILD_DIR/measure/startup/zurk3-bare-window. RUNS=n changes the number of runs.
# Goals: start within 1.3 x the bare window's, or within 1.05 x another build's; peak memory under
# 60 MB; exits 1 when one is missed.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/release}
program=${2:-$build_dir/bin/zurk3}
yardstick=${3:-$build_dir/measure/startup/zurk3-bare-window}
runs=${RUNS:-5}
if [ $# -ge 3 ]; then yardstick_name=$yardstick goal=1.05; else yardstick_name="bare Qt window" goal=1.30; fi
for exe in "$program" "$yardstick"; do
  [ -x "$exe" ] || { echo "missing $exe: build it first" >&2; exit 2; }
done
for tool in Xvfb xdotool xev; do
  command -v "$tool" >/dev/null || { echo "missing $tool (apt-get install xvfb xdotool x11-utils)" >&2; exit 2; }
done

# A display of our own, gone when the script ends.
output=$(mktemp)
. measure/virtual-display.sh
trap 'rm -f "$output"' EXIT
start_virtual_display || exit 2
xvfb_pid=$virtual_display_pid
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$output"' EXIT

# One client watches the display for windows being mapped: polling with a new client every few
# milliseconds (xdotool search) makes Xvfb refuse the program's own connection now and then, and
# xdotool's --sync looks only every half second. Without a window manager a window is visible as
# soon as it is mapped, and nobody else maps windows on this display.
events=$(mktemp)
stdbuf -oL xev -root -event substructure >"$events" 2>/dev/null &
xev_pid=$!
trap 'kill "$xev_pid" "$xvfb_pid" 2>/dev/null || true; rm -f "$output" "$events"' EXIT
sleep 0.5

now_ms() { echo $(($(date +%s%N) / 1000000)); }
maps() { grep -c MapNotify "$events" || true; }

# One start: prints the milliseconds to a visible window and the peak memory in kB.
measure_once() {
  local exe=$1 seen start pid end peak
  seen=$(maps)
  start=$(now_ms)
  "$exe" >"$output" 2>&1 &
  pid=$!
  until [ "$(maps)" -gt "$seen" ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "$exe ended before showing a window:" >&2
      cat "$output" >&2
      return 1
    fi
    [ $(($(now_ms) - start)) -lt 30000 ] || { echo "$exe showed no window in 30 s" >&2; kill "$pid"; return 1; }
    sleep 0.005
  done
  end=$(now_ms)
  # Let it finish what it does right after showing (the game file, the sounds) before the peak is read.
  sleep 1
  peak=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$((end - start)) $peak"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

measure_once "$yardstick" >/dev/null
measure_once "$program" >/dev/null
yardstick_runs=()
program_runs=()
for _ in $(seq "$runs"); do
  yardstick_runs+=("$(measure_once "$yardstick")")
  program_runs+=("$(measure_once "$program")")
done

column_of() { local n=$1; shift; printf '%s\n' "$@" | awk -v n="$n" '{print $n}'; }
yardstick_ms=$(column_of 1 "${yardstick_runs[@]}" | median)
yardstick_kb=$(column_of 2 "${yardstick_runs[@]}" | median)
program_ms=$(column_of 1 "${program_runs[@]}" | median)
program_kb=$(column_of 2 "${program_runs[@]}" | median)

echo "runs of each: $runs (medians)"
awk -v name="$program" -v pms="$program_ms" -v pkb="$program_kb" -v yardstick="$yardstick_name" -v goal="$goal" \
    -v bms="$yardstick_ms" -v bkb="$yardstick_kb" -v pall="$(printf '%s; ' "${program_runs[@]}")" \
    -v ball="$(printf '%s; ' "${yardstick_runs[@]}")" 'BEGIN {
  printf "%-20s %9s %9s   %s\n", "program", "start ms", "peak MB", "every run (ms kB)"
  printf "%-20s %9d %9.1f   %s\n", name, pms, pkb / 1024, pall
  printf "%-20s %9d %9.1f   %s\n", yardstick, bms, bkb / 1024, ball
  ratio = pms / bms
  printf "start ratio %.2f (goal <= %.2f), peak %.1f MB (goal < 60)\n", ratio, goal, pkb / 1024
  if (ratio > goal || pkb >= 60 * 1024) { print "goal missed"; exit 1 }
  print "goals met"
}'
