# Sourced by the tests that click the menu of the real binary at a zoom: a menu
# start with no help before the first game, and clicks at device pixels.
. "$(dirname "${BASH_SOURCE[0]}")/xvfb.bash"
command -v xdotool >/dev/null || { echo "xdotool is missing"; exit 1; }
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) SDL_AUDIODRIVER=dummy
key="$XDG_DATA_HOME/kestrelnet/Quillmoor/Fandriass2"
# The records of a player who turned the help off and has no game kept.
prepare_menu() {
  "$(dirname "$1")/fandriass_keptgame" --mode 0 || exit 1
  printf '\0' | dd of="$key/GameStatus" bs=1 seek=44 conv=notrunc status=none
}
window=""
size_is() { [ "$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')" = "$1" ]; }
# Clicks the centre of device pixel (x, y) of a 240x320 screen, wherever the
# largest whole zoom that fits the window puts it.
click_device() {
  local w h zoom
  read -r w h <<<"$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {sub("x", " ", $2); print $2}')"
  zoom=$(((w / 240) < (h / 320) ? w / 240 : h / 320))
  xdotool mousemove --window "$window" $(((w - 240 * zoom) / 2 + $1 * zoom + zoom / 2)) \
    $(((h - 320 * zoom) / 2 + $2 * zoom + zoom / 2)) click 1
}
# The mode of the game kept when the window closed: the entry the click started.
expect_kept_mode() {
  local mode
  read -r mode <<<"$(od -An -t d4 -j 48 -N 4 "$key/GameStatus")"
  [ "$mode" = "$1" ] || { echo "the click started mode $mode, not $1"; exit 1; }
}
expect_remembered() {
  grep -qx "$1" "$key/desktop-window.txt" || { echo "not remembered: $1"; cat "$key/desktop-window.txt"; exit 1; }
}
