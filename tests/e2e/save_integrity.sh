#!/usr/bin/env bash
# The source editor never changes a byte the user did not change: files of
# every encoding and line-end form, opened with F11 and saved unchanged with
# Ctrl+S, are byte-identical on disk. Then typed text and F11: Cancel keeps
# the editor open, Yes saves the text into the file.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

mkdir -p "$HOME/articles/cases"
cd "$HOME/articles/cases"
# One file for each form a saved article must keep.
printf '<P>Caf\xe9 \x93quoted\x94 \x80 5 \xa0 %b</P>\r\n' "$(printf '\\x%x' $(seq 128 255))" >cp1252.htm
printf '\xef\xbb\xbf<P>caf\xc3\xa9 \xe2\x99\xa0</P>\r\n' >utf8-bom.htm
printf '<P>caf\xc3\xa9 \xe2\x99\xa0</P>\r\n' >utf8.htm
printf '<P>one</P>\n<P>two</P>\n' >lf.htm
printf '<P>one</P>\r\n<P>two</P>\r\n' >crlf.htm
printf '<P>one</P>\r\n<P>two</P>' >no-final-break.htm
printf '<P>one</P>\n\n' >two-final-breaks.htm
printf '<P>1\xc2\xa0000 and&nbsp;\xc2\xa0a\xe2\x80\xa8b</P>\n' >no-break-spaces.htm
printf 'a\r\nb\nc\rd\r\n' >mixed.htm
printf '\xe2\x99\xa0 and caf\xe9\n' >stray-latin1.htm

width() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  echo "$WIDTH"
}
newer_than() { [ "$1" -nt "$2" ]; }
width_at_most() { [ "$(width)" -le "$1" ]; }

failed=0
for file in *.htm; do
  cp "$file" "$work/original"
  e2e_start "$program" "$HOME/articles/cases/$file"
  e2e_focus
  e2e_edit_source
  touch -d '1 minute ago' "$file"
  touch "$work/mark"
  e2e_focus
  xdotool key ctrl+s
  e2e_until newer_than "$file" "$work/mark" || { echo "$file: Ctrl+S wrote nothing"; failed=1; }
  if ! cmp -s "$file" "$work/original"; then
    echo "$file: changed by a save without an edit"
    od -c "$work/original" | head -5
    od -c "$file" | head -5
    failed=1
  fi
  kill "$pid"
  e2e_wait_exit
done
[ "$failed" = 0 ] || exit 1

# Typed text, then F11: the question comes; Cancel keeps the editor and its
# text, Yes writes it into the file and closes the editor.
page="$HOME/articles/cases/lf.htm"
e2e_start "$program" "$page"
e2e_focus
narrow="$(width)"
e2e_edit_source
xdotool key ctrl+End
xdotool type --delay 20 '<P>typed</P>'
xdotool key F11
e2e_wait_dialog || { echo "F11 over unsaved edits asked nothing"; exit 1; }
import -window root "$artifacts/save-integrity-question.png"
xdotool key Escape
e2e_wait_gone "$dialog"
[ "$(width)" -gt "$narrow" ] || { echo "Cancel closed the editor"; exit 1; }
grep -q typed "$page" && { echo "Cancel saved the text"; exit 1; }
e2e_focus
xdotool key F11
e2e_wait_dialog || { echo "the second F11 asked nothing"; exit 1; }
xdotool key Return
e2e_wait_file "$page" '<P>typed</P>'
[ "$(cat "$page")" = "$(printf '<P>one</P>\n<P>two</P>\n<P>typed</P>')" ] || { echo "unexpected file:"; od -c "$page"; exit 1; }
e2e_until width_at_most "$narrow" || { echo "the editor stayed open after Yes"; exit 1; }
import -window root "$artifacts/save-integrity-closed.png"
echo "1 passed, 0 failed"
