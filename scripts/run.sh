#!/usr/bin/env bash
# Installs what is missing, builds, and starts the viewer with the files
# given (none: the help page).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" release
program="$here/build/release/app/tarnwell-file-viewer"
# The build made the default spelling lexicon (build/release/default-lexicon);
# the viewer copies it into the user's lexicon folder when that holds none.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the viewer under Xvfb, where it cannot be seen."
  echo "Run this command on a desktop to see the window, or connect a display and set DISPLAY."
  export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$program" "$@"
fi
exec "$program" "$@"
