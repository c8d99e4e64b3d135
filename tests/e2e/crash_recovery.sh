#!/usr/bin/env bash
# Types into the source editor, kills the program with SIGKILL, starts it
# again, answers the recovery question, saves, and finds the typed text in
# the file. Run under an X server (ctest runs it through xvfb-run).
program="$1"
. "$(dirname "$0")/e2e_lib.sh"
e2e_setup
trap e2e_cleanup EXIT

mkdir -p "$HOME/articles"
page="$HOME/articles/lead.htm"
printf '<HTML><BODY><P>Before.</P>\r\n</BODY></HTML>' >"$page"
cd "$HOME/articles"
e2e_start "$program" lead.htm lead.htm
sleep 1.5
e2e_focus
xdotool key ctrl+End
xdotool type --delay 30 ' Typed before the crash'
# The recovery copy is written a couple of seconds after typing stops.
for _ in $(seq 1 50); do
  ls "$data/recovery/"*.recovery >/dev/null 2>&1 && break
  sleep 0.2
done
ls "$data/recovery/"*.recovery >/dev/null 2>&1 || { echo "no recovery copy was written"; exit 1; }
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=""
grep -q 'Typed before' "$page" && { echo "the article was written before any save"; exit 1; }

e2e_start "$program"
sleep 2
import -window root "$artifacts/recovery-question.png"
e2e_focus
xdotool key Return
sleep 2
import -window root "$artifacts/recovery-restored.png"
e2e_focus
xdotool key ctrl+s
sleep 1
grep -q 'Typed before the crash' "$page" || { echo "the recovered text was not saved"; cat "$page"; exit 1; }
ls "$data/recovery/"*.recovery >/dev/null 2>&1 && { echo "the recovery copy outlived the save"; exit 1; }
echo "1 passed, 0 failed"
