#!/usr/bin/env bash
# One copy at a time: a second start ends with code 0 and opens no window of its
# own, and a copy that was killed outright does not stop the next one starting.
set -u
game=$1
tool=$2
. "$(dirname "$0")/xvfb.bash"
start_xvfb || exit 1
first=""
third=""
cleanup() {
  for pid in $first $third; do kill "$pid" 2>/dev/null; done
  stop_xvfb
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) SDL_AUDIODRIVER=dummy
windows() { "$tool" count "Fandriass II"; }
one_window() { [ "$(windows)" = 1 ]; }

"$game" --zoom 1 &
first=$!
wait_until 100 one_window || { echo "the first copy opened no window"; exit 1; }

timeout 20 "$game" --zoom 1
code=$?
[ "$code" = 0 ] || { echo "the second copy ended with code $code"; exit 1; }
sleep 0.5
[ "$(windows)" = 1 ] || { echo "$(windows) windows after the second start"; exit 1; }
kill -0 "$first" 2>/dev/null || { echo "the first copy did not survive the second start"; exit 1; }

# A crash leaves the lock file and the socket behind; neither may block.
kill -9 "$first"
wait "$first" 2>/dev/null
first=""
wait_until 50 eval '[ "$(windows)" = 0 ]' || { echo "the killed copy's window stayed"; exit 1; }
log=$(mktemp)
"$game" --zoom 1 2>"$log" &
third=$!
wait_until 100 one_window || { echo "a stale lock blocked the next start ($(windows) windows)"; cat "$log"; exit 1; }
"$tool" close "Fandriass II"
wait_until 100 eval '! kill -0 '"$third"' 2>/dev/null' || { echo "the game did not end"; exit 1; }
wait "$third"
code=$?
third=""
[ "$code" = 0 ] || { echo "exit code $code after closing"; exit 1; }
echo "second copy refused with code 0, one window; a killed copy does not block"
