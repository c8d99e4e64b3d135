#!/usr/bin/env bash
# Resizes the real window and drags the splitter with the mouse, opens the
# File menu for a screenshot, exits, and checks the pane widths written to the
# configuration file.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

printf '<HTML><BODY BGCOLOR="#FF0000"></BODY></HTML>\r\n' >"$HOME/articles/left.htm"
printf '<HTML><BODY BGCOLOR="#0000FF"></BODY></HTML>\r\n' >"$HOME/articles/right.htm"
cd "$HOME/articles"
e2e_start "$program" left.htm right.htm
eval "$(xdotool getwindowgeometry --shell "$win")"
row=$((Y + 300))
e2e_wait_pixel $((X + 100)) "$row" "#FF0000"
e2e_wait_pixel $((X + WIDTH - 100)) "$row" "#0000FF"

# Resize to 1200 x 800 pixels: the layout refits both panes.
xdotool windowsize --sync "$win" 1200 800 || xdotool windowsize "$win" 1200 800
width_is_1200() { ! e2e_width_is_not 1200; }
e2e_until width_is_1200 || { echo "window is $WIDTH wide after the resize"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + WIDTH - 60)) "$row" "#0000FF"
# The left pane ends (the splitter starts) left of the window's middle
# once the panes are refitted.
split=""
split_found() {
  split=$(e2e_find_run_end "$row" "#FF0000" $((X + 20)))
  [ -n "$split" ] && [ "$split" -lt $((X + WIDTH / 2 + 20)) ] && e2e_pixel_is $((split + 20)) "$row" "#0000FF"
}
e2e_until split_found || { echo "no splitter found (${split:-none})"; exit 1; }
echo "splitter starts at x=$split"

# Drag the splitter 150 pixels to the right.
grab=$((split + 4))
xdotool mousemove --sync "$grab" "$row"
xdotool mousedown 1
for step in 30 60 90 120 150; do xdotool mousemove --sync $((grab + step)) "$row"; sleep 0.1; done
xdotool mouseup 1
moved=""
splitter_moved() {
  moved=$(e2e_find_run_end "$row" "#FF0000" $((X + 20)))
  [ -n "$moved" ] && [ $((moved - split)) -ge 140 ] && [ $((moved - split)) -le 160 ]
}
e2e_until splitter_moved || { echo "the splitter did not follow the mouse (${moved:-none})"; exit 1; }
echo "splitter now at x=$moved"
e2e_wait_pixel $((moved + 20)) "$row" "#0000FF"

e2e_focus
e2e_menu alt+f
import -window root "$artifacts/two-panes-menu-open.png"
xdotool key Escape
e2e_wait_gone "$menu"
e2e_focus
e2e_menu alt+f
xdotool key x
e2e_wait_exit

cfg="$data/VontrelFileViewer.cfg"
num() { sed -n "${1}p" "$cfg" | tr -d ' \r'; }
echo "width $(num 4), two-pane width $(num 6), panes $(num 7) + $(num 8)"
[ "$(num 4)" -eq 18000 ] || { echo "line 4 is not the 1200-pixel width in twips"; exit 1; }
[ "$(num 6)" -eq 18000 ] || { echo "line 6 is not the two-pane width"; exit 1; }
sum=$(( $(num 7) + $(num 8) ))
# The panes fill the window less its margins, to within the pixel grid.
off=$((sum - (18000 - 580)))
[ "${off#-}" -le 30 ] || { echo "pane widths add up to $sum"; exit 1; }
diff=$(( $(num 7) - $(num 8) ))
[ "$diff" -ge 4000 ] && [ "$diff" -le 5000 ] || { echo "left pane is not 150 pixels wider than half: $diff"; exit 1; }
echo "1 passed, 0 failed"
