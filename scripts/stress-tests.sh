#!/usr/bin/env bash
# Runs the whole test suite several times in a row, twice as many tests at
# once as the machine has cores, to bring out tests that pass or fail by
# chance (timing, shared files, a busy machine). Brings the dev build up to
# date first. Prints a line per run (its number, passed or failed, its
# seconds) and stops at the first failing run with the failing tests' output.
#
#   scripts/stress-tests.sh [RUNS] [CTEST ARGUMENTS...]   (10 runs by default)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-10}"
[ $# -gt 0 ] && shift
case "$runs" in
  '' | *[!0-9]*) echo "usage: $0 [RUNS] [CTEST ARGUMENTS...]" >&2; exit 2 ;;
esac

logs="$(mktemp -d)"
echo "== Building (dev preset)"
"$here/scripts/build.sh" dev >"$logs/build.log" 2>&1 || { tail -40 "$logs/build.log"; exit 1; }

# As scripts/test.sh runs the tests.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"

jobs=$(( $(nproc) * 2 ))
echo "== $runs runs of the suite, -j$jobs (logs in $logs, removed if all pass)"
cd "$here/build/dev"
for run in $(seq 1 "$runs"); do
  log="$logs/run-$run.log"
  start=$SECONDS
  if ctest -j"$jobs" --output-on-failure --timeout 600 "$@" >"$log" 2>&1; then
    echo "run $run: passed, $((SECONDS - start)) s"
    continue
  fi
  echo "run $run: FAILED, $((SECONDS - start)) s"
  echo
  # Each failing test's result line and the output ctest printed after it,
  # then the summary with the list of failed tests.
  awk '/^ *Start +[0-9]+: / { next } /^ *[0-9]+\/[0-9]+ Test +#/ { show = /\*\*\*|Not Run/ } show' "$log"
  sed -n '/tests passed,/,$p' "$log"
  echo "full log: $log"
  exit 1
done
rm -rf "$logs"
echo "== $runs runs in a row passed"
