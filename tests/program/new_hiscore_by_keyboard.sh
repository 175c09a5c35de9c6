#!/usr/bin/env bash
# The real binary: a HARD game runs out of paint with a score above the fifth
# place; a name typed on the real keyboard and Enter put it in the table, which
# is stored at once and still there after the way out through the menu's quit icon.
set -u
game=$1
tool=$2
keptgame="$(dirname "$tool")/fandriass_keptgame"
. "$(dirname "$0")/xvfb.bash"
start_play_session || exit 1
# Black balls make no line; the last unit of paint drips away. The default HARD
# table ends 4156, 2856, 1365, so 3000 takes the fourth place.
"$keptgame" --mode 2 --score 3000 --reserve 1 \
  --board "KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK" || exit 1
launch_game --screen 240x320 --zoom 1 || exit 1
fail() { echo "$1"; kill "$pid" 2>/dev/null; exit 1; }
pixel() { "$tool" pixel "Fandriass II" "$1" "$2" 2>/dev/null; }
# The white panel between the OK and Cancel buttons over the black below it:
# the game screen has a ball and its bottom panel there.
name_entry_shown() { [ "$(pixel 120 185)" = ffffff ] && [ "$(pixel 5 250)" = 000000 ]; }
wait_until 300 name_entry_shown || fail "the name entry never showed"
xdotool type --window "$window" Kim
xdotool key --window "$window" Return
# Byte 84 starts the fourth entry: its UTF-16 name, and its score 24 bytes on.
stored_name() { [ "$(od -An -c -j 84 -N 6 "$key/PrefsHard" 2>/dev/null | tr -d ' \\')" = K0i0m0 ]; }
wait_until 100 stored_name || fail "the name was not stored at once"
# The table, then the menu: a tap off the table's buttons goes back to the menu,
# and the same place on the menu is its quit icon.
for _ in 1 2 3 4 5; do
  xdotool mousemove --window "$window" 230 8 click 1
  wait_until 10 ended "$pid" && break
done
ended "$pid" || fail "the quit icon did not end the game"
wait "$pid"
code=$?
[ "$code" = 0 ] || { echo "exit code $code"; exit 1; }
stored_name || { echo "the name is gone after the way out"; exit 1; }
read -r score <<<"$(od -An -t d4 -j 108 -N 4 "$key/PrefsHard")"
read -r fifth <<<"$(od -An -t d4 -j 136 -N 4 "$key/PrefsHard")"
read -r mode <<<"$(od -An -t d4 -j 48 -N 4 "$key/GameStatus")"
[ "$score" = 3000 ] && [ "$fifth" = 2856 ] || { echo "fourth $score, fifth $fifth"; exit 1; }
[ "$mode" = 0 ] || { echo "the finished game is still kept (mode $mode)"; exit 1; }
echo "Kim stands fourth in the stored HARD table with 3000"
