#!/usr/bin/env bash
# A pipe, or a folder under a stored value's name never holds up start-up, and
# comes through the run untouched. The close cannot save over them: it names
# both, asks whether to leave anyway, and leaves on Yes.
set -u
game=$1
tool=$2
. "$(dirname "$0")/xvfb.bash"
start_play_session || exit 1
mkdir -p "$key/PrefsHeat"
echo kept > "$key/PrefsHeat/inside"
mkfifo "$key/Prefs"
"$game" --zoom 1 2>"$XDG_RUNTIME_DIR/stderr" &
pid=$!
if ! wait_until 300 find_window; then
  echo "no window appeared: start-up waited on the pipe named Prefs"
  # Let a reader stuck on the pipe go, so the game can be ended.
  exec 3<>"$key/Prefs"
  kill "$pid"
  exit 1
fi
wait_until 300 "$tool" close "Fandriass II"
sleep 1
if ended "$pid"; then
  echo "the game left without asking, though two values could not be saved"
  exit 1
fi
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool key Return
if ! wait_until 300 ended "$pid"; then
  echo "the game did not end on Yes to leaving without saving"
  kill "$pid"
  exit 1
fi
wait "$pid"
code=$?
[ "$code" = 0 ] || { echo "exit code $code"; exit 1; }
[ -p "$key/Prefs" ] || { echo "the pipe named Prefs was harmed"; exit 1; }
[ "$(cat "$key/PrefsHeat/inside")" = kept ] || { echo "the folder named PrefsHeat was harmed"; exit 1; }
grep -q "$key/Prefs " "$XDG_RUNTIME_DIR/stderr" || { echo "the pipe was not reported"; exit 1; }
for value in Prefs PrefsHeat; do
  grep -q "^Fandriass II: cannot save $key/$value: " "$XDG_RUNTIME_DIR/stderr" ||
    { echo "$value was not named as not saved"; cat "$XDG_RUNTIME_DIR/stderr"; exit 1; }
done
[ "$(stat -c %s "$key/GameStatus")" = 632 ] || { echo "GameStatus was not saved"; exit 1; }
echo "start-up went past a pipe and a folder named like values, left both alone, and said so"
