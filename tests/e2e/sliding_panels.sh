#!/usr/bin/env bash
# The sliding panels end clear of the source editor: the spelling check's
# suggestion box (F12) and the "Page Colors" panel slide out from the editor's
# left edge and stop over the left pane, leaving the start of every source
# line to be seen; Close brings the box back and hides it.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

page="$HOME/articles/panels.htm"
printf '%s\r\n' '<HTML><BODY BGCOLOR="#AFFEFE">' '<H1>Panels</H1>' \
  '<P>The declarer wun the opening lead in hand and drew trumps at once, then played on the clubs.</P>' \
  '</BODY></HTML>' >"$page"
cd "$HOME/articles"
e2e_start "$program" panels.htm
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + 100)) $((Y + 300)) '#AFFEFE' || exit 1
e2e_focus
e2e_edit_source
eval "$(xdotool getwindowgeometry --shell "$win")"
# A screen row through both panels where the source editor holds no text,
# and one below them.
row=$((Y + 250))
below=$((Y + 520))

# colours_at X W [ROW]: the colours of W pixels of the row from X, one a line.
colours_at() {
  import -window root png:- 2>/dev/null | convert - -crop "${2}x1+$1+${3:-$row}" +repage -depth 8 txt:- |
    awk 'NR > 1 { print $3 }'
}
# find_editor: the source editor's left edge, found below the panels as
# the first white pixel after the left pane (which shows the page's
# #AFFEFE). Looked for afresh at every check: the window may lay its panes
# out again meanwhile.
find_editor() {
  editor_left=$(import -window root png:- 2>/dev/null | convert - -crop "${WIDTH}x1+$X+$below" +repage -depth 8 txt:- |
    awk -F'[,: ]+' -v x0="$X" 'NR > 1 && /#AFFEFE/ { pane = 1 } NR > 1 && pane && !found && /#FFFFFF/ { print $1 + x0; found = 1 }')
  [ -n "$editor_left" ]
}
# uncovered: the first 20 columns of the editor show on the row.
uncovered() { find_editor && [ "$(colours_at "$editor_left" 20 | grep -c '#FFFFFF')" = 20 ]; }
# beside: something other than the left pane stands 20 pixels left of the
# editor, where a panel that slid out ends.
beside() { find_editor && [ "$(colours_at $((editor_left - 20)) 1)" != '#AFFEFE' ]; }
e2e_until uncovered || { import -window root "$artifacts/panels-no-editor.png"; echo "no editor on row $row"; exit 1; }

# F12: the box slides out, then the check marks "wun" in the editor.
word_marked() {
  import -window root -crop "600x400+$editor_left+$((Y + 30))" png:- 2>/dev/null |
    convert - -fill black +opaque '#308CC6' -fill white -opaque '#308CC6' -format '%[fx:round(mean*w*h)]' info: 2>/dev/null |
    grep -qv '^0$'
}
box_out() { word_marked && beside && uncovered; }
xdotool key F12
e2e_until box_out || {
  import -window root "$artifacts/suggestion-box-out.png"
  echo "the suggestion box does not end beside the editor (editor columns: $(colours_at "$editor_left" 20 | sort | uniq -c | tr '\n' ' '))"
  exit 1
}
import -window root "$artifacts/suggestion-box-out.png"
echo "the suggestion box ends beside the editor"

# Close (Alt+C from the replacement field, which has the keyboard): the box
# slides back over the editor and is hidden.
xdotool key alt+c
box_gone() { ! beside && uncovered; }
e2e_until box_gone || { import -window root "$artifacts/suggestion-box-closed.png"; echo "the box did not go"; exit 1; }
echo "Close took the box away"

# HTML > Colors > Page Colors: the panel of the five page colours.
e2e_focus
e2e_html_menu
e2e_menu c 2
xdotool key p
swatch_shown() {
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" png:- 2>/dev/null |
    convert - -fill black +opaque '#000080' -fill white -opaque '#000080' -format '%[fx:round(mean*w*h)]' info: 2>/dev/null |
    grep -qv '^0$'
}
panel_out() { swatch_shown && beside && uncovered; }
e2e_until panel_out || {
  import -window root "$artifacts/page-colors-panel.png"
  echo "the Page Colors panel does not end beside the editor (editor columns: $(colours_at "$editor_left" 20 | sort | uniq -c | tr '\n' ' '))"
  exit 1
}
import -window root "$artifacts/page-colors-panel.png"
echo "the Page Colors panel ends beside the editor"

echo "3 passed, 0 failed"
