#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the desktop ones
# under Xvfb).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" dev
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$here/build/dev"
ctest --output-on-failure --timeout 300 "$@"
