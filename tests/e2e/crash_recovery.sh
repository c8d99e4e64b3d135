#!/usr/bin/env bash
# Types into the source editor, kills the program with SIGKILL, starts it
# again, answers the recovery question, saves, and finds the typed text in the
# file.
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup "$1"

page="$HOME/articles/lead.htm"
printf '<HTML><BODY><P>Before.</P>\r\n</BODY></HTML>' >"$page"
cd "$HOME/articles"
e2e_start "$program" lead.htm lead.htm
e2e_focus
xdotool key ctrl+End
xdotool type --delay 30 ' Typed before the crash'
# The recovery copy is written a couple of seconds after typing stops (and
# every 15 seconds while it goes on: wait for the copy with all of it).
recovery_copy_has() {
  grep -qs 'Typed before the crash' "$data/recovery/"*.recovery
}
e2e_until recovery_copy_has || { echo "no recovery copy with the typed text was written"; exit 1; }
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=""
grep -q 'Typed before' "$page" && { echo "the article was written before any save"; exit 1; }

# The next start asks first (perhaps before its window shows).
e2e_launch "$program"
e2e_wait_dialog
import -window root "$artifacts/recovery-question.png"
xdotool key Return
e2e_wait_gone "$dialog"
e2e_wait_main_window
import -window root "$artifacts/recovery-restored.png"
e2e_focus
xdotool key ctrl+s
e2e_wait_file "$page" 'Typed before the crash' || { echo "the recovered text was not saved"; exit 1; }
no_recovery_copy() { ! ls "$data/recovery/"*.recovery >/dev/null 2>&1; }
e2e_until no_recovery_copy || { echo "the recovery copy outlived the save"; exit 1; }
echo "1 passed, 0 failed"
