# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that need a real X server: start_x_server [XVFB ARGS] starts a private Xvfb,
# waits until a client can really talk to it and exports DISPLAY. A server that names its display
# but refuses clients (a busy machine, a display number raced for) is replaced, up to three times.
# The caller's EXIT trap must call stop_x_server. The server never resets: by default an X server
# resets when its last client leaves, and refuses clients while it does, so a client that comes
# just as another leaves (the accessibility bus's launcher, the check below) would be turned away.

x_server_pid=
x_server_work=$(mktemp -d)

stop_x_server() {
  [ -n "$x_server_pid" ] && kill "$x_server_pid" 2>/dev/null || true
  x_server_pid=
}

x_server_answers() {
  DISPLAY=":$1" timeout 5 xdotool getdisplaygeometry >/dev/null 2>&1
}

start_x_server() {
  local attempt display
  for attempt in 1 2 3; do
    rm -f "$x_server_work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset "$@" \
      3>"$x_server_work/display" >"$x_server_work/xvfb.log" 2>&1 &
    x_server_pid=$!
    for _ in $(seq 200); do
      [ -s "$x_server_work/display" ] || ! kill -0 "$x_server_pid" 2>/dev/null && break
      sleep 0.1
    done
    display=$(cat "$x_server_work/display" 2>/dev/null || true)
    if [ -n "$display" ]; then
      for _ in $(seq 100); do x_server_answers "$display" && break; sleep 0.1; done
      if x_server_answers "$display"; then
        export DISPLAY=":$display"
        return 0
      fi
    fi
    echo "Xvfb (attempt $attempt, display '${display}') does not answer; its log:" >&2
    cat "$x_server_work/xvfb.log" >&2
    stop_x_server
  done
  return 1
}
