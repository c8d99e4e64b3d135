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
e2e_edit_source

# selected_word: where the source editor (the right part of the window)
# shows a selection, as "WxH+X+Y" ("" without one). The check selects
# each misspelling it stops at, once the box has slid out.
selected_word() {
  import -window root -crop "600x400+$((X + WIDTH - 620))+$((Y + 30))" png:- 2>/dev/null |
    convert - -fill black +opaque '#308CC6' -fill white -opaque '#308CC6' -format '%@' info: 2>/dev/null |
    grep -v '^0x0' || true
}
word=""
new_word_selected() {
  local now
  now="$(selected_word)"
  [ -n "$now" ] && [ "$now" != "$word" ] && word="$now"
}

xdotool key F12
# The box slides out and the lexicon's suggestions come (slow in a debug build).
e2e_until new_word_selected || { echo "the check stopped at no word"; exit 1; }
import -window root "$artifacts/spell-check-box.png"
# The keyboard is in the replacement field: back to the list, its first
# entry, then "&Replace with:".
choose_first() {
  xdotool key shift+Tab
  xdotool key Down
  xdotool key alt+r
}
choose_first
e2e_until new_word_selected || { echo "the check did not go on to the second word"; exit 1; }
import -window root "$artifacts/spell-check-second-word.png"
choose_first
# "Spell-check is completed."
e2e_wait_dialog
import -window root "$artifacts/spell-check-completed.png"
xdotool key Return
e2e_wait_gone "$dialog"
e2e_focus
xdotool key ctrl+s

e2e_wait_file "$page" 'with an overtrick\.' || { echo "overtrik was not corrected"; exit 1; }
grep -q 'My partner led' "$page" || { echo "partnr was not corrected"; cat "$page"; exit 1; }
echo "1 passed, 0 failed"
