# Sourced by the measuring scripts: start_virtual_display starts a virtual X server of our own on
# the first display number from 90 on that it can take, exports DISPLAY and sets
# virtual_display_pid; the caller ends it. Qt is then told to use it.
start_virtual_display() {
  local display
  virtual_display_pid=
  for display in $(seq 90 140); do
    [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    virtual_display_pid=$!
    for _ in $(seq 100); do
      DISPLAY=":$display" xdotool getmouselocation >/dev/null 2>&1 && break 2
      kill -0 "$virtual_display_pid" 2>/dev/null || break
      sleep 0.05
    done
    kill "$virtual_display_pid" 2>/dev/null || true
    virtual_display_pid=
  done
  [ -n "$virtual_display_pid" ] || { echo "no display for Xvfb" >&2; return 1; }
  export DISPLAY=":$display"
  unset QT_QPA_PLATFORM
}
