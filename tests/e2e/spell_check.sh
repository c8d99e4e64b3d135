#!/usr/bin/env bash
# F12 on an article with two misspellings: the suggestion box slides out,
# the first suggestion of each word is chosen with the keyboard, the check
# completes and the saved file holds the corrections. Run under an X server
# (ctest runs it through xvfb-run).
program="$1"
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup
trap e2e_cleanup EXIT

mkdir -p "$HOME/articles"
page="$HOME/articles/deal.htm"
printf '<HTML><BODY BGCOLOR="#FFFFFF">\r\n<P>My partnr led the king of spades and declarer won with the ace. Then he drew trumps and claimed the rest, making his contract with an overtrik.</P>\r\n</BODY></HTML>' >"$page"
cd "$HOME/articles"
e2e_start "$program" deal.htm
e2e_focus
xdotool key F11
sleep 1.5
xdotool key F12
# The box slides out and the lexicon's suggestions come (slow in a debug build).
sleep 4
import -window root "$artifacts/spell-check-box.png"
# The keyboard is in the replacement field: back to the list, its first
# entry, then "&Replace with:".
choose_first() {
  xdotool key shift+Tab
  sleep 0.3
  xdotool key Down
  sleep 0.3
  xdotool key alt+r
  sleep 3
}
choose_first
import -window root "$artifacts/spell-check-second-word.png"
choose_first
import -window root "$artifacts/spell-check-completed.png"
# "Spell-check is completed."
xdotool key Return
sleep 0.5
xdotool key ctrl+s
sleep 1

cat "$page"; echo
grep -q 'My partner led' "$page" || { echo "partnr was not corrected"; exit 1; }
grep -q 'with an overtrick\.' "$page" || { echo "overtrik was not corrected"; exit 1; }
echo "1 passed, 0 failed"
