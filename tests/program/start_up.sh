#!/usr/bin/env bash
# What the real binary's start refuses or goes past. An unsupported screen size
# gives the warning and exit code 0 before any game window. One copy at a time:
# a second start ends with code 0 and opens no window of its own, and a copy
# that was killed outright does not stop the next one starting. A pipe or a
# folder under a stored value's name never holds up start-up and comes through
# the run untouched; the close cannot save over them: it names both, asks
# whether to leave anyway, and leaves on Yes with code 1.
set -u
. "$(dirname "$0")/xvfb.bash"
start_session "$@"
windows() { "$tool" count "Fandriass II"; }
log=$(mktemp)

step="unsupported screen"
"$game" --screen 800x480 2>"$log" &
pid=$!
# With a display the warning is also a desktop message box: answer it.
answer_warning() {
  [ "$(windows)" = 0 ] || fail "a game window opened"
  ended "$pid" && return 0
  [ "$("$tool" count "Warning!")" = 0 ] ||
    xdotool search --name "Warning!" windowfocus --sync key Return >/dev/null 2>&1 ||
    "$tool" close "Warning!"
  return 1
}
wait_until 300 answer_warning
expect_clean_end
grep -q "This screen is not supported." "$log" || fail "no warning on standard error: $(cat "$log")"
grep -q "480x480 screens are supported!" "$log" || fail "warning text incomplete"

step="second copy"
launch_game --zoom 1
first=$pid
# The second copy is watched for as long as it runs: a window of its own would
# show up as a second one.
"$game" --zoom 1 &
pid=$!
most=1
watch_second() {
  count=$(windows)
  [ "$count" -gt "$most" ] && most=$count
  ended "$pid"
}
wait_until 300 watch_second || fail "the second copy did not end"
expect_clean_end
[ "$most" = 1 ] || fail "$most windows while the second copy ran"
wait_until 100 eval '[ "$(windows)" = 1 ]' || fail "$(windows) windows after the second start"
pid=$first
ended "$pid" && fail "the first copy did not survive the second start"
# A crash leaves the lock file and the socket behind; neither may block.
{ kill -9 "$pid" && wait "$pid"; } 2>/dev/null
wait_until 300 eval '[ "$(windows)" = 0 ]' || fail "the killed copy's window stayed"
launch_game --zoom 1
close_game

step="odd stored values"
fresh_folders
mkdir -p "$key/PrefsHeat"
echo kept >"$key/PrefsHeat/inside"
mkfifo "$key/Prefs"
game_log=$log
: >"$log"
launch_game --screen 240x320 --zoom 1
wait_until 300 "$tool" close "Fandriass II" || fail "could not ask the game to close"
wait_until 100 box_shown || fail "no question was asked, though two values could not be saved"
ended "$pid" && fail "the game left without asking"
xdotool key Return
expect_clean_end 1 # left without two of the values: not a success
[ -p "$key/Prefs" ] || fail "the pipe named Prefs was harmed"
[ "$(cat "$key/PrefsHeat/inside")" = kept ] || fail "the folder named PrefsHeat was harmed"
grep -q "$key/Prefs " "$log" || fail "the pipe was not reported"
for value in Prefs PrefsHeat; do
  grep -q "^fandriass: cannot save $key/$value: " "$log" || fail "$value was not named as not saved: $(cat "$log")"
done
[ "$(stat -c %s "$key/GameStatus")" = 632 ] || fail "GameStatus was not saved"
echo "start-up refused an unsupported screen and a second copy, went past a stale lock, a pipe and a folder"
