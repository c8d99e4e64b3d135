#!/usr/bin/env bash
# The source editor never changes a byte the user did not change: files of
# every encoding and line-end form, opened with F11 and saved unchanged with
# Ctrl+S, are byte-identical on disk. Then typed text and F11: Cancel keeps
# the editor open, Yes saves the text into the file. Run under an X server
# (ctest runs it through xvfb-run).
program="$1"
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup
trap e2e_cleanup EXIT

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

# e2e_width: the program window's width in pixels.
e2e_width() {
  xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --pid "$pid" | head -1)" | sed -n 's/^WIDTH=//p'
}

# wait_for CONDITION...: runs the command until it succeeds, up to 30 s.
wait_for() {
  for _ in $(seq 1 150); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

wider_than() { [ "$(e2e_width)" -gt "$1" ]; }
not_wider_than() { [ "$(e2e_width)" -le "$1" ]; }
changed_since() { [ "$1" -nt "$2" ]; }
windows_at_least() { [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge "$1" ]; }

failed=0
for file in *.htm; do
  cp "$file" "$work/original"
  e2e_start "$program" "$HOME/articles/cases/$file"
  e2e_focus
  narrow="$(e2e_width)"
  xdotool key F11
  wait_for wider_than "$narrow" || { echo "$file: F11 did not open the editor"; exit 1; }
  touch -d '1 minute ago' "$file"
  touch "$work/mark"
  e2e_focus
  xdotool key ctrl+s
  wait_for changed_since "$file" "$work/mark" || { echo "$file: Ctrl+S wrote nothing"; failed=1; }
  if ! cmp -s "$file" "$work/original"; then
    echo "$file: changed by a save without an edit"
    od -c "$work/original" | head -5
    od -c "$file" | head -5
    failed=1
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
done
[ "$failed" = 0 ] || exit 1

# Typed text, then F11: the question comes; Cancel keeps the editor and its
# text, Yes writes it into the file.
page="$HOME/articles/cases/lf.htm"
e2e_start "$program" "$page"
e2e_focus
narrow="$(e2e_width)"
xdotool key F11
wait_for wider_than "$narrow" || { echo "F11 did not open the editor"; exit 1; }
e2e_focus
xdotool key ctrl+End
xdotool type --delay 20 '<P>typed</P>'
xdotool key F11
wait_for windows_at_least 2 || { echo "F11 over unsaved edits asked nothing"; exit 1; }
import -window root "$artifacts/save-integrity-question.png"
xdotool key Escape
wait_for windows_at_least 1
sleep 0.5
[ "$(e2e_width)" -gt "$narrow" ] || { echo "Cancel closed the editor"; exit 1; }
grep -q typed "$page" && { echo "Cancel saved the text"; exit 1; }
e2e_focus
xdotool key F11
wait_for windows_at_least 2 || { echo "the second F11 asked nothing"; exit 1; }
xdotool key Return
wait_for grep -q typed "$page" || { echo "Yes did not save the typed text"; cat "$page"; exit 1; }
[ "$(cat "$page")" = "$(printf '<P>one</P>\n<P>two</P>\n<P>typed</P>')" ] || { echo "unexpected file:"; od -c "$page"; exit 1; }
wait_for not_wider_than "$narrow" || { echo "the editor stayed open after Yes"; exit 1; }
import -window root "$artifacts/save-integrity-closed.png"
echo "1 passed, 0 failed"
