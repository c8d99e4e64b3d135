#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the desktop ones
# under Xvfb). On CI (CI=true), or with TFV_FULL_CHECKS=1, it then also runs
# every test but the desktop ones in the address- and undefined-behaviour-
# sanitizer build, and each fuzz target for 20 seconds.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" dev
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

if [ "${CI:-}" = "true" ] || [ -n "${TFV_FULL_CHECKS:-}" ]; then
  echo "== Sanitizer build (QtWebEngine's desktop tests stay in the normal build)"
  cmake --preset sanitize >/dev/null
  cmake --build "$here/build/sanitize" --target non_desktop_tests
  (cd "$here/build/sanitize" &&
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
      LSAN_OPTIONS=suppressions="$here/tests/lsan.supp" \
      ctest --output-on-failure --timeout 600 -E '^(e2e_|package_|desktop_)')
  echo "== Fuzz targets"
  "$here/scripts/fuzz.sh" 20
fi

echo "== Tests"
cd "$here/build/dev"
ctest --output-on-failure --timeout 300 "$@"
