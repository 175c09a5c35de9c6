#!/usr/bin/env bash
# Every way out of the real binary saves all six records and leaves quietly:
# the menu's quit icon, Escape on the menu answered Yes, the game's exit icon
# answered Yes (after a real click on a ball scored), the window's close
# button, and terminate, interrupt and hang-up (a hang-up ignored by whoever
# started the game, as nohup does, is ignored). Each ends with code 0, prints
# nothing, keeps what it should (the games played, the running game and its
# score) and lets the one-copy lock go, so the next start runs.
set -u
game=$1
tool=$2
keptgame="$(dirname "$tool")/fandriass_keptgame"
. "$(dirname "$0")/menu_click.bash"
start_xvfb || exit 1
trap stop_xvfb EXIT
game_log=$(mktemp)
marker=$(mktemp)
fail() { echo "$way: $1"; kill "$pid" 2>/dev/null; exit 1; }
stored() { od -An -t d4 -j "$1" -N 4 "$key/GameStatus" | tr -d ' '; }
pixel() { "$tool" pixel "Fandriass II" "$1" "$2" 2>/dev/null; }
# The question box's white body at its left edge, over the menu or the game.
box_shown() { [ "$(pixel 10 160)" = ffffff ]; }
answer_yes() {
  wait_until 100 box_shown || fail "no question was shown"
  xdotool key Return
}

for way in quit-icon escape close-button exit-icon TERM INT HUP nohup; do
  case $way in
    quit-icon | escape)
      prepare_menu "$tool"
      printf '\51' | dd of="$key/GameStatus" bs=1 seek=12 conv=notrunc status=none # 41 played
      ;;
    exit-icon)
      # A full board with no line; red paint on the yellow ball makes three
      # reds at the bottom row's left pipe.
      "$keptgame" --mode 1 --score 1000 --paint 1 --reserve 60 \
        --board "RYBGPO BGPORY PORYBG RYBGPO BGPORY RRYBGP" || exit 1
      ;;
    *) "$keptgame" --mode 3 --score 2500 --level 4 --panic 60 || exit 1 ;;
  esac
  # The tables are written again only if the way out saves them.
  rm -f "$key"/Prefs*
  touch "$marker"
  : >"$game_log"
  launch_env=
  [ "$way" = nohup ] && launch_env="--default-signal=INT --ignore-signal=HUP"
  launch_game --screen 240x320 --zoom 1 || exit 1
  case $way in
    quit-icon)
      for _ in 1 2 3 4 5; do
        click_device 230 8
        wait_until 10 ended "$pid" && break
      done
      ;;
    escape)
      sleep 0.5
      xdotool key Escape
      answer_yes
      ;;
    close-button) "$tool" close "Fandriass II" ;;
    exit-icon)
      sleep 1
      xdotool mousemove --window "$window" $((18 + 60 + 15)) $((31 + 18 + 150 + 15)) click 1
      sleep 3 # painted, detected and scored
      xdotool mousemove --window "$window" 226 22 click 1
      answer_yes
      ;;
    nohup)
      kill -s HUP "$pid"
      wait_until 5 ended "$pid" && fail "the ignored hang-up ended the game"
      kill -s TERM "$pid"
      ;;
    *) kill -s "$way" "$pid" ;;
  esac
  wait_until 300 ended "$pid" || fail "the game did not end"
  wait "$pid"
  code=$?
  [ "$code" = 0 ] || fail "exit code $code"
  [ -s "$game_log" ] && fail "the game printed: $(cat "$game_log")"
  [ -e "$XDG_RUNTIME_DIR/fandriass2.socket" ] && fail "the one-copy lock was not let go"
  for value in GameStatus Prefs PrefsHard PrefsPanic PrefsHeat PrefsChroma; do
    [ "$key/$value" -nt "$marker" ] || fail "$value was not saved"
  done
  [ "$(stat -c %s "$key/PrefsChroma")" = 144 ] || fail "PrefsChroma is not a whole table"
  case $way in
    quit-icon | escape)
      [ "$(stored 12)" = 41 ] && [ "$(stored 48)" = 0 ] ||
        fail "saved $(stored 12) games played, mode $(stored 48)"
      ;;
    exit-icon)
      # The line of three scores 96 at level 1 (the balls that refill the board
      # could, rarely, make another line before the exit).
      [ "$(stored 48)" = 1 ] && [ "$(stored 60)" -ge 1096 ] ||
        fail "kept mode $(stored 48) with score $(stored 60)"
      ;;
    *)
      # The game plays on while a hang-up is ignored: lines may score meanwhile.
      [ "$(stored 48)" = 3 ] && [ "$(stored 60)" -ge 2500 ] ||
        fail "kept mode $(stored 48) with score $(stored 60)"
      ;;
  esac
done
echo "every way out saved the six records, quietly, with exit code 0"
