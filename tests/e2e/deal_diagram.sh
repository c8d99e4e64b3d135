#!/usr/bin/env bash
# Deals in the real program. A PBN deal selected in the editor, Edit > Insert
# Deal Diagram with the double-dummy box ticked: the file on disk holds the
# diagram in place of the deal and the tricks table under it (worked out by
# the real solver off the user-interface thread), the suit images lie beside
# it, and the page shows red suit images. Then Edit > Check Bridge Notation
# lists the impossible auction and its row selects the call in the editor.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

page="$HOME/articles/deal.htm"
deal='N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q98.AK32.T3 43.7654.T654.982'
printf '%s\r\n' '<HTML><BODY TEXT="#0000FF" BGCOLOR="#FFFFFF">' '<H1>Board one</H1>' "$deal" \
  '<P>The auction went 1S-2H-1NT.</P>' '</BODY></HTML>' >"$page"
cd "$HOME/articles"
e2e_start "$program" deal.htm
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + 300)) $((Y + 400)) "#FFFFFF"

count_red() { e2e_count_colour $((X + 10)) $((Y + 120)) $((WIDTH / 2 - 40)) $((HEIGHT - 160)) '#FF0000'; }
[ "$(count_red)" -lt 20 ] || { echo "red before the diagram"; exit 1; }

e2e_focus
e2e_edit_source
# The deal is line 3; the deal commands are the last entries but one of
# the Edit menu, reached from its end.
xdotool key ctrl+Home Down Down Home shift+End
edit_command() {
  e2e_menu alt+e || exit 1
  for _ in $(seq "$1"); do xdotool key Up; done
  xdotool key Return
}
edit_command 4
e2e_wait_dialog 'Insert Deal Diagram' || exit 1
import -window root "$artifacts/deal-board-dialog.png"
xdotool key Tab space Return
# The note about the suit images copied next to the article.
e2e_wait_dialog || exit 1
xdotool key Return
e2e_wait_gone "$dialog"
e2e_wait_file "$page" '^<TABLE BORDER=1 CELLPADDING=2>' || exit 1
for line in '<TABLE BORDER=0 CELLPADDING=4>' \
  '<TR><TD></TD><TD><IMG SRC="S.gif">AKQ2<BR><IMG SRC="h.gif">J103<BR><IMG SRC="D.gif">987<BR><IMG SRC="c.gif">K54</TD><TD></TD></TR>' \
  '<P>The auction went 1S-2H-1NT.</P>'; do
  grep -qxF "$line"$'\r' "$page" || { echo "the page lacks the line $line"; cat -A "$page"; exit 1; }
done
! grep -qxF -e "$deal"$'\r' -e $'\r' "$page" || { echo "the deal or a blank line is left"; exit 1; }
awk '/BORDER=0/ { d = NR } /BORDER=1/ { t = NR } END { exit !(d && t > d) }' "$page" || exit 1
for image in S.gif h.gif D.gif c.gif; do [ -s "$image" ] || { echo "no $image"; exit 1; }; done
red_shown() { [ "$(count_red)" -ge 200 ]; }
e2e_until red_shown || { import -window root "$artifacts/deal-diagram.png"; echo "no red suits on the page: $(count_red)"; exit 1; }
import -window root "$artifacts/deal-diagram.png"
echo "diagram and table saved; $(count_red) red pixels of suit images on the page"

# Check Bridge Notation: one finding, the 1NT; Return on it selects the
# call and gives the main window the keyboard: typing replaces the call.
e2e_focus
edit_command 2
e2e_wait_dialog 'Check Bridge Notation' || exit 1
import -window root "$artifacts/deal-check.png"
xdotool key Return
e2e_until e2e_is_active "$win" || { echo "the main window did not take the keyboard"; exit 1; }
xdotool type --delay 40 '3NT'
xdotool key ctrl+s
e2e_wait_file "$page" '^<P>The auction went 1S-2H-3NT.</P>' || exit 1
