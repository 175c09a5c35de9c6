#!/usr/bin/env bash
# Under a window manager F11 makes the window fill the desktop at zoom 3; a
# click on the centre of PANIC starts a PANIC game, and the next start opens in
# full screen again.
set -u
game=$1
tool=$2
. "$(dirname "$0")/menu_click.bash"
command -v evilwm >/dev/null || { echo "evilwm is missing"; exit 1; }
start_xvfb || exit 1
# The server's own cursor font is the one font every server has.
evilwm -fn cursor >/dev/null 2>&1 &
wm=$!
trap 'kill $wm; stop_xvfb' EXIT
prepare_menu "$tool"
"$game" --screen 240x320 --zoom 1 &
pid=$!
wait_until 300 find_window || { echo "no window titled Fandriass II appeared"; kill "$pid"; exit 1; }
# The window manager gives the focus to the window under the pointer.
xdotool mousemove --window "$window" 10 10
sleep 1
xdotool key F11
wait_until 100 size_is 1280x1024 || { echo "F11 did not fill the screen"; kill "$pid"; exit 1; }
sleep 1
click_device 173 241 # PANIC
sleep 1
close_game "$pid" "$tool" || exit 1
expect_kept_mode 3
expect_remembered "fullscreen 1"
expect_remembered "size 240 320"
"$game" --screen 240x320 &
pid=$!
wait_until 300 find_window || { echo "no window on the second start"; kill "$pid"; exit 1; }
wait_until 100 size_is 1280x1024 || { echo "the second start was not full screen"; kill "$pid"; exit 1; }
close_game "$pid" "$tool" || exit 1
echo "PANIC started from its centre in full screen; full screen remembered"
