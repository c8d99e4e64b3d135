#!/usr/bin/env bash
# Starts the real program with configuration files whose sizes are far beyond
# the screen (2000000000 and 600000 twips, and one written on a desk of three
# monitors 11520 pixels wide): each time the window must come up inside the
# 1600 x 1000 screen, show its pages and close cleanly, writing back sizes
# that fit the screen.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

mkdir -p "$HOME/articles" "$data"
printf '<HTML><BODY BGCOLOR="#FF0000"></BODY></HTML>\r\n' >"$HOME/articles/left.htm"
printf '<HTML><BODY BGCOLOR="#0000FF"></BODY></HTML>\r\n' >"$HOME/articles/right.htm"
cd "$HOME/articles"
cfg="$data/VontrelFileViewer.cfg"

# write_config N1 ... N9: the nine numbers, five colours, an empty recent
# list and the option line, each line ended by CR LF.
write_config() {
  : >"$cfg"
  for n in "$@"; do printf ' %s \r\n' "$n" >>"$cfg"; done
  for _ in 1 2 3 4 5; do printf '\r\n' >>"$cfg"; done
  for _ in $(seq 1 20); do printf '\r\n' >>"$cfg"; done
  printf 'False\r\n' >>"$cfg"
}

ended() { ! kill -0 "$pid" 2>/dev/null; }
framed() { xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; }
page_drawn() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  [ "$(e2e_pixel $((X + 60)) $((Y + HEIGHT / 2)))" = "#FF0000" ]
}

# run_case NAME FILES...: starts the program on the files with the
# configuration in place and checks the window, the pages and the close.
run_case() {
  local name="$1"; shift
  echo "== $name"
  e2e_start "$program" "$@"
  # The window manager has framed the window (and the program has moved a
  # frame that stuck out) once the frame is known and the page is drawn.
  e2e_until framed || { echo "$name: the window was never framed"; return 1; }
  e2e_until page_drawn || { echo "$name: the left page was never drawn"; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$win")"
  # xdotool counts the frame's offset twice in a framed window's position;
  # xwininfo gives the true one, and the window manager the frame around it.
  X="$(xwininfo -id "$win" | sed -n 's/.*Absolute upper-left X: *//p')"
  Y="$(xwininfo -id "$win" | sed -n 's/.*Absolute upper-left Y: *//p')"
  read -r fl fr ft fb < <(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,/ /g')
  echo "window at $X,$Y size ${WIDTH}x$HEIGHT, frame $fl $fr $ft $fb"
  [ $((X - fl)) -ge 0 ] && [ $((Y - ft)) -ge 0 ] || { echo "$name: window starts off the screen"; return 1; }
  [ $((X + WIDTH + fr)) -le 1600 ] || { echo "$name: window reaches past the screen's right edge"; return 1; }
  [ $((Y + HEIGHT + fb)) -le 1000 ] || { echo "$name: window reaches past the screen's bottom"; return 1; }
  # The browser panes work: the pages are shown.
  row=$((Y + HEIGHT / 2))
  e2e_wait_pixel $((X + 60)) "$row" "#FF0000"
  if [ $# -eq 2 ]; then e2e_wait_pixel $((X + WIDTH - 60)) "$row" "#0000FF"; fi
  import -window root "$artifacts/oversized-config-$name.png"
  e2e_focus
  e2e_menu alt+f
  xdotool key x
  e2e_until ended || { echo "$name: the program did not end"; return 1; }
  local status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || { echo "$name: the program ended with status $status"; cat "$work/program.log"; return 1; }
  # What it wrote back fits the screen: 24000 x 15000 twips.
  for line in 1 3 4 5 6 7 8 9; do
    n="$(sed -n "${line}p" "$cfg" | tr -d ' \r')"
    [ "$n" -ge 0 ] && [ "$n" -le 24000 ] || { echo "$name: line $line of the written file is $n"; return 1; }
  done
}

write_config 2000000000 2000000000 2000000000 2000000000 2000000000 2000000000 2000000000 2000000000 2000000000
run_case two-billion left.htm right.htm
write_config 600000 600000 600000 600000 600000 600000 600000 600000 600000
run_case six-hundred-thousand left.htm right.htm
write_config 600000 600000 600000 600000 600000 600000 600000 600000 600000
run_case six-hundred-thousand-one-pane left.htm
# Three 3840 x 2160 monitors side by side, the window spread over all
# three: 11520 pixels wide, its left edge on the second monitor.
write_config 57600 600 15000 172800 172800 172800 80000 90000 13500
run_case three-monitor-desk left.htm right.htm
write_config 57600 600 15000 172800 172800 172800 80000 90000 13500
run_case three-monitor-desk-one-pane left.htm
echo "5 passed, 0 failed"
