#!/usr/bin/env bash
# Lines of tests against lines of program: everything under tests/ against
# every tracked file of code outside tests/, bench/, fuzz/ and tools/.
set -euo pipefail
cd "$(dirname "$0")/.."
code='\.(cpp|h|sh|cmake|in)$|CMakeLists\.txt$'
program=$(git ls-files | grep -vE '^(tests|bench|fuzz|tools)/' | grep -E "$code" | xargs cat | wc -l)
tests=$(git ls-files tests | xargs cat | wc -l)
echo "program $program lines, tests $tests lines: $(awk -v t="$tests" -v p="$program" 'BEGIN { printf "%.2f", t / p }') test lines a program line"
if [ "${1:-}" = "--folders" ]; then
  for d in $(git ls-files tests | cut -d/ -f2 | sort -u); do
    printf '  tests/%-12s %6d\n' "$d" "$(git ls-files "tests/$d" | xargs cat | wc -l)"
  done
fi
