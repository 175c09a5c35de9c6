#!/usr/bin/env bash
# The real binary opens its window under X, and closing the window ends it with code 0.
# Waits are for conditions, with bounds generous enough for a busy machine.
set -u
game=$1
tool=$2
. "$(dirname "$0")/xvfb.bash"
start_xvfb || exit 1
trap stop_xvfb EXIT
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) SDL_AUDIODRIVER=dummy
"$game" --zoom 1 &
pid=$!
has_window() { [ "$("$tool" count "Fandriass II")" = 1 ]; }
if ! wait_until 300 has_window; then
  echo "no window titled Fandriass II appeared"
  kill "$pid"
  exit 1
fi
close_game "$pid" "$tool"
code=$?
[ "$code" = 0 ] || { echo "exit code $code"; exit 1; }
echo "window opened and closed, exit code 0"
