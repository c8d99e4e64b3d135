#!/usr/bin/env bash
# Start-up benchmark: starts the viewer RUNS times (default 7) under Xvfb on
# a two-page command line and reports the time to the left page's
# document-complete: each run, then the minimum and median.
set -euo pipefail
bench="${1:?path to startup_bench}"
runs="${RUNS:-7}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_RUNTIME_DIR="$work/rt" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '<HTML><BODY><H1>Left</H1><P>%s</P></BODY></HTML>\r\n' "$(head -c 20000 /dev/zero | tr '\0' 'x')" >"$HOME/a.htm"
printf '<HTML><BODY><H1>Right</H1></BODY></HTML>\r\n' >"$HOME/b.htm"
results=()
for i in $(seq 1 "$runs"); do
  ms=$(xvfb-run -a -s "-screen 0 1600x1000x24" "$bench" "$HOME/a.htm" "$HOME/b.htm" 2>/dev/null | awk '/startup_to_left_complete_ms/ {print $2}')
  echo "run $i: ${ms} ms"
  results+=("$ms")
done
sorted=($(printf '%s\n' "${results[@]}" | sort -n))
echo "min ${sorted[0]} ms, median ${sorted[$((runs / 2))]} ms over $runs runs"
