#!/usr/bin/env bash
# Opens an article's source, replaces a word everywhere through the find
# dialog with the keyboard, closes the dialog answering Yes to saving, and
# checks the file on disk. Run under an X server (ctest runs it through
# xvfb-run).
program="$1"
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup
trap e2e_cleanup EXIT

mkdir -p "$HOME/articles"
page="$HOME/articles/lead.htm"
printf '<HTML><BODY><P>West led the king. The king held.</P><P CLASS="king">end</P></BODY></HTML>' >"$page"
cd "$HOME/articles"
# The same file twice opens its source in the editor.
e2e_start "$program" lead.htm lead.htm
sleep 1.5
e2e_focus
xdotool key ctrl+f
sleep 1
xdotool type --delay 30 'king'
xdotool key alt+p
xdotool type --delay 30 'queen'
sleep 0.3
import -window root "$artifacts/find-dialog.png"
xdotool key alt+a
sleep 1
import -window root "$artifacts/find-report.png"
xdotool key Return
sleep 0.5
# The dialog's close box: Save text replacements? Yes.
dialog="$(xdotool search --onlyvisible --name 'Find/Replace Text' | head -1)"
[ -n "$dialog" ] || { echo "the find dialog is not shown"; exit 1; }
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
xdotool key alt+F4
sleep 1
import -window root "$artifacts/find-save-question.png"
xdotool key alt+y
sleep 1

grep -q 'West led the queen. The queen held.' "$page" || { echo "the replacements were not saved"; cat "$page"; exit 1; }
grep -q 'CLASS="king"' "$page" || { echo "text inside a tag was replaced"; cat "$page"; exit 1; }
echo "1 passed, 0 failed"
