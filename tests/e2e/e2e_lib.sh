# Shared steps of the end-to-end tests: a private home, the program started
# under the running X server, waiting for its windows, and pixel checks.
# Each test runs under an X server of its own (ctest starts it through
# with-xvfb.sh) and takes the program's path as its argument.
#
# Every wait is for something the test can see (a window, a colour, a file's
# contents) and gives up only after e2e_patience seconds: the tests run many
# at once on a busy machine, where a fixed pause is sometimes too short.
set -euo pipefail
e2e_patience="${E2E_PATIENCE:-60}"

# e2e_setup [PROGRAM]: a scratch folder with a private home holding
# articles/, the window manager, and the clean-up at the end ($program).
e2e_setup() {
  program="${1:-}"
  work="$(mktemp -d)"
  trap e2e_cleanup EXIT
  export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
  export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
  mkdir -p "$HOME/articles" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  data="$XDG_DATA_HOME/TarnwellFileViewer"
  # The lexicon as the set-up installs it.
  if [ -n "${E2E_LEXICON:-}" ] && [ -d "$E2E_LEXICON" ]; then
    mkdir -p "$XDG_DATA_HOME/Quarn" && cp "$E2E_LEXICON"/*.accdb "$XDG_DATA_HOME/Quarn/"
  fi
  artifacts="${E2E_ARTIFACTS:-$work/artifacts}"
  mkdir -p "$artifacts"
  if command -v openbox >/dev/null; then
    openbox >"$work/openbox.log" 2>&1 &
    wm=$!
    # The window manager is up once it announces itself on the root window.
    e2e_until e2e_wm_running || {
      echo "the window manager did not start"
      kill -0 "$wm" 2>/dev/null || echo "(it ended)"
      cat "$work/openbox.log"
      return 1
    }
  fi
}

# Ends what the test started; the scratch folder goes too unless the test
# failed, when it is kept for a look (its name is printed).
e2e_cleanup() {
  local status=$?
  [ "$status" -eq 0 ] || import -window root "$work/at-failure.png" 2>/dev/null || true
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  if [ "$status" -eq 0 ]; then
    rm -rf "$work"
  else
    echo "scratch folder kept: $work"
  fi
}

# e2e_until COMMAND...: runs COMMAND every fifth of a second until it
# succeeds; fails when e2e_patience seconds pass without that.
e2e_until() {
  local end=$((SECONDS + e2e_patience))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}

e2e_wm_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# e2e_windows KIND: the program's visible top-level windows of a kind, one
# id a line: "main" (its window), "dialog" (dialogs and message boxes) or
# "menu" (open menus). Menus are the windows the window manager leaves
# alone (override-redirect), tooltips aside; dialogs belong to another
# window. (Qt does not always mark a menu's window as a menu.)
e2e_windows() {
  local w props
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
    props="$(xwininfo -id "$w" 2>/dev/null | grep 'Override Redirect' || true)
$(xprop -id "$w" _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR 2>/dev/null || true)"
    case "$props" in
      *"Override Redirect State: yes"*TOOLTIP*) ;;
      *"Override Redirect State: yes"*) [ "$1" = menu ] && echo "$w" ;;
      *DIALOG* | *"WM_TRANSIENT_FOR(WINDOW)"*) [ "$1" = dialog ] && echo "$w" ;;
      *) [ "$1" = main ] && echo "$w" ;;
    esac
  done
  return 0
}

e2e_has_main_window() {
  win="$(e2e_windows main | head -1)"
  [ -n "$win" ]
}

# e2e_launch PROGRAM ARGS...: starts the program ($pid), its output going
# to program.log in the scratch folder.
e2e_launch() {
  "$@" >>"$work/program.log" 2>&1 &
  pid=$!
  e2e_known_dialogs=""
}

# e2e_wait_main_window: waits for the program's main window ($win).
e2e_wait_main_window() {
  local end=$((SECONDS + e2e_patience))
  until e2e_has_main_window; do
    kill -0 "$pid" 2>/dev/null || { cat "$work/program.log"; echo "program ended early"; return 1; }
    [ "$SECONDS" -lt "$end" ] || { echo "no window appeared"; return 1; }
    sleep 0.2
  done
}

# e2e_start PROGRAM ARGS...: starts the program and waits for its window.
e2e_start() {
  e2e_launch "$@"
  e2e_wait_main_window
}

e2e_is_active() {
  [ "$(xdotool getactivewindow 2>/dev/null || true)" = "$1" ]
}

# e2e_activate ID: gives a window the keyboard (keys then go through XTEST,
# as a user's would) and waits until the window manager says it has it.
e2e_activate() {
  local end=$((SECONDS + e2e_patience))
  until e2e_is_active "$1"; do
    [ "$SECONDS" -lt "$end" ] || { echo "window $1 did not get the keyboard"; return 1; }
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true
    sleep 0.2
  done
}

# e2e_focus: gives the program's main window the keyboard.
e2e_focus() {
  e2e_activate "$win"
}

e2e_new_dialog() {
  dialog="$(e2e_windows dialog | grep -vxF -e "${e2e_known_dialogs:-none}" | tail -1 || true)"
  [ -n "$dialog" ] && { [ -z "${1:-}" ] || xdotool getwindowname "$dialog" 2>/dev/null | grep -qE "$1"; }
}

# e2e_wait_dialog [TITLE]: waits for a dialog or message box of the program
# that was not open when the last one was waited for (its title matching
# the extended regular expression TITLE, if given), gives it the keyboard
# and names it $dialog.
e2e_wait_dialog() {
  e2e_until e2e_new_dialog "${1:-}" || { echo "no dialog ${1:-} appeared"; return 1; }
  e2e_known_dialogs="$(e2e_windows dialog)"
  e2e_activate "$dialog"
}

e2e_is_gone() {
  ! xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qxF "$1"
}

# e2e_wait_gone ID: waits for a window to close.
e2e_wait_gone() {
  e2e_until e2e_is_gone "$1" || { echo "window $1 did not close"; return 1; }
}

e2e_menus_open() {
  [ "$(e2e_windows menu | wc -l)" -ge "$1" ]
}

# e2e_menu KEY [LEVEL]: presses KEY (alt+f, or a submenu's access key) and
# waits until LEVEL menus (1 unless given) are open; $menu is the newest.
e2e_menu() {
  xdotool key "$1"
  e2e_until e2e_menus_open "${2:-1}" || { echo "no menu opened on $1"; return 1; }
  menu="$(e2e_windows menu | tail -1)"
}

e2e_menus_closed() {
  [ "$(e2e_windows menu | wc -l)" -eq 0 ]
}

# e2e_html_menu: opens the HTML menu. "&HTML" and "&Help" share their
# access key, and Qt gives Alt+H to each in turn: when the small Help menu
# opens, it is closed and the key pressed again.
e2e_html_menu() {
  local tries=0 h
  while :; do
    e2e_menu alt+h || return 1
    h="$(xdotool getwindowgeometry --shell "$menu" | sed -n 's/^HEIGHT=//p')"
    [ "${h:-0}" -gt 150 ] && return 0
    tries=$((tries + 1))
    [ "$tries" -lt 3 ] || { echo "Alt+H never opened the HTML menu"; return 1; }
    xdotool key Escape
    e2e_until e2e_menus_closed || { echo "the Help menu did not close"; return 1; }
  done
}

e2e_width_is_not() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  [ "$WIDTH" -ne "$1" ]
}

# e2e_edit_source: F11 on a page shown alone opens its source beside it; the
# window widens for the editor, which has the keyboard afterwards.
e2e_edit_source() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  local before="$WIDTH"
  xdotool key F11
  e2e_until e2e_width_is_not "$before" || { echo "F11 did not open the editor"; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$win")"
}

e2e_file_has() {
  grep -q "$@" 2>/dev/null
}

# e2e_wait_file FILE PATTERN: waits until a file holds a line matching the
# basic regular expression PATTERN.
e2e_wait_file() {
  e2e_until e2e_file_has -e "$2" "$1" || { echo "$1 never held $2:"; cat -A "$1" 2>/dev/null | head -20; return 1; }
}

# e2e_pixel X Y: the colour at a point of the screen as "#RRGGBB".
e2e_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -1 | grep -o '#[0-9A-F]\{6\}' | head -1
}

e2e_pixel_is() {
  [ "$(e2e_pixel "$1" "$2")" = "$3" ]
}

# e2e_wait_pixel X Y COLOUR: waits for a point to show a colour.
e2e_wait_pixel() {
  e2e_until e2e_pixel_is "$1" "$2" "$3" || { echo "pixel at $1,$2 is $(e2e_pixel "$1" "$2"), not $3"; return 1; }
}

e2e_has_ended() {
  kill -0 "$pid" 2>/dev/null && return 1
  wait "$pid" || true
  pid=""
}

# e2e_wait_exit: waits for the program to end.
e2e_wait_exit() {
  e2e_until e2e_has_ended || { echo "the program did not end"; return 1; }
}

# e2e_find_run_end Y COLOUR FROM: the first x at or after FROM on screen row Y
# whose colour is not COLOUR (the end of a run of that colour).
e2e_find_run_end() {
  import -window root -crop "1600x1+0+$1" -depth 8 txt:- 2>/dev/null |
    awk -v c="$2" -v from="$3" -F'[,:]' '!done && NR > 1 && $1 >= from && index($0, c) == 0 { print $1; done = 1 }'
}

# e2e_count_colour X Y W H COLOUR: pixels of a screen rectangle of exactly that colour.
e2e_count_colour() {
  import -window root -crop "${3}x${4}+${1}+${2}" -depth 8 txt:- 2>/dev/null | grep -c "$5" || true
}
