#!/usr/bin/env bash
# Types a misspelt word and a correct one into the source editor: the misspelt
# word turns red, the correct one stays black; a name typed in small letters
# turns red, written as a name it stays black.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

printf '<HTML><BODY>\r\n</BODY></HTML>' >"$HOME/articles/notes.htm"
cd "$HOME/articles"
e2e_start "$program" notes.htm notes.htm
e2e_focus
xdotool key ctrl+End
# red: how many pixel columns of the right half of the screen (the editor)
# hold pure red, the colour of a word marked as misspelt. Columns, not
# pixels: a word's count then hardly depends on where it stands.
red() {
  import -window root -crop 800x1000+800+0 png:- 2>/dev/null |
    convert - -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' -colorspace gray \
      -scale '800x1!' -threshold 0 -format '%[fx:round(mean*w)]' info:
}
red_before=$(red)
xdotool type --delay 40 ' helo '
red_after=$red_before
helo_marked() {
  red_after=$(red)
  [ "$red_after" -gt $((red_before + 5)) ]
}
e2e_until helo_marked || true
import -window root "$artifacts/typing-helo-red.png"
echo "red columns before $red_before, after helo $red_after"
[ "$red_after" -gt $((red_before + 5)) ] || { echo "helo was not marked red"; exit 1; }

# Known words, then "helo" once more: once that second "helo" is marked
# (the editor checks words in the order typed), the known words before it
# have been checked too, and the red has grown by one "helo" only.
xdotool type --delay 40 'the lead helo '
helo=$((red_after - red_before))
red_known=$red_after
second_helo_marked() {
  red_known=$(red)
  [ "$red_known" -gt "$red_after" ]
}
e2e_until second_helo_marked || { echo "the second helo was not marked red"; exit 1; }
import -window root "$artifacts/typing-known-words.png"
echo "red columns after the known words and helo: $red_known"
[ $((red_known - red_after)) -le $((helo + helo / 3)) ] || { echo "known words were marked"; exit 1; }

# A name is a word as written ("Paris"), not in small letters ("paris"):
# the red grows by "paris" alone (five letters to helo's four).
xdotool type --delay 40 'Paris paris '
red_names=$red_known
paris_marked() {
  red_names=$(red)
  [ "$red_names" -gt "$red_known" ]
}
e2e_until paris_marked || { echo "paris was not marked red"; exit 1; }
import -window root "$artifacts/typing-paris.png"
echo "red columns after Paris and paris: $red_names"
[ $((red_names - red_known)) -le $((helo * 5 / 4 + helo / 3)) ] || { echo "Paris was marked too"; exit 1; }
echo "1 passed, 0 failed"
