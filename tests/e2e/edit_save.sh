#!/usr/bin/env bash
# Opens a page, F11 to edit its source, types a word, Ctrl+S: the file on
# disk holds the word and the left pane shows it. Run under an X server
# (ctest runs it through xvfb-run).
program="$1"
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup
trap e2e_cleanup EXIT

mkdir -p "$HOME/articles"
page="$HOME/articles/deal.htm"
printf '<HTML><BODY BGCOLOR="#FFFFFF">\r\n<H1 STYLE="color:#000000">Deal</H1>\r\n</BODY></HTML>' >"$page"
cd "$HOME/articles"
e2e_start "$program" deal.htm
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + 300)) $((Y + 300)) "#FFFFFF"

e2e_focus
e2e_edit_source
# The caret stands at the start of the source: type a coloured block there.
xdotool key ctrl+Home
xdotool type --delay 20 '<DIV STYLE="background:#00A000;height:200px">Grand slam</DIV>'
xdotool key ctrl+s
e2e_wait_file "$page" 'Grand slam</DIV>'
# Exactly the typed text and what the file held: nothing added at its end.
printf '<DIV STYLE="background:#00A000;height:200px">Grand slam</DIV><HTML><BODY BGCOLOR="#FFFFFF">\r\n<H1 STYLE="color:#000000">Deal</H1>\r\n</BODY></HTML>' >"$work/expected"
cmp "$page" "$work/expected" || { echo "the saved file is not the text as edited"; od -c "$page" | tail -5; exit 1; }
# The left pane was refreshed and shows the green block.
e2e_wait_pixel $((X + 150)) $((Y + 150)) "#00A000"
import -window root "$artifacts/edit-save.png"
echo "1 passed, 0 failed"
