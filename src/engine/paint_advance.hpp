#pragma once

#include "engine/show_sequences.hpp"

namespace engine {

// What each step of a game-screen paint did, told as it happens. Later steps of
// the same paint may change the cells an earlier move passed over, so the
// painter draws each move at once, from the state its own step left. Every
// request it is told of has been cleared: the painter only draws.
struct FallFrame {
  int Source;    // the cell the ball leaves
  int Progress;  // pixels still to travel
  bool Landed;
};
struct DropFrame {
  int Column;  // 1..6
  int Colour;
  int Letter;
  int Position;  // pixels still to travel
  bool Landed;
};
struct SplashFrame {
  int Cell;
  int Paint;  // the colour being applied (rolled anew when a splash ends)
  int Frame;  // 1, 3, 5, 7 or 9
};
struct SuctionFrame {
  int Pipe;
  int Before;  // balls of the run before the step, at most 6
  bool Swallowed;
};

class PaintReport {
 public:
  virtual ~PaintReport() = default;
  virtual void Fall(const FallFrame&) {}
  virtual void Drop(const DropFrame&) {}
  virtual void Splash(const SplashFrame&) {}
  virtual void PaintColourChanged() {}
  virtual void Gauge() {}
  // The score box's request, after the PANIC clock's second.
  virtual void ScoreAndClock() {}
  virtual void Suction(const SuctionFrame&) {}
  // Once per side (side codes) after its lines: bit n of `sucked` is set when
  // the side's pipe n was reported above.
  virtual void PipesAtRest(int /*side*/, unsigned /*sucked*/) {}
  // The hazard sign's blink on the portrait frame, first or second phase.
  virtual void HazardBlink(bool /*secondPhase*/) {}
  // On every paint, whether a level-up runs or not.
  virtual void LevelUp(const LevelUpFrameResult&) {}
  // While the completed word blinks; `ended` when its banner goes.
  virtual void WordBanner(bool /*ended*/) {}
  virtual void LetterStrip() {}
  // On every paint; `restart` when a new bonus cell begins its blink.
  virtual void BonusCellMarker(bool /*restart*/) {}
  virtual void GameOverShow(const GameOverFrameResult&) {}
  virtual void DripPot() {}
  // The bonus cell paid: its label shows over cell 0..35.
  virtual void ExtraLabel(int /*cell*/) {}
};

// One paint of the game screen: every move under way advances by the pace's
// steps, in the game's order (see HACKING.md), and `report` hears of each.
// `panelsRedrawn` says the painter has just drawn the whole frame, which
// serves the letter strip's and the "next:" colour's requests.
struct PaintPace {
  int BallStep;
  int FallStep;
  bool PanelsRedrawn;
};
void AdvancePaint(const PaintPace& pace, PaintReport& report);

}  // namespace engine
