#!/usr/bin/env bash
# The real binary under a real keyboard: the arrows put the cursor on a ball and
# Enter held for two seconds (the X server repeating it all the while) paints
# that ball once, so the paint reserve loses one tap's worth, not dozens.
set -u
game=$1
tool=$2
keptgame="$(dirname "$tool")/fandriass_keptgame"
. "$(dirname "$0")/xvfb.bash"
start_play_session || exit 1
# A full board with no line; the cursor's first cell (row 2, column 3) holds yellow.
"$keptgame" --mode 1 --score 1000 --paint 1 --reserve 60 \
  --board "RYBGPO BGPORY PORYBG RYBGPO BGPORY RYBGPO" || exit 1
launch_game --screen 240x320 --zoom 1 || exit 1
sleep 1
xdotool key Right
sleep 0.5
xdotool keydown Return
sleep 2
xdotool keyup Return
sleep 2                                             # the reserve gauge catches up
xdotool mousemove --window "$window" 226 22 click 1 # the exit icon
sleep 1
xdotool key Return
if ! wait_until 300 ended "$pid"; then
  echo "the game did not end after Enter on the exit question"
  kill "$pid"
  exit 1
fi
wait "$pid" || { echo "exit code $?"; exit 1; }
field() { od -An -t d4 -j "$1" -N 4 "$key/GameStatus" | tr -d ' '; }
mode=$(field 48) reserve=$(field 76) ball=$(field $((80 + 15 * 4)))
[ "$mode" = 1 ] || { echo "the game ended (mode $mode): the held Enter kept painting"; exit 1; }
[ "$ball" != 2 ] || { echo "Enter painted nothing"; exit 1; }
# One tap costs 3 at this level.
[ "$reserve" -ge 54 ] || { echo "the held Enter spent $((60 - reserve)) of the reserve"; exit 1; }
