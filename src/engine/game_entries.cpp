#include "engine/game_entries.hpp"

#include "engine/game_state.hpp"
#include "engine/new_game_and_supply.hpp"

namespace engine {

void ReadyNewGame() {
  Game.Phase = phase::Start;
  Game.RestoreKeptGame = 0;
}

void ReadyKeptGame() {
  Game.Phase = phase::Start;
  Game.RestoreKeptGame = 1;
  if (Kept.Mode == mode::Hard || Kept.Mode == mode::Panic) Game.DripCountdown = 40;
}

void KeepGameAsItIs() {
  Game.RestoreKeptGame = 1;
}

void ClearGame() {
  Kept.Mode = mode::None;
  Game.Phase = phase::Start;
  NewGame();
}

void ParkGame() {
  Kept.Mode = mode::None;
  NewGame();
  Game.Phase = phase::Parked;
  Kept.reserved34 = 0;
}

void RedrawNextColour() {
  Game.SwatchRedraw = 1;
}

}  // namespace engine
