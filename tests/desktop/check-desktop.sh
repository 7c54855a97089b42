#!/usr/bin/env bash
# Runs the game, or a test, on real display servers of its own, as a desktop would:
#
#   check-desktop.sh wayland --program GAME --id APPID
#       on a headless Weston, with Qt's Wayland platform and the protocol logged: the game's
#       toplevel has the app id APPID (the desktop entry's id) and the title window is shown,
#       that is a buffer the size of the title screen committed and presented by the compositor
#   check-desktop.sh x11 --program GAME --entry DESKTOPFILE
#       on Xvfb: the game's window is viewable and its WM_CLASS class is the entry's StartupWMClass
#   check-desktop.sh x11-run -- COMMAND...
#       COMMAND on Xvfb with openbox managing its windows
#
# Every server is private to the run, in a runtime folder of its own; it runs as root as well.
set -euo pipefail

mode=${1:?usage: check-desktop.sh wayland|x11|x11-run ...}
shift
while [ $# -gt 0 ]; do
  case "$1" in
    --program) program=$2 ;;
    --id) id=$2 ;;
    --entry) entry=$2 ;;
    --) shift; break ;;
    *) echo "check-desktop: unknown argument $1" >&2; exit 2 ;;
  esac
  shift 2
done

scratch=$(mktemp -d)
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap finish EXIT
need() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "check-desktop: $tool is missing (scripts/zurk3.sh test installs it)" >&2; exit 1; }
  done
}
# Waits up to 30 seconds for a command to succeed.
await() {
  for _ in $(seq 150); do "$@" && return 0; sleep 0.2; done
  return 1
}

start_xvfb() {
  need Xvfb xwininfo xprop
  # -noreset: an X server resets whenever its last client leaves, and a client that comes during
  # the reset is refused. The checks below ask the server from short-lived clients, one after the
  # other, while the game may be connecting; refused, the game ended with Qt's abort, once in ten to
  # twenty runs on a busy machine.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>"$scratch/xvfb.log" &
  pids+=($!)
  await test -s "$scratch/display" || { cat "$scratch/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
  export DISPLAY=":$(cat "$scratch/display")"
  export QT_QPA_PLATFORM=xcb
  # xkbcommon reads the X server's keymap names with strndup from strings that need no end within
  # their length; the sanitizer builds' strict string checks take that for an overflow.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
}

# Reads the Wayland protocol log of the game and prints "APPID WIDTH HEIGHT" for the toplevel
# titled Zurk3 once the compositor has presented a buffer of it: the app id it set, and the size
# of that buffer. libwayland writes an object as interface@id before 1.23 and as interface#id
# since, where it also names the queue of each event ({Default Queue}); both are read.
presented_main_window() {
  local -A xdg_wl=() top_wl=() size=() attached=() pending_frame=() frame_of=() app=()
  local line main="" shown="" surface width height
  while IFS= read -r line; do
    if [[ $line =~ \ -\>\ xdg_wm_base[@#][0-9]+\.get_xdg_surface\(new\ id\ xdg_surface[@#]([0-9]+),\ wl_surface[@#]([0-9]+)\) ]]; then
      xdg_wl[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
    elif [[ $line =~ \ -\>\ xdg_surface[@#]([0-9]+)\.get_toplevel\(new\ id\ xdg_toplevel[@#]([0-9]+)\) ]]; then
      top_wl[${BASH_REMATCH[2]}]=${xdg_wl[${BASH_REMATCH[1]}]}
    elif [[ $line =~ \ -\>\ xdg_toplevel[@#]([0-9]+)\.set_app_id\(\"(.*)\"\) ]]; then
      app[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
    elif [[ $line =~ \ -\>\ xdg_toplevel[@#]([0-9]+)\.set_title\(\"Zurk3\"\) ]]; then
      main=${BASH_REMATCH[1]}
    elif [[ $line =~ \ -\>\ wl_shm_pool[@#][0-9]+\.create_buffer\(new\ id\ wl_buffer[@#]([0-9]+),\ [0-9]+,\ ([0-9]+),\ ([0-9]+), ]]; then
      size[${BASH_REMATCH[1]}]="${BASH_REMATCH[2]} ${BASH_REMATCH[3]}"
    elif [[ $line =~ \ -\>\ wl_surface[@#]([0-9]+)\.attach\(wl_buffer[@#]([0-9]+), ]]; then
      attached[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
    elif [[ $line =~ \ -\>\ wl_surface[@#]([0-9]+)\.frame\(new\ id\ wl_callback[@#]([0-9]+)\) ]]; then
      pending_frame[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
    elif [[ $line =~ \ -\>\ wl_surface[@#]([0-9]+)\.commit\(\) ]] && [ -n "${pending_frame[${BASH_REMATCH[1]}]:-}" ]; then
      # A frame request belongs to the commit that follows it, with the buffer attached by then.
      frame_of[${pending_frame[${BASH_REMATCH[1]}]}]="${BASH_REMATCH[1]} ${size[${attached[${BASH_REMATCH[1]}]:-none}]:-}"
      unset "pending_frame[${BASH_REMATCH[1]}]"
    elif [[ $line =~ ^\[\ *[0-9.]+\]\ (\{[^}]*\}\ +)?wl_callback[@#]([0-9]+)\.done\( ]] && [ -n "$main" ]; then
      # The compositor has shown what the surface committed with this frame request.
      read -r surface width height <<<"${frame_of[${BASH_REMATCH[2]}]:-}"
      if [ "${surface:-}" = "${top_wl[$main]:-}" ] && [ -n "${width:-}" ]; then shown="$width $height"; fi
    fi
  done <"$scratch/wayland.log"
  [ -n "$shown" ] && echo "${app[$main]:-none} $shown"
}

case "$mode" in
  wayland)
    need weston
    export XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    socket=zurk3-check
    weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
      >"$scratch/weston.log" 2>&1 &
    pids+=($!)
    await test -S "$XDG_RUNTIME_DIR/$socket" || { cat "$scratch/weston.log"; echo "FAIL: weston did not start"; exit 1; }
    WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" 2>"$scratch/wayland.log" >/dev/null &
    pids+=($!)
    # The title screen is 489 x 300 pixels, the menu bar and the window's frame come on top.
    title_shown() {
      read -r app width height <<<"$(presented_main_window)"
      [ "${width:-0}" -ge 489 ] && [ "${height:-0}" -ge 300 ]
    }
    if ! await title_shown; then
      echo "FAIL: the compositor never presented the title window; the protocol log ends:"
      tail -40 "$scratch/wayland.log"
      exit 1
    fi
    read -r app width height <<<"$(presented_main_window)"
    echo "ok: Weston presented the title window, ${width} x ${height} pixels with its frame"
    if [ "$app" = "$id" ]; then
      echo "ok: its app id is $app, the desktop entry's id"
    else
      echo "FAIL: its app id is $app, not the desktop entry's id $id"
      exit 1
    fi
    ;;
  x11)
    start_xvfb
    "$program" >/dev/null 2>"$scratch/game.log" &
    pids+=($!)
    # The top-level window titled Zurk3 with a class (Qt's group leader has the title, no class).
    window() { xwininfo -root -tree | sed -n 's/^ *\(0x[0-9a-f]*\) "Zurk3": ("[^"]*" .*/\1/p' | head -1; }
    viewable() { [ -n "$(window)" ] && xwininfo -id "$(window)" | grep -q 'Map State: IsViewable'; }
    await viewable || { cat "$scratch/game.log"; echo "FAIL: no viewable window titled Zurk3 appeared"; exit 1; }
    class=$(xprop -id "$(window)" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p')
    wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
    if [ -n "$class" ] && [ "$class" = "$wanted" ]; then
      echo "ok: the window's WM_CLASS class is $class, the desktop entry's StartupWMClass"
    else
      echo "FAIL: WM_CLASS class '$class', StartupWMClass '$wanted'"
      exit 1
    fi
    ;;
  x11-run)
    start_xvfb
    need openbox
    openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
    pids+=($!)
    # openbox names its check window on the root window once it manages windows.
    wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    await wm_running || { cat "$scratch/openbox.log"; echo "FAIL: openbox did not start"; exit 1; }
    "$@"
    ;;
  *)
    echo "check-desktop: unknown mode $mode" >&2
    exit 2
    ;;
esac
