#!/usr/bin/env bash
# F12 on an article whose words test the check's rules: accented words and
# typographic apostrophes are words, an address and a file name are no prose,
# the contents of STYLE and SCRIPT are no text, a name written in small
# letters ("paris") and a word that only a prefix would make ("desing") are
# misspellings. The check stops at exactly those two; the first suggestion of
# each is taken, and the saved file shows the result.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

page="$HOME/articles/rules.htm"
printf '<HTML><HEAD><STYLE>p { colr: red }</STYLE><SCRIPT>var desing = 1;</SCRIPT></HEAD><BODY>\r\n<P>We ate at the caf\xc3\xa9 in paris with a na\xc3\xafve fianc\xc3\xa9e who isn\xe2\x80\x99t sure they\xe2\x80\x99ve met; see page.htm or http://www.bridgebase.com/deal.htm for the hands. Their desing was clever.</P>\r\n</BODY></HTML>' >"$page"
cd "$HOME/articles"
e2e_start "$program" rules.htm
e2e_focus
e2e_edit_source

# selected_word: where the source editor shows a selection, as "WxH+X+Y".
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
choose_first() {
  xdotool key shift+Tab
  xdotool key Down
  xdotool key alt+r
}

xdotool key F12
e2e_until new_word_selected || { echo "the check stopped at no word"; exit 1; }
import -window root "$artifacts/spell-rules-first-word.png"
choose_first
e2e_until new_word_selected || { echo "the check did not go on to a second word"; exit 1; }
import -window root "$artifacts/spell-rules-second-word.png"
choose_first
# "Spell-check is completed." after exactly two words.
e2e_wait_dialog
import -window root "$artifacts/spell-rules-completed.png"
xdotool key Return
e2e_wait_gone "$dialog"
e2e_focus
xdotool key ctrl+s

e2e_wait_file "$page" 'Their design was' || { echo "desing was not corrected"; cat "$page"; exit 1; }
expected=$(printf 'in Paris with a na\xc3\xafve fianc\xc3\xa9e who isn\xe2\x80\x99t sure they\xe2\x80\x99ve met; see page.htm or http://www.bridgebase.com/deal.htm for')
grep -qF "$expected" "$page" || { echo "the check changed what it should have passed over"; cat "$page"; exit 1; }
grep -qF 'var desing = 1;' "$page" || { echo "the script was checked"; exit 1; }
grep -qF 'colr: red' "$page" || { echo "the style was checked"; exit 1; }
echo "1 passed, 0 failed"
