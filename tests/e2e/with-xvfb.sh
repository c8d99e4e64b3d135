#!/usr/bin/env bash
# Runs a command under a private Xvfb (1600 x 1000, 24 bits). The servers
# of tests starting together start one at a time (a lock), each on a display
# number no other server holds, and a server is used only once a client has
# really connected to it. (With xvfb-run -a, or a server looking for a free
# number itself, servers started together could take each other's display,
# and a client then failed to open it.)
set -euo pipefail
dir="$(mktemp -d)"
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT

start_server() {
  local n=100
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  # -noreset: a server left by its last client (the check below) would
  # otherwise start over, and a client arriving meanwhile be refused.
  Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp -noreset >"$dir/xvfb.log" 2>&1 &
  xvfb=$!
  DISPLAY=":$n"
  export DISPLAY
  for _ in $(seq 1 600); do
    xdpyinfo >/dev/null 2>&1 && return 0
    kill -0 "$xvfb" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

exec 9>"${TMPDIR:-/tmp}/tarnwell-xvfb.lock"
flock 9
for attempt in 1 2 3 4 5; do
  start_server && break
  echo "X server not reachable (attempt $attempt):" >&2
  cat "$dir/xvfb.log" >&2
  kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null || true
  xvfb=""
  [ "$attempt" -lt 5 ] || exit 1
done
flock -u 9
exec 9>&-

status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
  echo "(X server $DISPLAY, its log:)"
  cat "$dir/xvfb.log"
fi
exit "$status"
