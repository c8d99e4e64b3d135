#!/usr/bin/env bash
# The font commands in the real program. Bidding Font (F5) sets a line in
# "Courier New", which the page then shows in a fixed-width face: ten i's as
# wide as ten W's (the set-up installs a font that answers to that name;
# without one the browser falls back to its proportional serif). Font asks for
# a face, then for a colour: Cancel in the colour dialog writes nothing, a
# colour chosen there is the tag's COLOR.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

page="$HOME/articles/auction.htm"
printf '%s\r\n' '<HTML><BODY BGCOLOR="#FFFFFF">' '<H1>Auction</H1>' '<P><FONT SIZE=7>' \
  '<FONT COLOR="#FF0000">iiiiiiiiii</FONT><BR>' '<FONT COLOR="#0000FF">WWWWWWWWWW</FONT>' '</FONT></P>' \
  '<P>Partner led a heart.</P>' '</BODY></HTML>' >"$page"
cd "$HOME/articles"
e2e_start "$program" auction.htm

# width COLOUR: how wide the window's pixels of exactly that colour reach.
width() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage png:- 2>/dev/null |
    convert - -fill black +opaque "$1" -trim -format '%w' info: 2>/dev/null || echo 0
}
# proportional: the i's take less than half the W's width; fixed: the two
# lines are as wide within a tenth.
proportional() {
  local i w
  i=$(width '#FF0000') w=$(width '#0000FF')
  [ "$i" -gt 20 ] && [ "$w" -gt 20 ] && [ $((2 * i)) -lt "$w" ]
}
fixed() {
  local i w
  i=$(width '#FF0000') w=$(width '#0000FF')
  [ "$i" -gt 100 ] && [ "$w" -gt 100 ] && [ $((10 * (i - w))) -le "$w" ] && [ $((10 * (w - i))) -le "$w" ]
}
e2e_until proportional || { import -window root "$artifacts/bidding-font-before.png"; echo "the page is not shown"; exit 1; }
import -window root "$artifacts/bidding-font-before.png"

# F11, then lines 3 to 6 selected and F5: they go into the bidding font,
# the file is saved and the page shown again.
e2e_focus
e2e_edit_source
# select_lines FIRST [LAST]: from the start of line FIRST to the end of LAST.
select_lines() {
  xdotool key ctrl+Home
  for _ in $(seq 2 "$1"); do xdotool key Down; done
  xdotool key Home
  for _ in $(seq "$1" $((${2:-$1} - 1))); do xdotool key shift+Down; done
  xdotool key shift+End
}
select_lines 3 6
xdotool key F5
e2e_wait_file "$page" '^<FONT FACE="Courier New"><P><FONT SIZE=7>' || exit 1
grep -q '^</FONT></P></FONT>' "$page" || { echo "the bidding font did not take the four lines"; cat -A "$page"; exit 1; }
e2e_until fixed || {
  import -window root "$artifacts/bidding-font.png"
  echo "the bidding font is not fixed-width: i's $(width '#FF0000'), W's $(width '#0000FF') pixels"
  fc-match 'Courier New'
  exit 1
}
import -window root "$artifacts/bidding-font.png"
echo "the bidding font shows in a fixed-width face (i's $(width '#FF0000'), W's $(width '#0000FF') pixels)"

# font_command: HTML > Text Emphasis > Font, a 36-point DejaVu Sans.
font_command() {
  e2e_focus
  e2e_html_menu
  e2e_menu e 2
  xdotool key f
  e2e_wait_dialog 'Select Font' || exit 1
  xdotool type --delay 30 'DejaVu Sans'
  xdotool key Tab
  xdotool type --delay 30 'Book'
  xdotool key Tab
  xdotool type --delay 30 '36'
  xdotool key Return
  e2e_wait_dialog 'Select Color' || { import -window root "$artifacts/font-no-colour.png"; exit 1; }
  colours="$dialog"
}
select_lines 7
font_command
import -window root "$artifacts/font-colour-dialog.png"
xdotool key Escape
e2e_wait_gone "$colours"

# Again, with a dark red typed into the colour dialog's HTML field.
e2e_focus
select_lines 7
font_command
xdotool key alt+h ctrl+a
xdotool type --delay 30 '#c00000'
xdotool key Return
e2e_wait_gone "$colours"
e2e_wait_file "$page" '^<FONT FACE="DejaVu Sans" SIZE="7" COLOR="#C00000"><P>Partner led a heart.</P></FONT>' || exit 1
[ "$(grep -c 'FONT FACE="DejaVu Sans"' "$page")" = 1 ] || { echo "the cancelled Font wrote a tag"; cat -A "$page"; exit 1; }
red_text() { [ "$(width '#C00000')" -gt 100 ]; }
e2e_until red_text || { import -window root "$artifacts/font-colour.png"; echo "the page shows no dark red text"; exit 1; }
import -window root "$artifacts/font-colour.png"
echo "Font wrote and showed the colour chosen; Cancel in the colour dialog wrote nothing"

echo "3 passed, 0 failed"
