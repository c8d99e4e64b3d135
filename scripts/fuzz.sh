#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded
# time (seconds, default 20) on a copy of its committed seed corpus. Prints
# how many inputs each ran; a crash fails the script and leaves the input
# that caused it in build/fuzz/findings/.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
cmake --preset fuzz >/dev/null
cmake --build "$here/build/fuzz" --target fuzzers
findings="$here/build/fuzz/findings"
mkdir -p "$findings"
status=0
for target in "$here"/fuzz/corpus/*/; do
  name="$(basename "$target")"
  work="$(mktemp -d)"
  cp "$target"/* "$work/" 2>/dev/null || true
  log="$findings/$name.log"
  if "$here/build/fuzz/fuzz/$name" "$work" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$findings/$name-" -rss_limit_mb=2048 >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$name: ${runs:-?} inputs, no failure"
  else
    echo "$name: FAILED (see $log)"
    tail -30 "$log"
    status=1
  fi
  rm -rf "$work"
done
exit $status
