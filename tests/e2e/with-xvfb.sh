#!/usr/bin/env bash
# Runs a command under a private Xvfb (1600 x 1000, 24 bits) whose display
# number the server picks itself (-displayfd): tests started at the same
# moment never try the same display, as they could when each picked a free
# number by looking for lock files first.
set -euo pipefail
dir="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$dir"' EXIT
for _ in $(seq 1 600); do
  [ -s "$dir/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$dir/xvfb.log"; echo "Xvfb did not start"; exit 1; }
  sleep 0.1
done
[ -s "$dir/display" ] || { echo "Xvfb gave no display"; exit 1; }
export DISPLAY=":$(head -1 "$dir/display")"
"$@"
