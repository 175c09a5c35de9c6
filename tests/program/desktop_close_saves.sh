#!/usr/bin/env bash
# Closing the window from the desktop saves the records like the exit question's
# Yes, keeping the running game for the next start.
set -u
game=$1
tool=$2
keptgame="$(dirname "$tool")/fandriass_keptgame"
. "$(dirname "$0")/xvfb.bash"
start_xvfb || exit 1
trap stop_xvfb EXIT
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) SDL_AUDIODRIVER=dummy
key="$XDG_DATA_HOME/kestrelnet/Quillmoor/Fandriass2"
"$keptgame" --mode 3 --score 2500 --level 4 --panic 60 || exit 1
rm -f "$key/Prefs" "$key/PrefsChroma"
"$game" --zoom 1 &
pid=$!
has_window() { [ "$("$tool" count "Fandriass II")" = 1 ]; }
if ! wait_until 300 has_window; then
  echo "no window titled Fandriass II appeared"
  kill "$pid"
  exit 1
fi
close_game "$pid" "$tool"
code=$?
[ "$code" = 0 ] || { echo "exit code $code"; exit 1; }
for value in Prefs PrefsChroma; do
  [ "$(stat -c %s "$key/$value" 2>/dev/null)" = 144 ] || { echo "$value was not saved"; exit 1; }
done
read -r mode <<<"$(od -An -t d4 -j 48 -N 4 "$key/GameStatus")"
read -r score <<<"$(od -An -t d4 -j 60 -N 4 "$key/GameStatus")"
[ "$mode" = 3 ] && [ "$score" = 2500 ] || { echo "the game was not kept: mode $mode score $score"; exit 1; }
echo "closing the window saved every record and kept the PANIC game"
