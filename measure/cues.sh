#!/usr/bin/env bash
# How soon and how whole the game's cues sound, and how soon the game ends after Ctrl+X:
#   measure/cues.sh [BUILD_DIR [PROGRAM]]
# 1. On a PulseAudio and on a PipeWire server of our own, each with the machine idle and then
#    beside two busy loops: for each cue, the delay from the cue player's call until the cue's
#    first sample reaches the sink (median and worst of PLAYS plays, 200 unless set), how many
#    plays were whole and, of a play not whole, whether it came late after a gap or lost samples,
#    and how long after a new cue's call the cue it replaced fell silent (zurk3-cue-timing
#    delays). 200 plays take about 30 minutes for each server and load.
# 2. The game under Xvfb starts a level (F2), then the player presses Ctrl+X: how long after the
#    key the window goes, and how long after that the process ends; RUNS (5) runs with each sound
#    server, as many with a PulseAudio server stopped dead (SIGSTOP) and with none at all.
# BUILD_DIR defaults to build/release, PROGRAM to BUILD_DIR/bin/zurk3. A measurement, not a test:
# it fails only when it cannot measure.
set -euo pipefail
cd "$(dirname "$0")/.."

# One run of part 2 per line on stdout: milliseconds from the key to the window going, and from
# the window going to the process's end. Run by part 2 below, as a client of the sound server or not.
if [ "${1:-}" = --exit-times ]; then
  program=$2
  runs=$3
  events=$(mktemp)
  trap 'rm -f "$events"' EXIT
  ms() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.0f", (b - a) * 1000}'; }
  for _ in $(seq "$runs"); do
    : >"$events"
    "$program" >/dev/null 2>&1 &
    pid=$!
    window=
    for _ in $(seq 200); do
      window=$(xdotool search --onlyvisible --pid "$pid" --name '^Zurk3$' 2>/dev/null | head -1 || true)
      [ -n "$window" ] && break
      sleep 0.05
    done
    [ -n "$window" ] || { kill "$pid"; echo "the game showed no window" >&2; exit 1; }
    # A watcher of the window's own events stamps them as they come.
    stdbuf -oL xev -id "$window" -event structure 2>/dev/null > >(while IFS= read -r line; do
      case $line in UnmapNotify* | DestroyNotify*) echo "$EPOCHREALTIME" ;; esac
    done >"$events") &
    watcher=$!
    sleep 0.3
    xdotool windowfocus --sync "$window" key F2
    sleep 1.5
    pressed=$EPOCHREALTIME
    xdotool key ctrl+x
    wait "$pid" || true
    ended=$EPOCHREALTIME
    sleep 0.3
    kill "$watcher" 2>/dev/null || true
    gone=$(head -1 "$events")
    [ -n "$gone" ] || { echo "the window did not go" >&2; exit 1; }
    echo "$(ms "$pressed" "$gone") $(ms "$gone" "$ended")"
  done
  exit 0
fi

build_dir=${1:-build/release}
program=${2:-$build_dir/bin/zurk3}
timing=$build_dir/measure/cue-timing/zurk3-cue-timing
for exe in "$program" "$timing"; do
  [ -x "$exe" ] || { echo "missing $exe: build it first" >&2; exit 2; }
done
for tool in Xvfb xdotool xev pulseaudio parec pipewire pipewire-pulse wireplumber dbus-daemon; do
  command -v "$tool" >/dev/null || {
    echo "missing $tool (scripts/zurk3.sh test installs it)" >&2
    exit 2
  }
done

busy=()
trap 'kill "${busy[@]}" 2>/dev/null || true' EXIT
for server in pulseaudio pipewire; do
  for load in idle busy; do
    echo "Delay from the call to the cue's first sample at the sink, ${PLAYS:-200} plays each, $load:"
    if [ "$load" = busy ]; then
      for _ in 1 2; do
        sh -c 'while :; do :; done' &
        busy+=($!)
      done
    fi
    ZURK3_SOUND_SERVER=$server "$timing" delays "${PLAYS:-200}"
    kill "${busy[@]}" 2>/dev/null || true
    busy=()
    echo
  done
done

. measure/virtual-display.sh
nowhere=$(mktemp -d)
trap 'rm -rf "$nowhere"' EXIT
start_virtual_display || exit 2
trap 'kill "$virtual_display_pid" 2>/dev/null || true; rm -rf "$nowhere"' EXIT
runs=${RUNS:-5}
summary() {
  sort -n | awk -v what="$1" '{v[NR] = $1} END {printf "  %-40s median %4d ms, worst %4d ms\n", what, v[int((NR + 1) / 2)], v[NR]}'
}
report() {
  local name=$1 times=$2
  echo "$name ($runs runs):"
  awk '{print $1}' <<<"$times" | summary "window gone after Ctrl+X"
  awk '{print $2}' <<<"$times" | summary "process ended after the window went"
}
for server in pulseaudio pipewire; do
  with=$(ZURK3_SOUND_SERVER=$server "$timing" serve -- "$0" --exit-times "$program" "$runs" | grep -E '^[0-9]+ [0-9]+$')
  report "Exit with a $server server" "$with"
done
stalled=$("$timing" serve --stalled -- "$0" --exit-times "$program" "$runs" | grep -E '^[0-9]+ [0-9]+$')
report "Exit with a stalled pulseaudio server" "$stalled"
# No server: nothing listens where the game is sent, and nothing may start one for it.
echo "autospawn = no" >"$nowhere/client.conf"
without=$(PULSE_SERVER="unix:$nowhere/none" PULSE_CLIENTCONFIG="$nowhere/client.conf" \
  "$0" --exit-times "$program" "$runs")
report "Exit with no sound server" "$without"
