#!/usr/bin/env bash
# Opens an article's source, replaces a word everywhere through the find
# dialog with the keyboard, closes the dialog answering Yes to saving, and
# checks the file on disk.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

page="$HOME/articles/lead.htm"
printf '<HTML><BODY><P>West led the king. The king held.</P><P CLASS="king">end</P></BODY></HTML>' >"$page"
cd "$HOME/articles"
# The same file twice opens its source in the editor.
e2e_start "$program" lead.htm lead.htm
e2e_focus
xdotool key ctrl+f
e2e_wait_dialog 'Find/Replace Text'
find="$dialog"
xdotool type --delay 30 'king'
xdotool key alt+p
xdotool type --delay 30 'queen'
import -window root "$artifacts/find-dialog.png"
xdotool key alt+a
# The report of the replacements made.
e2e_wait_dialog
import -window root "$artifacts/find-report.png"
xdotool key Return
e2e_wait_gone "$dialog"
# The dialog's close box: Save text replacements? Yes.
e2e_activate "$find"
xdotool key alt+F4
e2e_wait_dialog
import -window root "$artifacts/find-save-question.png"
xdotool key alt+y
e2e_wait_gone "$find"

e2e_wait_file "$page" 'West led the queen. The queen held.'
grep -q 'CLASS="king"' "$page" || { echo "text inside a tag was replaced"; cat "$page"; exit 1; }
echo "1 passed, 0 failed"
