#!/usr/bin/env bash
# The table designer opens with a preview of the table its fields describe
# (two rows of three cells, border 1, 90 % wide; not the template's own
# table). A number of rows typed one zero too long is set back to the largest
# one, 500, with one message however many keys go past it; the preview file
# stays small, and OK puts that table into the source.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

mkdir -p "$HOME/articles" "$data"
# The user's template: one green cell 200 pixels high, border 2, padding 4.
printf '%s\r\n' '<html><head><title>Table</title></head>' '<body><CENTER>' '<!-- mine -->' '<!-- -->' \
  '<Table Border="2" CellPadding="4" Width="90%" Height="200" bgcolor=' '"#00A000"' ' bordercolor=' '"#000080"' \
  ' bordercolorlight=' '"#C0C0C0"' ' bordercolordark=' '"#404040"' '>' '<TR><TD>&nbsp;</TD></TR>' \
  '</TABLE>' '</body>' '</html>' >"$data/TableSpecs.htm"
page="$HOME/articles/results.htm"
printf '<HTML><BODY BGCOLOR="#FFFFFF">\r\n<H1>Results</H1>\r\n<P>The scores:</P>\r\n</BODY></HTML>\r\n' >"$page"
cd "$HOME/articles"
e2e_start "$program" results.htm
e2e_focus
e2e_edit_source

# HTML > Table > Table Specs Window.
e2e_html_menu
e2e_menu t 2
xdotool key s
e2e_wait_dialog 'Table Specs' || { cat "$work/program.log"; exit 1; }
specs="$dialog"
preview="$data/Temp.htm"
rows_in() { grep -c '<TR>' "$1" 2>/dev/null || true; }
rows_are() { [ "$(rows_in "$1")" = "$2" ]; }

# The preview describes the fields, not the template (border 2, padding 4).
e2e_wait_file "$preview" '^<Table Border="1"' || exit 1
grep -q 'Width="90%"' "$preview" || { echo "the preview lacks the width of the fields"; cat -A "$preview"; exit 1; }
grep -q 'CellPadding' "$preview" && { echo "the preview is the template's table"; cat -A "$preview"; exit 1; }
rows_are "$preview" 2 || { echo "the preview has $(rows_in "$preview") rows, not 2"; exit 1; }
[ "$(grep -c '<TD>&nbsp;</TD>' "$preview")" = 6 ] || { echo "the preview lacks its six cells"; exit 1; }
# Its browser shows that table in the template's green: two rows of empty
# cells, a strip much lower than the template's 200 pixels.
green_height() {
  eval "$(xdotool getwindowgeometry --shell "$specs")"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$work/specs.png" 2>/dev/null
  convert "$work/specs.png" -fill black +opaque '#00A000' -trim -format '%h' info: 2>/dev/null
}
strip_shown() {
  local h
  h="$(green_height)"
  [ -n "$h" ] && [ "$h" -gt 10 ] && [ "$h" -lt 100 ]
}
e2e_until strip_shown || {
  import -window root "$artifacts/table-specs-opened.png"
  echo "the preview does not show the fields' table (green $(green_height) pixels high)"
  exit 1
}
import -window root "$artifacts/table-specs-opened.png"
echo "the designer opens with a preview of its fields' table"

# "# Of Rows" has the keyboard when the dialog opens. "2000" goes past the
# largest number of rows at its fourth key.
e2e_activate "$specs"
xdotool key ctrl+a
xdotool type --delay 50 2000
e2e_wait_dialog || { import -window root "$artifacts/table-specs-limit-missing.png"; exit 1; }
told="$dialog"
import -window root "$artifacts/table-specs-limit.png"
xdotool key Return
e2e_wait_gone "$told"
e2e_until rows_are "$preview" 500 || { echo "the preview has $(rows_in "$preview") rows, not 500"; exit 1; }
size=$(stat -c %s "$preview")
[ "$size" -lt 100000 ] || { echo "the preview is $size bytes"; exit 1; }
echo "2000 rows were held to 500, the preview is $size bytes"

# Another key past the limit is not told again: the next Return is the
# dialog's OK, which puts the table of 500 rows into the source.
e2e_activate "$specs"
xdotool type --delay 50 0
xdotool key Return
e2e_wait_gone "$specs" || { import -window root "$artifacts/table-specs-told-twice.png"; exit 1; }
import -window root "$artifacts/table-specs-inserted.png"
e2e_focus
xdotool key ctrl+s
e2e_wait_file "$page" '<Table Border="1"' || exit 1
rows_are "$page" 500 || { echo "the saved table has $(rows_in "$page") rows"; exit 1; }
echo "OK put the table of 500 rows into the saved source"

echo "3 passed, 0 failed"
