#!/usr/bin/env bash
# Configures and builds the program and its tests (preset "dev" unless one
# is named: dev, release, sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
