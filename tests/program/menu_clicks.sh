#!/usr/bin/env bash
# Clicks on the menu of the real binary at a zoom: a window made 2.5 times the
# screen shows it at zoom 2 in a letterbox, and a click on the centre of HARD
# starts HARD; under a window manager F11 fills the desktop at zoom 3, and a
# click on the centre of PANIC starts PANIC. The size and the full screen are
# remembered for the next start.
set -u
. "$(dirname "$0")/xvfb.bash"
start_session "$@"
size_is() { [ "$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')" = "$1" ]; }
# Starts on the menu, clicks an entry once the menu is drawn at the window's
# size, and closes the game on the game screen: the entry's mode is kept.
click_entry() {
  wait_until 100 on_menu || fail "the menu was not drawn at $1"
  click_device "$2" "$3"
  wait_until 100 eval '! on_menu' || fail "the click left the menu for no screen"
  close_game
  [ "$(stored 48)" = "$4" ] || fail "the click started mode $(stored 48), not $4"
}
remembered() { grep -qx "$1" "$key/desktop-window.txt" || fail "not remembered: $1"; }

step=zoomed
prepare_menu
launch_game --screen 240x320 --zoom 1
xdotool windowsize "$window" 600 800
wait_until 100 size_is 600x800 || fail "the window was not resized"
click_entry 600x800 170 211 2 # HARD
remembered "size 600 800"
remembered "fullscreen 0"

step="full screen"
fresh_folders
prepare_menu
command -v evilwm >/dev/null || fail "evilwm is missing"
# The server's own cursor font is the one font every server has.
evilwm -fn cursor >/dev/null 2>&1 &
wm=$!
trap 'kill $wm; end_session' EXIT
# A game started while the window manager was still starting up sometimes
# lost its window under load.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_until 100 wm_ready || fail "the window manager did not start"
launch_game --screen 240x320 --zoom 1
# The window manager gives the focus to the window under the pointer.
xdotool mousemove --window "$window" 10 10
wait_until 100 eval '[ "$(xdotool getwindowfocus)" = "$window" ]' || fail "the window has no focus"
xdotool key F11
wait_until 100 size_is 1280x1024 || fail "F11 did not fill the screen"
click_entry 1280x1024 173 241 3 # PANIC
remembered "fullscreen 1"
remembered "size 240 320"
launch_game --screen 240x320
wait_until 100 size_is 1280x1024 || fail "the second start was not full screen"
close_game
echo "HARD started from its centre at zoom 2, PANIC in full screen; both remembered"
