#!/bin/bash
# The benchmark: timedemos of recorded whole games on the 240x320 and 480x640
# screens, start-up to the first painted menu, peak memory, then the game
# screen's Google Benchmarks.  run_bench.sh FANDRIASS FANDRIASS_BENCH REPLAYS_DIR
set -euo pipefail
game=$1 bench=$2 replays=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$("$game" --version | awk '{print $3}')
# The recorded games hold to the game's behaviour, not to its version number.
restamp() { sed "1s/.*/fandriass-replay 1 $version/" "$1" > "$2"; }
peak() { /usr/bin/time -f "%M" -o "$work/rss" "$@" > "$work/out"; cat "$work/out"; echo "  peak memory $(( $(cat "$work/rss") / 1024 )) MB"; }
echo "uptime: $(uptime)"
for size in 240x320 480x640; do
  restamp "$replays/full_game_$size.replay" "$work/game.replay"
  echo "== whole game, $size (timedemo)"
  peak "$game" --play "$work/game.replay" --timedemo
  # No input at all: the program starts, paints its menu and the replay ends.
  w=${size%x*} h=${size#*x}
  { printf 'fandriass-replay 1 %s\nscreen %sx%s\nstart 0\nend 0\n' "$version" "$w" "$h"
    for v in Prefs GameStatus PrefsHard PrefsPanic PrefsHeat PrefsChroma; do echo "after $v -"; done
    echo done; } > "$work/menu.replay"
  echo "== start-up to the first painted menu, $size (headless, best of 5)"
  for i in 1 2 3 4 5; do "$game" --play "$work/menu.replay" --timedemo | sed -n 's/.*took \([0-9.]*\) ms.*/\1/p'; done |
    sort -n | head -1 | sed 's/^/  ms: /'
  peak "$game" --play "$work/menu.replay" --timedemo | grep peak
done
echo "== game screen benchmarks"
"$bench" --benchmark_min_time=0.2
