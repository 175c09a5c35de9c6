#!/usr/bin/env bash
# A pipe, or a folder under a stored value's name never holds
# up start-up, and comes through the run untouched.
set -u
game=$1
tool=$2
. "$(dirname "$0")/xvfb.bash"
start_xvfb || exit 1
trap stop_xvfb EXIT
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) SDL_AUDIODRIVER=dummy
key="$XDG_DATA_HOME/kestrelnet/Quillmoor/Fandriass2"
mkdir -p "$key/PrefsHeat"
echo kept > "$key/PrefsHeat/inside"
mkfifo "$key/Prefs"
"$game" --zoom 1 2>"$XDG_RUNTIME_DIR/stderr" &
pid=$!
has_window() { [ "$("$tool" count "Fandriass II")" = 1 ]; }
if ! wait_until 300 has_window; then
  echo "no window appeared: start-up waited on the pipe named Prefs"
  # Let a reader stuck on the pipe go, so the game can be ended.
  exec 3<>"$key/Prefs"
  kill "$pid"
  exit 1
fi
close_game "$pid" "$tool" || exit 1
[ -p "$key/Prefs" ] || { echo "the pipe named Prefs was harmed"; exit 1; }
[ "$(cat "$key/PrefsHeat/inside")" = kept ] || { echo "the folder named PrefsHeat was harmed"; exit 1; }
grep -q "$key/Prefs " "$XDG_RUNTIME_DIR/stderr" || { echo "the pipe was not reported"; exit 1; }
echo "start-up went past a pipe and a folder named like values, and left both alone"
