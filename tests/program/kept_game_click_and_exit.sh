#!/usr/bin/env bash
# The real binary resumes a prepared kept game; a real click on a ball, a click
# on the exit icon and Enter on the question leave the game saved for next time.
set -u
game=$1
tool=$2
keptgame="$(dirname "$tool")/fandriass_keptgame"
. "$(dirname "$0")/xvfb.bash"
start_play_session || exit 1
# A full board with no line; red paint on the yellow ball makes three reds at
# the bottom row's left pipe.
"$keptgame" --mode 1 --score 1000 --paint 1 --reserve 60 \
  --board "RYBGPO BGPORY PORYBG RYBGPO BGPORY RRYBGP" || exit 1
rm -f "$key/Prefs"
launch_game --screen 240x320 --zoom 1 || exit 1
sleep 1
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
click $((18 + 60 + 15)) $((31 + 18 + 150 + 15))  # the yellow ball, third in the bottom row
sleep 3                                            # painted, detected and scored
click 226 22                                       # the exit icon
sleep 1
xdotool key Return
if ! wait_until 300 ended "$pid"; then
  echo "the game did not end after Enter on the exit question"
  kill "$pid"
  exit 1
fi
wait "$pid"
code=$?
[ "$code" = 0 ] || { echo "exit code $code"; exit 1; }
[ -f "$key/Prefs" ] || { echo "nothing was saved"; exit 1; }
read -r mode <<<"$(od -An -t d4 -j 48 -N 4 "$key/GameStatus")"
read -r score <<<"$(od -An -t d4 -j 60 -N 4 "$key/GameStatus")"
[ "$mode" = 1 ] || { echo "the kept game was not kept (mode $mode)"; exit 1; }
# The line of three scores 96 at level 1 (the balls that refill the board
# could, rarely, make another line before the exit).
if [ "$score" -lt 1096 ]; then
  echo "the click scored nothing: saved score $score"
  exit 1
fi
echo "the clicked ball made a line worth $((score - 1000)), saved with the kept game"
