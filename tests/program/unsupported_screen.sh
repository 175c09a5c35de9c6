#!/usr/bin/env bash
# An unsupported screen size gives the warning and exit code 0 before any game window.
set -u
game=$1
tool=$2
. "$(dirname "$0")/xvfb.bash"
start_xvfb || exit 1
trap stop_xvfb EXIT
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) SDL_AUDIODRIVER=dummy
err=$(mktemp)
"$game" --screen 800x480 2>"$err" &
pid=$!
# With a display the warning is also a desktop message box: answer it.
exited() { ended "$pid"; }
for _ in $(seq 300); do
  exited && break
  [ "$("$tool" count "Fandriass II")" = 0 ] || { echo "a game window opened"; kill "$pid"; exit 1; }
  if [ "$("$tool" count "Warning!")" != 0 ]; then
    xdotool search --name "Warning!" windowfocus --sync key Return >/dev/null 2>&1 ||
      "$tool" close "Warning!"
  fi
  sleep 0.1
done
exited || { echo "the game did not end"; kill "$pid"; exit 1; }
wait "$pid"
code=$?
[ "$code" = 0 ] || { echo "exit code $code"; exit 1; }
grep -q "This screen is not supported." "$err" || { echo "no warning on standard error"; cat "$err"; exit 1; }
grep -q "480x480 screens are supported!" "$err" || { echo "warning text incomplete"; exit 1; }
echo "unsupported screen refused with exit code 0"
