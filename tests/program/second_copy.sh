#!/usr/bin/env bash
# One copy at a time: a second start ends with code 0 and opens no window of its
# own, and a copy that was killed outright does not stop the next one starting.
# Every wait is for a condition; the bounds are generous so that a busy machine
# (or a sanitised build) is slow rather than failing.
set -u
game=$1
tool=$2
. "$(dirname "$0")/xvfb.bash"
start_xvfb || exit 1
first=""
second=""
third=""
cleanup() {
  for pid in $first $second $third; do kill "$pid" 2>/dev/null; done
  stop_xvfb
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) SDL_AUDIODRIVER=dummy
windows() { "$tool" count "Fandriass II"; }
one_window() { [ "$(windows)" = 1 ]; }

"$game" --zoom 1 &
first=$!
wait_until 300 one_window || { echo "the first copy opened no window"; exit 1; }

# The second copy is watched for as long as it runs: a window of its own would
# show up as a second one.
"$game" --zoom 1 &
second=$!
most=1
until ended "$second"; do
  count=$(windows)
  [ "$count" -gt "$most" ] && most=$count
  sleep 0.05
done
wait "$second"
code=$?
second=""
[ "$code" = 0 ] || { echo "the second copy ended with code $code"; exit 1; }
[ "$most" = 1 ] || { echo "$most windows while the second copy ran"; exit 1; }
wait_until 100 one_window || { echo "$(windows) windows after the second start"; exit 1; }
ended "$first" && { echo "the first copy did not survive the second start"; exit 1; }

# A crash leaves the lock file and the socket behind; neither may block.
kill -9 "$first"
wait "$first" 2>/dev/null
first=""
wait_until 300 eval '[ "$(windows)" = 0 ]' || { echo "the killed copy's window stayed"; exit 1; }
log=$(mktemp)
"$game" --zoom 1 2>"$log" &
third=$!
wait_until 300 one_window || { echo "a stale lock blocked the next start ($(windows) windows)"; cat "$log"; exit 1; }
# The close is sent once the tool has found the window to send it to.
wait_until 300 "$tool" close "Fandriass II" || { echo "could not ask the game to close"; exit 1; }
wait_until 300 ended "$third" || { echo "the game did not end"; cat "$log"; exit 1; }
wait "$third"
code=$?
third=""
[ "$code" = 0 ] || { echo "exit code $code after closing"; exit 1; }
echo "second copy refused with code 0, one window; a killed copy does not block"
