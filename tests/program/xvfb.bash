# Sourced by the whole-program tests, which start the real binary under their
# own Xvfb. Every wait is for a condition, with bounds generous enough that a
# busy machine (or a sanitised build) is slow rather than failing.

# Xvfb picks a free display itself and writes its number once it accepts
# clients, so tests running side by side never share or race for a display.
# -noreset: by default the server resets whenever its last client leaves, and a
# game connecting just as a probe of the window tool left lost its connection
# in that reset and ran on without a window.
start_xvfb() {
  local numberFile
  numberFile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$numberFile" >/dev/null 2>&1 &
  XVFB_PID=$!
  wait_until 100 test -s "$numberFile" || { echo "could not start Xvfb"; return 1; }
  export DISPLAY=":$(tr -d '[:space:]' <"$numberFile")"
  rm -f "$numberFile"
}
stop_xvfb() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; wait 2>/dev/null; true; }

# What a test of the real binary starts from: the game and the window tool
# (its arguments), its own display, fresh folders and no sound device. Every
# temporary file and folder of the session is made in one folder (TMPDIR),
# which goes when the session ends.
start_session() {
  game=$1 tool=$2 keptgame="$(dirname "$2")/fandriass_keptgame"
  command -v xdotool >/dev/null || { echo "xdotool is missing"; exit 1; }
  session_folder=$(mktemp -d) || exit 1
  export TMPDIR=$session_folder
  trap end_session EXIT
  start_xvfb || exit 1
  fresh_folders
}
end_session() {
  stop_xvfb
  rm -rf "$session_folder"
}
# Fresh records and runtime folders; key is where the records are kept.
fresh_folders() {
  export XDG_RUNTIME_DIR=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) SDL_AUDIODRIVER=dummy
  key="$XDG_DATA_HOME/kestrelnet/Quillmoor/Fandriass2"
}
# Says what failed (in which step, when the test sets one) and ends the test.
fail() {
  echo "${step:+$step: }$*"
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Waits until a condition command succeeds, up to a number of tenths of a second.
wait_until() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
# True once a process has ended, also while it waits to be reaped.
ended() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 0
  [[ "$state" == Z* ]]
}
# The game's own window: one that an earlier game left may not be gone yet.
find_window() { window=$(xdotool search --pid "$pid" --name '^Fandriass II$' 2>/dev/null | head -n 1); [ -n "$window" ]; }

# Starts the game with the given arguments and waits for its window, focused,
# and its first paint (by then it also takes signals as its way out): sets pid
# and window. The game gets interrupts as a desktop would start it (a script's
# background job ignores them), or as launch_env says. With game_log set,
# whatever the game prints goes there.
launch_game() {
  env ${launch_env:---default-signal=INT} "$game" "$@" \
    >>"${game_log:-/dev/stdout}" 2>>"${game_log:-/dev/stderr}" &
  pid=$!
  wait_until 300 find_window || fail "no window titled Fandriass II appeared"
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
  wait_until 300 painted || fail "the game painted nothing"
}
# Waits for the game to end; it must end with code 0, or the code given.
expect_clean_end() {
  wait_until 300 ended "$pid" || fail "the game did not end"
  wait "$pid"
  local code=$?
  [ "$code" = "${1:-0}" ] || fail "exit code $code"
}
# Closes the game's window as a window manager would; the game must end cleanly.
close_game() {
  wait_until 300 "$tool" close "Fandriass II" || fail "could not ask the game to close"
  expect_clean_end
}

# The colour (RRGGBB) of a window pixel, and of the centre of device pixel (x, y)
# of a 240x320 screen wherever the largest whole zoom that fits the window puts it.
pixel() { "$tool" pixel "Fandriass II" "$1" "$2" 2>/dev/null; }
device_point() {
  local w h zoom
  read -r w h <<<"$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {sub("x", " ", $2); print $2}')"
  zoom=$(((w / 240) < (h / 320) ? w / 240 : h / 320))
  echo $(((w - 240 * zoom) / 2 + $1 * zoom + zoom / 2)) $(((h - 320 * zoom) / 2 + $2 * zoom + zoom / 2))
}
click_device() { xdotool mousemove --window "$window" $(device_point "$1" "$2") click 1; }
# What is on a 240x320 screen: the window is black until the first paint; the
# menu's quit icon shows a white cross; a question box's white body reaches x 10 at y 160.
painted() {
  local p
  p=$(pixel $(device_point 230 8))
  [ -n "$p" ] && [ "$p" != 000000 ]
}
on_menu() { [ "$(pixel $(device_point 230 8))" = ffffff ]; }
box_shown() { [ "$(pixel 10 160)" = ffffff ]; }
answer_yes() {
  wait_until 100 box_shown || fail "no question was shown"
  xdotool key Return
}
# Two cells of the board at zoom 1 (row column row column) show the same ball,
# and a third one another (so that an empty board, all alike, does not count).
cell() { pixel $((33 + 30 * $2)) $((64 + 30 * $1)); }
same_ball() {
  local a
  a=$(cell "$1" "$2")
  [ -n "$a" ] && [ "$a" = "$(cell "$3" "$4")" ] && [ "$a" != "$(cell "$5" "$6")" ]
}

# The 32-bit number at a byte offset of a stored value (GameStatus unless named).
stored() { od -An -t d4 -j "$1" -N 4 "$key/${2:-GameStatus}" | tr -d ' '; }
# The records of a player who turned the help off and has no game kept.
prepare_menu() {
  "$keptgame" --mode 0 || exit 1
  printf '\0' | dd of="$key/GameStatus" bs=1 seek=44 conv=notrunc status=none
}
