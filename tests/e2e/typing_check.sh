#!/usr/bin/env bash
# Types a misspelt word and a correct one into the source editor: the
# misspelt word turns red, the correct one stays black. Run under an X
# server (ctest runs it through xvfb-run).
program="$1"
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup
trap e2e_cleanup EXIT

mkdir -p "$HOME/articles"
printf '<HTML><BODY>\r\n</BODY></HTML>' >"$HOME/articles/notes.htm"
cd "$HOME/articles"
e2e_start "$program" notes.htm notes.htm
sleep 1.5
e2e_focus
xdotool key ctrl+End
red() { e2e_count_colour 800 0 800 1000 '#FF0000'; }
red_before=$(red)
xdotool type --delay 40 ' helo '
# The first word typed loads the lexicon's index (slow in a debug build).
for _ in $(seq 1 60); do
  red_after=$(red)
  [ "$red_after" -gt $((red_before + 20)) ] && break
  sleep 0.5
done
import -window root "$artifacts/typing-helo-red.png"
echo "red pixels before $red_before, after $red_after"
[ "$red_after" -gt $((red_before + 20)) ] || { echo "helo was not marked red"; exit 1; }

xdotool type --delay 40 'the lead '
sleep 2
red_known=$(red)
echo "red pixels after typing known words: $red_known"
[ "$red_known" -le $((red_after + 5)) ] || { echo "known words were marked"; exit 1; }
echo "1 passed, 0 failed"
