#!/usr/bin/env bash
# The real binary under a real keyboard. Enter held for two seconds (the X
# server repeating it all the while) on the ball under the cursor paints it
# once, so the paint reserve loses one tap's worth, not dozens. A HARD game
# that runs out of paint above the fifth place takes a name typed on the
# keyboard with Enter, stores it at once, and keeps it through the menu's quit icon.
set -u
. "$(dirname "$0")/xvfb.bash"
start_session "$@"

step="held Enter"
# A full board with no line; the cursor's first cell (row 2, column 3) holds yellow.
"$keptgame" --mode 1 --score 1000 --paint 1 --reserve 60 \
  --board "RYBGPO BGPORY PORYBG RYBGPO BGPORY RYBGPO" || exit 1
launch_game --screen 240x320 --zoom 1
wait_until 100 same_ball 2 3 0 1 0 0 || fail "the kept board was not shown"
xdotool key Right keydown Return
sleep 2 # the key held down
xdotool keyup Return
sleep 2 # the reserve drains what was spent, as the gauge shows it
click_device 226 22 # the exit icon
answer_yes
expect_clean_end
[ "$(stored 48)" = 1 ] || fail "the game ended (mode $(stored 48)): the held Enter kept painting"
[ "$(stored $((80 + 15 * 4)))" != 2 ] || fail "Enter painted nothing"
# One tap costs 3 at this level.
[ "$(stored 76)" -ge 54 ] || fail "the held Enter spent $((60 - $(stored 76))) of the reserve"

step="name entry"
fresh_folders
# Black balls make no line; the last unit of paint drips away. The default HARD
# table ends 4156, 2856, 1365, so 3000 takes the fourth place.
"$keptgame" --mode 2 --score 3000 --reserve 1 \
  --board "KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK" || exit 1
launch_game --screen 240x320 --zoom 1
# The white panel between the OK and Cancel buttons over the black below it:
# the game screen has a ball and its bottom panel there.
name_entry_shown() { [ "$(pixel 120 185)" = ffffff ] && [ "$(pixel 5 250)" = 000000 ]; }
wait_until 300 name_entry_shown || fail "the name entry never showed"
xdotool type --window "$window" Kim
xdotool key --window "$window" Return
# Byte 84 starts the fourth entry: its UTF-16 name, and its score 24 bytes on.
stored_name() { [ "$(od -An -c -j 84 -N 6 "$key/PrefsHard" 2>/dev/null | tr -d ' \\')" = K0i0m0 ]; }
wait_until 100 stored_name || fail "the name was not stored at once"
# A tap off the table's buttons goes back to the menu (far from the quit icon,
# or the two taps would make a double-click, whose second press is ignored).
click_device 120 150
wait_until 100 on_menu || fail "the table did not go back to the menu"
click_device 230 8
expect_clean_end
stored_name || fail "the name is gone after the way out"
[ "$(stored 108 PrefsHard)" = 3000 ] && [ "$(stored 136 PrefsHard)" = 2856 ] ||
  fail "fourth $(stored 108 PrefsHard), fifth $(stored 136 PrefsHard)"
[ "$(stored 48)" = 0 ] || fail "the finished game is still kept (mode $(stored 48))"
echo "a held Enter painted once; Kim stands fourth in the stored HARD table with 3000"
