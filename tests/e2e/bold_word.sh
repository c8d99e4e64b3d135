#!/usr/bin/env bash
# Opens a page's source with F11, selects a word with the keyboard, makes it
# bold with Ctrl+B and saves with Ctrl+S: the file holds "<B>word</B>" and the
# refreshed left pane shows the bold word (bold text has a green background in
# this page, so the check is a colour on screen).
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

page="$HOME/articles/bold.htm"
printf '%s\r\n' '<HTML><HEAD><STYLE>' 'B { background: #00FF00 }' '</STYLE></HEAD>' \
  '<BODY STYLE="font-size: 48px">' 'word and more' '</BODY></HTML>' >"$page"

cd "$HOME/articles"
e2e_start "$program" bold.htm
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + 200)) $((Y + 300)) "#FFFFFF"

# green_in_left_pane: whether the left part of the window shows #00FF00.
green_in_left_pane() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root -crop "$((WIDTH / 2))x$((HEIGHT - 100))+$X+$((Y + 80))" +repage "$work/left.png" 2>/dev/null
  grep -qi '#00FF00' <<<"$(convert "$work/left.png" -format %c histogram:info:-)"
}
if green_in_left_pane; then echo "the page shows bold text before the edit"; exit 1; fi

e2e_focus
e2e_edit_source
import -window root "$artifacts/bold-editor-open.png"

# The editor has the keyboard: go to the word's line and select it.
xdotool key --delay 40 ctrl+Home Down Down Down Down shift+Right shift+Right shift+Right shift+Right
import -window root "$artifacts/bold-word-selected.png"
xdotool key ctrl+b
xdotool key ctrl+s

e2e_wait_file "$page" '<B>word</B> and more' || { cat "$work/program.log"; exit 1; }
grep -q $'^<B>word</B> and more\r$' "$page" || { echo "saved file:"; cat -A "$page"; exit 1; }

shown=""
e2e_until green_in_left_pane && shown=yes
import -window root "$artifacts/bold-saved.png"
[ -n "$shown" ] || { echo "the left pane does not show the bold word"; exit 1; }
echo "word made bold, saved and shown"

# Link Internal's first run shows its instruction box over the editor; a
# click on the box cancels and hides it. The box is the only pale yellow
# (#FFFFE1) on screen.
box_pixel() {
  import -window root "$work/screen.png" 2>/dev/null
  { convert "$work/screen.png" txt:- | grep -m1 -i '#FFFFE1' | sed -E 's/^([0-9]+),([0-9]+):.*/\1 \2/'; } || true
}
box_shown() { at="$(box_pixel)"; [ -n "$at" ]; }
box_gone() { ! box_shown; }
xdotool key ctrl+l
at=""
e2e_until box_shown || true
import -window root "$artifacts/link-box-shown.png"
[ -n "$at" ] || { echo "the instruction box did not appear"; exit 1; }
read -r bx by <<<"$at"
xdotool mousemove $((bx + 40)) $((by + 40)) click 1
gone=""
e2e_until box_gone && gone=yes
import -window root "$artifacts/link-box-cancelled.png"
[ -n "$gone" ] || { echo "a click on the instruction box did not hide it"; exit 1; }
grep -q 'HREF' "$page" && { echo "a cancelled link changed the file"; exit 1; }
echo "instruction box shown and cancelled by a click"
echo "1 passed, 0 failed"
