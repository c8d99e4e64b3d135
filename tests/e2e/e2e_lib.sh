# Shared steps of the end-to-end tests: a private home, the program started
# under the running X server, waiting for its window, and pixel checks.
set -euo pipefail

e2e_setup() {
  work="$(mktemp -d)"
  export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
  export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  data="$XDG_DATA_HOME/TarnwellFileViewer"
  # The lexicon as the set-up installs it.
  if [ -n "${E2E_LEXICON:-}" ] && [ -d "$E2E_LEXICON" ]; then
    mkdir -p "$XDG_DATA_HOME/Quarn" && cp "$E2E_LEXICON"/*.accdb "$XDG_DATA_HOME/Quarn/"
  fi
  artifacts="${E2E_ARTIFACTS:-$work/artifacts}"
  mkdir -p "$artifacts"
  if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & wm=$!; sleep 0.5; fi
}

e2e_cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
}

# e2e_start PROGRAM ARGS...: starts the program and waits for its window.
e2e_start() {
  "$@" >"$work/program.log" 2>&1 &
  pid=$!
  for _ in $(seq 1 300); do
    win="$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1 || true)"
    [ -n "$win" ] && return 0
    kill -0 "$pid" 2>/dev/null || { cat "$work/program.log"; echo "program ended early"; return 1; }
    sleep 0.1
  done
  echo "no window appeared"; return 1
}

# e2e_focus: gives the program's window the keyboard (keys then go through
# XTEST, as a user's would).
e2e_focus() {
  win="$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1)"
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win" 2>/dev/null || true
  sleep 0.3
}

# e2e_pixel X Y: the colour at a point of the screen as "#RRGGBB".
e2e_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -1 | grep -o '#[0-9A-F]\{6\}' | head -1
}

# e2e_wait_pixel X Y COLOUR: waits up to 20 s for a point to show a colour.
e2e_wait_pixel() {
  for _ in $(seq 1 100); do
    [ "$(e2e_pixel "$1" "$2")" = "$3" ] && return 0
    sleep 0.2
  done
  echo "pixel at $1,$2 is $(e2e_pixel "$1" "$2"), not $3"; return 1
}

# e2e_wait_exit: waits up to 20 s for the program to end.
e2e_wait_exit() {
  for _ in $(seq 1 200); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; pid=""; return 0; }
    sleep 0.1
  done
  echo "the program did not end"; return 1
}

# e2e_find_run_end Y COLOUR FROM: the first x at or after FROM on screen row Y
# whose colour is not COLOUR (the end of a run of that colour).
e2e_find_run_end() {
  import -window root -crop "1600x1+0+$1" -depth 8 txt:- 2>/dev/null |
    awk -v c="$2" -v from="$3" -F'[,:]' '!done && NR > 1 && $1 >= from && index($0, c) == 0 { print $1; done = 1 }'
}

# e2e_count_colour X Y W H COLOUR: how many pixels of a screen rectangle
# show exactly that colour.
e2e_count_colour() {
  import -window root -crop "${3}x${4}+${1}+${2}" png:- 2>/dev/null |
    convert - -fill black +opaque "$5" -fill white -opaque "$5" -format '%[fx:round(mean*w*h)]' info:
}
