#!/usr/bin/env bash
# Opens an article with bids, F11 to edit its source, Edit > Bidding Suits to
# Symbols: the file on disk holds the image tags, the suit images lie beside
# it, and the left pane shows red and black suit symbols.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

page="$HOME/articles/bidding.htm"
# Blue text on white: every pure black or pure red pixel is a suit image.
{
  printf '<HTML><HEAD><TITLE>Bidding</TITLE></HEAD><BODY TEXT="#0000FF" BGCOLOR="#FFFFFF">\r\n'
  printf '<H1>Opening 1S</H1>\r\n'
  for i in 1 2 3 4 5 6; do
    printf '<P STYLE="font-size:20px">1C-(1D)-1H-(2S), 3C-(3D)-4H-(4S) and 7C 7D 7H 7S</P>\r\n'
  done
  printf '</BODY></HTML>'
} >"$page"
cd "$HOME/articles"
e2e_start "$program" bidding.htm
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + 300)) $((Y + 400)) "#FFFFFF"

# count_colour COLOUR: pixels of that colour in the left half of the window.
count_colour() { e2e_count_colour $((X + 10)) $((Y + 120)) $((WIDTH / 2 - 40)) $((HEIGHT - 160)) "$1"; }
[ "$(count_colour '#FF0000')" -lt 20 ] || { echo "red before the conversion"; exit 1; }

e2e_focus
e2e_edit_source
# Edit > Bidding Suits to Symbols with the mouse: the menu is opened from
# the keyboard, and its entry is the fifth row below the popup's top
# (Edit HTML, Find/Replace Text, SpellCheck Document, SpellCheck Word, each
# group after a separator).
e2e_menu alt+e
eval "$(xdotool getwindowgeometry --shell "$menu" | sed 's/^/P_/')"
import -window root "$artifacts/suits-to-symbols-menu.png"
xdotool mousemove --sync $((P_X + 80)) $((P_Y + 104)) click 1
# The note about the copied images, then the closing message.
for _ in 1 2; do
  e2e_wait_dialog
  xdotool key Return
  e2e_wait_gone "$dialog"
done

e2e_wait_file "$page" '1<IMG SRC="C.gif">-(1<IMG SRC="D.gif">)'
grep -q 'Opening 1<IMG SRC="S1.gif">' "$page" || { echo "the heading lacks its heading image"; exit 1; }
for image in C.gif D.gif H.gif S.gif S1.gif; do
  [ -s "$HOME/articles/$image" ] || { echo "$image was not copied next to the article"; exit 1; }
done

red=0; black=0
suits_shown() {
  red="$(count_colour '#FF0000')"; black="$(count_colour '#000000')"
  [ "$red" -ge 400 ] && [ "$black" -ge 400 ]
}
e2e_until suits_shown || true
import -window root "$artifacts/suits-to-symbols.png"
[ "$red" -ge 400 ] || { echo "too few red pixels in the left pane: $red"; exit 1; }
[ "$black" -ge 400 ] || { echo "too few black pixels in the left pane: $black"; exit 1; }
echo "red $red, black $black"
echo "1 passed, 0 failed"
