#include "engine/game_tick.hpp"

#include <cstdint>

#include "engine/difficulty_schedule.hpp"
#include "engine/game_state.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/new_game_and_supply.hpp"
#include "engine/painting.hpp"
#include "engine/scoring.hpp"
#include "engine/screen_items.hpp"
#include "engine/show_sequences.hpp"
#include "platform/backend/runtime.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/window_system.hpp"
#include "records/hiscore_table.hpp"

namespace engine {

namespace {

constexpr int ScreenHiScoreTable = 2;
constexpr int ScreenNewHiScore = 3;

GameOverHandler gameOverHandler = nullptr;

// The reserve's last quarter, where the hazard sign warns the player.
bool ReserveLow() {
  // Widened: a damaged stored reserve may sit at the ends of its range.
  return std::int64_t{Kept.Reserve} * 4 < 77;
}

void PlayingTick(platform::Window* window) {
  std::int32_t* ticksLeft = Game.TickCountdown;

  SupplyAndGravity();
  if (ticksLeft[countdown::Groups] == 0) {
    DetectGroups();
    ResolveGroups();
    ticksLeft[countdown::Groups] = 100;
  }
  if (ticksLeft[countdown::Decorations] == 0) {
    InvalidateItem(window, Item::CoilLow);
    InvalidateItem(window, Item::CoilHigh);
    InvalidateItem(window, Item::HazardSign);
    Game.DecorationsRedraw = 1;
    ticksLeft[countdown::Decorations] = 30;
  }
  if (ticksLeft[countdown::Reserve] == 0) {
    WordBlink();
    if (Game.WordRedraw == 1) {
      InvalidateItem(window, Item::LetterStrip);
      Game.WordRedraw = 2;
    }
    ReserveStep(window);
    Game.DripRedraw = 1;
    InvalidateItem(window, Item::PaintPot);
    ticksLeft[countdown::Reserve] = 6;
  }
  if (ticksLeft[countdown::Schedule] == 0) {
    DifficultyStep(window);
    if (Kept.Mode == mode::Panic) InvalidateItem(window, Item::PanicClock);
    ticksLeft[countdown::Schedule] = 100;
  }
  InvalidateItem(window, Item::NextColour);
  if (Game.LevelUpPending == 1) InvalidateItem(window, Item::LevelTile);
  for (std::int32_t& clock : Game.TickCountdown) {
    if (clock > 0) clock -= 1;
  }
}

void EndOfShow(platform::Window* window) {
  Game.RunOutCounter = 0;
  platform::KillTimer(window, GameTimer);
  const int finishedMode = Kept.Mode;
  int nextScreen = -1;
  if (finishedMode >= mode::Easy && finishedMode <= mode::Chroma) {
    nextScreen = records::EarnsHiScorePlace(finishedMode, Kept.Score) ? ScreenNewHiScore
                                                                      : ScreenHiScoreTable;
  }
  if (gameOverHandler) gameOverHandler(finishedMode, nextScreen);
  Kept.reserved34 = 0;
  Game.GameOverStep = 0;
  Game.Phase = phase::Start;
  Kept.Mode = mode::None;
}

}  // namespace

void SetGameOverHandler(GameOverHandler handler) {
  gameOverHandler = handler;
}

void GameTick(platform::Window* window) {
  switch (Game.Phase) {
    case phase::Start:
      if (!Game.RestoreKeptGame) {
        NewGame();
      } else {
        // A resumed game must not replay the balls of every other resume.
        platform::Srand(platform::GetTickCount());
      }
      platform::SetTimer(window, GameTimer, 2);
      Game.Phase = phase::Playing;
      break;
    case phase::Playing:
      PlayingTick(window);
      break;
    case phase::GameOver:
      ShowTick();
      // Keeps the score box painted during the show.
      DifficultyStep(window);
      if (Game.RunOutCounter == 10) EndOfShow(window);
      break;
    default:
      break;
  }
  InvalidateItem(window, Item::Board);
}

void FullRedrawTick(platform::Window* window) {
  // The frame has just drawn the word; the tick may change it again.
  Game.WordRedraw = 0;
  // A resumed game keeps its colour and, in HEAT, the hot pipes it was left with.
  if (!Game.RestoreKeptGame) {
    RollPaintColour();
    DrawHotPipes();  // HEAT only
  }
  GameTick(window);
  // The painter draws the colour and the pipes as the tick left them.
  Game.SwatchRedraw = 0;
  Game.PipesRedraw = 0;
  Game.RestoreKeptGame = 0;
}

void ReserveStep(platform::Window* window) {
  const bool wasLow = ReserveLow();
  if (Game.RefillPending > 0) {
    Game.RefillPending -= 1;
    AddClamped(Kept.Reserve, 1);
  }
  if (Game.DrainPending > 0) {
    AddClamped(Kept.Reserve, -1);
    Game.DrainPending -= 1;
  }
  if (Kept.Reserve >= 77 && Kept.Reserve <= 99) {
    Kept.Reserve = 68;
    Game.DrainPending = 37;
    Game.LevelUpPending = 1;
    if (Kept.Level == 9) AddScore(5000);
  }
  if (Kept.Reserve <= 0) Game.Phase = phase::GameOver;
  if (!wasLow && ReserveLow()) Game.HazardBlink = 3;

  if (Kept.Mode == mode::Hard || Kept.Mode == mode::Panic) {
    if (Game.DripCountdown == 0) Game.DripCountdown = Game.DripInterval;
    // With no interval to count down, a unit drips at every step.
    bool drip = Game.DripCountdown <= 0;
    if (!drip) {
      Game.DripCountdown -= 1;
      drip = Game.DripCountdown == 0;
    }
    if (drip) AddClamped(Game.DrainPending, 1);
    if (Kept.Reserve < 30 || Kept.Reserve > 68) Game.PaintCost = 3;
  }

  Game.GaugeRedraw = 1;
  InvalidateItem(window, Item::Gauge);
}

void PanicSecond() {
  // Only a game in play runs out of time: during the show the score box is
  // repainted every tick, and a game lost on paint must keep its banner.
  if (Kept.Mode != mode::Panic || Game.Phase != phase::Playing) return;
  if (Kept.PanicTime > 0) Kept.PanicTime -= 1;
  if (Kept.PanicTime <= 0) {
    Game.TimeOut = 1;
    Game.Phase = phase::GameOver;
  }
}

}  // namespace engine
