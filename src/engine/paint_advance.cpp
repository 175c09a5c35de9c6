#include "engine/paint_advance.hpp"

#include <algorithm>

#include "engine/animation_steps.hpp"
#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/game_tick.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/scoring.hpp"
#include "engine/show_sequences.hpp"
#include "platform/window/display_profile.hpp"

namespace engine {

namespace {

// A request of the tick, served on this paint.
bool Take(std::int32_t& request) {
  if (!request) return false;
  request = 0;
  return true;
}

void AdvanceFalls(int step, PaintReport& report) {
  for (int slot = 1; slot <= CellCount; ++slot) {
    const BallFall& fall = Game.FallRecord[slot];
    if (!fall.Active) continue;
    const int source = fall.Source;
    const bool landed = StepFall(slot, step);
    report.Fall({source, fall.Progress, landed});
  }
}

void AdvanceDrops(int step, PaintReport& report) {
  for (int k = 1; k <= ColumnCount; ++k) {
    const BallDrop& drop = Game.DropRecord[k];
    if (!drop.Active) continue;
    // Landing hands the column its next ball: the one drawn is this one.
    const int colour = drop.Colour;
    const int letter = Game.IncomingLetter[k];
    const bool landed = StepDrop(k, step);
    report.Drop({k, colour, letter, drop.Position, landed});
  }
}

void AdvanceSplashes(PaintReport& report) {
  for (int c = 0; c < CellCount; ++c) {
    if (Game.PaintStep[c] == 0) continue;
    // A splash that ends rolls the next colour, which the next splash applies.
    const int paint = Kept.PaintColour;
    report.Splash({c, paint, StepSplash(c)});
  }
  if (Take(Game.SwatchRedraw)) report.PaintColourChanged();
}

void AdvanceSuction(int pipeSide, int step, PaintReport& report) {
  const int first = FirstPipeOf(pipeSide);
  unsigned sucked = 0;
  for (int n = 0; n < 6; ++n) {
    const int p = first + n;
    if (Game.RunLength[p] <= 0) continue;
    const int before = std::min(Game.RunLength[p], 6);
    const SuctionFrameResult result = StepSuction(p, step);
    CoolPipes(p);
    report.Suction({p, before, result.Swallowed});
    sucked |= 1u << n;
  }
  report.PipesAtRest(pipeSide, sucked);
}

// Only the portrait frame carries the hazard sign, and only there does its
// blink count down.
void BlinkHazard(PaintReport& report) {
  if (!Take(Game.DecorationsRedraw)) return;
  if (!platform::IsTall(platform::Display.DisplayClass)) return;
  if (Game.HazardBlink <= 0) return;
  const bool second = Game.HazardSecondPhase != 0;
  report.HazardBlink(second);
  if (second) Game.HazardBlink = std::min(Game.HazardBlink - 1, 3);
  Game.HazardSecondPhase = !second;
}

}  // namespace

void AdvancePaint(const PaintPace& pace, PaintReport& report) {
  if (pace.PanelsRedrawn) {
    Game.WordRedraw = 0;
    Game.SwatchRedraw = 0;
  }
  AdvanceFalls(pace.FallStep, report);
  AdvanceDrops(pace.BallStep, report);
  AdvanceSplashes(report);
  if (Take(Game.GaugeRedraw)) report.Gauge();
  if (Take(Game.ScoreRedraw)) {
    PanicSecond();
    report.ScoreAndClock();
  }
  for (int pipeSide : {side::Left, side::Top, side::Right, side::Bottom}) {
    AdvanceSuction(pipeSide, pace.BallStep, report);
  }
  // New hot pipes are drawn with the pipes at rest, as their heat changes.
  Game.PipesRedraw = 0;
  BlinkHazard(report);
  report.LevelUp(LevelUpFrame());
  if (Game.WordBlinkStep > 0) report.WordBanner(EndWordBlinkIfOver());
  if (Game.WordRedraw == 2) {
    Game.WordRedraw = 0;
    report.LetterStrip();
  }
  report.BonusCellMarker(Take(Game.BonusMarkerRestart));
  if (Game.Phase == phase::GameOver) report.GameOverShow(GameOverShowFrame());
  if (Game.DripRedraw > 0) {
    Game.DripRedraw = 0;
    report.DripPot();
  }
  if (Take(Game.BonusShow)) report.ExtraLabel(Game.BonusTakenCell - 1);
}

}  // namespace engine
