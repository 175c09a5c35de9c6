# Sourced by the whole-program tests: starts a private Xvfb and stops it on exit.
start_xvfb() {
  local numberFile
  numberFile=$(mktemp)
  # Xvfb picks a free display itself and writes its number once it accepts
  # clients, so tests running side by side never share or race for a display.
  # -noreset: by default the server resets whenever its last client leaves, and
  # a game connecting just as a probe of the window tool left lost its
  # connection in that reset and ran on without a window.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$numberFile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    if [ -s "$numberFile" ]; then
      export DISPLAY=":$(tr -d '[:space:]' <"$numberFile")"
      rm -f "$numberFile"
      return 0
    fi
    sleep 0.1
  done
  rm -f "$numberFile"
  echo "could not start Xvfb" >&2
  return 1
}
stop_xvfb() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; wait 2>/dev/null; true; }
# What every test that plays with the real keyboard and mouse starts from: its own
# display, fresh data and runtime folders, no sound device. Sets key to the
# records folder.
start_play_session() {
  command -v xdotool >/dev/null || { echo "xdotool is missing"; return 1; }
  start_xvfb || return 1
  trap stop_xvfb EXIT
  export XDG_RUNTIME_DIR=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) SDL_AUDIODRIVER=dummy
  key="$XDG_DATA_HOME/kestrelnet/Quillmoor/Fandriass2"
}
# Starts the game with the given arguments and waits for its window, focused:
# sets pid and window, or says why and fails. The game gets interrupts as a
# desktop would start it (a script's background job ignores them), or as
# launch_env says. With game_log set, whatever the game prints goes there.
launch_game() {
  env ${launch_env:---default-signal=INT} "$game" "$@" \
    >>"${game_log:-/dev/stdout}" 2>>"${game_log:-/dev/stderr}" &
  pid=$!
  window=""
  if ! wait_until 300 find_window; then
    echo "no window titled Fandriass II appeared"
    kill "$pid"
    return 1
  fi
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
}
find_window() { window=$(xdotool search --name '^Fandriass II$' 2>/dev/null | head -n 1); [ -n "$window" ]; }
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
  case "$state" in Z*) return 0 ;; esac
  return 1
}
# Closes the game's window as a window manager would and waits for the process
# to end; returns its exit code, or 1 (with a message) when it never ends.
close_game() {
  local pid=$1 tool=$2
  wait_until 300 "$tool" close "Fandriass II"
  if ! wait_until 300 ended "$pid"; then
    echo "the game did not end when its window was closed"
    kill "$pid"
    return 1
  fi
  wait "$pid"
}
