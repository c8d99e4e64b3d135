#!/usr/bin/env bash
# The shell keeps what its menus and keys promise: with "Open Links/Files in
# Right Window" stored as on, the start file still shows on the left; F9 in
# the editor opens the find dialog, and a whole-word Replace All from it is
# saved; Replace with no match changes nothing.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

mkdir -p "$HOME/articles" "$data"
page="$HOME/articles/lead.htm"
printf '<HTML><BODY BGCOLOR="#FF0000"><P>The king and the kingdom.</P></BODY></HTML>' >"$page"
# A configuration with nothing stored but the open-in-right option.
cfg="$data/VontrelFileViewer.cfg"
: >"$cfg"
for _ in $(seq 1 34); do printf '\r\n' >>"$cfg"; done
printf 'True\r\n' >>"$cfg"
cd "$HOME/articles"
no_menu_open() { [ -z "$(e2e_windows menu)" ]; }

e2e_start "$program" lead.htm
eval "$(xdotool getwindowgeometry --shell "$win")"
# The start page is drawn on the left, and the window stays one pane wide.
e2e_wait_pixel $((X + 100)) $((Y + 200)) "#FF0000"
import -window root "$artifacts/shell-open-right-start.png"
[ "$WIDTH" -lt 1500 ] || { echo "the start file was sent to a right pane"; exit 1; }

e2e_focus
e2e_edit_source
# F9 (Replace Text, a hidden entry) opens the dialog from the editor, also
# right after a menu was closed with Esc (each key is registered once, so
# it is never ambiguous).
e2e_menu alt+e
xdotool key Escape
e2e_until no_menu_open || { echo "the menu did not close"; exit 1; }
e2e_focus
xdotool key F9
e2e_wait_dialog 'Find/Replace Text'
find="$dialog"
xdotool type --delay 30 'king'
xdotool key alt+w
xdotool key alt+p
xdotool type --delay 30 'queen'
xdotool key alt+a
e2e_wait_dialog
import -window root "$artifacts/shell-replace-all.png"
xdotool key Return
e2e_wait_gone "$dialog"
e2e_activate "$find"
xdotool key alt+F4
e2e_wait_dialog
xdotool key alt+y
e2e_wait_gone "$find"
e2e_wait_file "$page" 'The queen and the kingdom.'

# Replace with nothing to match: the file stays as it is.
cp "$page" "$work/before"
e2e_focus
xdotool key F9
e2e_wait_dialog 'Find/Replace Text'
find="$dialog"
xdotool type --delay 30 'nothing like it'
xdotool key alt+p
xdotool type --delay 30 'XYZ'
xdotool key alt+r
# The search reports its end.
e2e_wait_dialog
xdotool key Return
e2e_wait_gone "$dialog"
e2e_activate "$find"
xdotool key alt+F4
e2e_wait_gone "$find"
touch -d '1 minute ago' "$page"
touch "$work/mark"
e2e_focus
xdotool key ctrl+s
saved() { [ "$page" -nt "$work/mark" ]; }
e2e_until saved || { echo "Ctrl+S wrote nothing"; exit 1; }
cmp -s "$page" "$work/before" || { echo "Replace with no match changed the text"; cat "$page"; exit 1; }
echo "1 passed, 0 failed"
