#!/usr/bin/env bash
# Every way out of the real binary saves all six records and leaves quietly:
# the menu's quit icon, Escape on the menu answered Yes, the game's exit icon
# answered Yes (after a real click on a ball scored), the window's close
# button, and terminate, interrupt and hang-up (a hang-up ignored by whoever
# started the game, as nohup does, is ignored). Each ends with code 0, prints
# nothing, keeps what it should (the games played, the running game and its
# score) and lets the one-copy lock go, so the next start runs.
set -u
. "$(dirname "$0")/xvfb.bash"
start_session "$@"
game_log=$(mktemp)
marker=$(mktemp)
for step in quit-icon escape close-button exit-icon TERM INT HUP nohup; do
  case $step in
    quit-icon | escape)
      prepare_menu
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
  [ "$step" = nohup ] && launch_env="--default-signal=INT --ignore-signal=HUP"
  launch_game --screen 240x320 --zoom 1
  case $step in
    quit-icon | escape)
      wait_until 100 on_menu || fail "no menu was shown"
      if [ "$step" = escape ]; then xdotool key Escape && answer_yes; else click_device 230 8; fi
      ;;
    close-button) "$tool" close "Fandriass II" ;;
    exit-icon)
      wait_until 100 same_ball 5 2 0 1 0 0 || fail "the kept board was not shown"
      click_device 93 214
      # The line went into its pipe once the blue ball above fell into the corner.
      wait_until 100 same_ball 5 0 2 4 0 3 || fail "the line was not scored"
      click_device 226 22
      answer_yes
      ;;
    nohup)
      kill -s HUP "$pid"
      wait_until 5 ended "$pid" && fail "the ignored hang-up ended the game"
      kill -s TERM "$pid"
      ;;
    *) kill -s "$step" "$pid" ;;
  esac
  expect_clean_end
  [ -s "$game_log" ] && fail "the game printed: $(cat "$game_log")"
  [ -e "$XDG_RUNTIME_DIR/fandriass2.socket" ] && fail "the one-copy lock was not let go"
  for value in GameStatus Prefs PrefsHard PrefsPanic PrefsHeat PrefsChroma; do
    [ "$key/$value" -nt "$marker" ] || fail "$value was not saved"
  done
  [ "$(stat -c %s "$key/PrefsChroma")" = 144 ] || fail "PrefsChroma is not a whole table"
  case $step in
    quit-icon | escape) [ "$(stored 12)" = 41 ] && [ "$(stored 48)" = 0 ] ;;
    # The line of three scores 96 at level 1 (the balls that refill the board
    # could, rarely, make another line before the exit).
    exit-icon) [ "$(stored 48)" = 1 ] && [ "$(stored 60)" -ge 1096 ] ;;
    # The game plays on while a hang-up is ignored: lines may score meanwhile.
    *) [ "$(stored 48)" = 3 ] && [ "$(stored 60)" -ge 2500 ] ;;
  esac || fail "saved $(stored 12) games played, mode $(stored 48), score $(stored 60)"
done
echo "every way out saved the six records, quietly, with exit code 0"
