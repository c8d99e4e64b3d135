#!/usr/bin/env bash
# F4 names a new article in the file dialog: the file is written with the
# frame, the left pane renders it (its page colour fills the pane) and the
# editor holds its source. Then the table designer opens from the HTML menu
# with its preview of the template kept in the data folder (a template the
# user edited is never replaced), and OK puts the table into the source.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

mkdir -p "$HOME/articles" "$data"
printf '%s\r\n' '<HTML><BODY BGCOLOR="#FFFFFF">' '<H1>Start</H1>' '</BODY></HTML>' >"$HOME/articles/start.htm"
# The user's own template: a green table.
printf '%s\r\n' '<html><head><title>Table</title></head>' '<body><CENTER>' '<!-- mine -->' '<!-- -->' \
  '<Table Border="2" Width="90%" Height="200" bgcolor=' '"#00A000"' ' bordercolor=' '"#000080"' \
  ' bordercolorlight=' '"#C0C0C0"' ' bordercolordark=' '"#404040"' '>' '<TR><TD>&nbsp;</TD></TR>' \
  '</TABLE>' '</body>' '</html>' >"$data/TableSpecs.htm"
cp "$data/TableSpecs.htm" "$work/template.htm"

cd "$HOME/articles"
e2e_start "$program" start.htm
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + 200)) $((Y + 300)) "#FFFFFF"

e2e_focus
xdotool key F4
e2e_wait_dialog 'Select file.' || { cat "$work/program.log"; exit 1; }
import -window root "$artifacts/new-file-dialog.png"
xdotool type --delay 20 "$HOME/articles/newpiece.htm"
xdotool key Return

new="$HOME/articles/newpiece.htm"
e2e_until test -f "$new" || { echo "New File wrote no file"; cat "$work/program.log"; exit 1; }
grep -q $'^<TITLE>newpiece</TITLE>\r$' "$new" || { echo "new file:"; cat -A "$new"; exit 1; }
grep -q $'^  BGCOLOR="#AFFEFE"\r$' "$new" || { echo "new file lacks the page colour"; cat -A "$new"; exit 1; }
# The left pane renders the new article in its background colour.
eval "$(xdotool getwindowgeometry --shell "$win")"
e2e_wait_pixel $((X + 100)) $((Y + 300)) "#AFFEFE" || { import -window root "$artifacts/new-file-created.png"; exit 1; }
import -window root "$artifacts/new-file-created.png"
echo "F4 created and shows a new article"

# HTML > Table > Table Specs Window, by the menus' access keys.
e2e_focus
e2e_menu alt+h
e2e_menu t 2
xdotool key s
e2e_wait_dialog 'Table Specs' || { import -window root "$artifacts/table-specs-missing.png"; exit 1; }
specs="$dialog"
# Its preview shows the green table of the user's template.
preview_shown() {
  eval "$(xdotool getwindowgeometry --shell "$specs")"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$work/specs.png" 2>/dev/null
  grep -qi '#00A000' <<<"$(convert "$work/specs.png" -format %c histogram:info:-)"
}
shown=""
e2e_until preview_shown && shown=yes
import -window root "$artifacts/table-specs-preview.png"
[ -n "$shown" ] || { echo "the preview does not show the template's table"; exit 1; }
cmp -s "$data/TableSpecs.htm" "$work/template.htm" || { echo "the user's template was replaced"; exit 1; }
echo "the Table Specs dialog shows its preview"

# OK (the default button) puts the table into the source; Ctrl+S saves it.
e2e_activate "$specs"
xdotool key Return
e2e_wait_gone "$specs"
e2e_focus
xdotool key ctrl+s
e2e_wait_file "$new" '<Table' || { echo "the table did not reach the saved file"; exit 1; }
grep -q '</body>' "$new" && { echo "the page end came with the table"; exit 1; }
echo "OK put the table into the saved source"

echo "4 passed, 0 failed"
