#!/usr/bin/env bash
# Starts the real program with two pages, checks both panes render them, swaps
# them and back, closes it through File > Exit and checks the configuration
# file it wrote.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

printf '<HTML><BODY BGCOLOR="#FF0000"><H1>Left</H1></BODY></HTML>\r\n' >"$HOME/articles/left.htm"
printf '<HTML><BODY BGCOLOR="#0000FF"><H1>Right</H1></BODY></HTML>\r\n' >"$HOME/articles/right page.htm"

cd "$HOME/articles"
e2e_start "$program" left.htm "right page.htm"

# Both panes render their page: red on the left, blue on the right. The
# window spans the 1600-pixel monitor; the panes split it.
xdotool getwindowgeometry "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + 200)) $((Y + 300)) "#FF0000"
e2e_wait_pixel $((X + WIDTH - 200)) $((Y + 300)) "#0000FF"
import -window root "$artifacts/two-panes.png"

# Swap Panels (F7): each pane shows the other's page, the right one once the
# left has loaded; a second swap (taken only once the first is over) puts
# them back.
e2e_focus
xdotool key F7
e2e_wait_pixel $((X + 200)) $((Y + 300)) "#0000FF" || exit 1
e2e_wait_pixel $((X + WIDTH - 200)) $((Y + 300)) "#FF0000" || exit 1
import -window root "$artifacts/two-panes-swapped.png"
# F7 is pressed again only while both panes still show the swapped pages:
# pressed while the first swap waits for its right pane, it is not taken.
swapped_back() {
  if e2e_pixel_is $((X + 200)) $((Y + 300)) "#0000FF" && e2e_pixel_is $((X + WIDTH - 200)) $((Y + 300)) "#FF0000"; then
    xdotool key F7
  fi
  e2e_pixel_is $((X + 200)) $((Y + 300)) "#FF0000" && e2e_pixel_is $((X + WIDTH - 200)) $((Y + 300)) "#0000FF"
}
e2e_until swapped_back || { import -window root "$artifacts/two-panes-not-back.png"; echo "the second swap did not put the pages back"; exit 1; }

# File > Exit through the keyboard.
e2e_focus
e2e_menu alt+f
import -window root "$artifacts/file-menu.png"
xdotool key x
e2e_wait_exit

cfg="$data/VontrelFileViewer.cfg"
test -f "$cfg" || { echo "no configuration file written"; exit 1; }
lines=$(grep -c $'\r$' "$cfg")
[ "$lines" -eq 35 ] || { echo "configuration has $lines CR LF lines, not 35"; exit 1; }
[ "$(wc -l <"$cfg")" -eq 35 ] || { echo "configuration is not 35 lines"; exit 1; }
sed -n 35p "$cfg" | grep -q '^False' || { echo "line 35 is not False"; exit 1; }
# Line 6 (two-pane width) is the window's width in twips, written " N ".
sed -n 6p "$cfg" | grep -qE '^ [0-9]+ '$'\r''$' || { echo "line 6 is not a number"; cat -A "$cfg" | head -9; exit 1; }
sed -n 16p "$cfg" | grep -q '^left.htm' || { echo "left.htm is not the newest recent file"; cat -A "$cfg"; exit 1; }
sed -n 15p "$cfg" | grep -q "^$HOME/articles/" || { echo "recent folder wrong"; exit 1; }
echo "two panes shown, configuration written"
echo "1 passed, 0 failed"
