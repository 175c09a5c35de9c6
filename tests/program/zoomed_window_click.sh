#!/usr/bin/env bash
# A window made 2.5 times the screen shows it at zoom 2 in a letterbox; a click
# on the centre of HARD starts a HARD game, and the size is kept for next time.
set -u
game=$1
tool=$2
. "$(dirname "$0")/menu_click.bash"
start_xvfb || exit 1
trap stop_xvfb EXIT
prepare_menu "$tool"
"$game" --screen 240x320 --zoom 1 &
pid=$!
wait_until 300 find_window || { echo "no window titled Fandriass II appeared"; kill "$pid"; exit 1; }
xdotool windowsize "$window" 600 800
wait_until 100 size_is 600x800 || { echo "the window was not resized"; kill "$pid"; exit 1; }
sleep 1
click_device 170 211 # HARD
sleep 1
close_game "$pid" "$tool" || exit 1
expect_kept_mode 2
expect_remembered "size 600 800"
expect_remembered "fullscreen 0"
echo "HARD started from its centre at zoom 2; 600x800 remembered"
