#include "engine/painting.hpp"

#include "engine/game_state.hpp"
#include "sound/sound_effects.hpp"

namespace engine {

namespace {

// Rows: ball colour Red..Orange; columns: paint colour Red..Orange. Two
// primaries give the secondary between them, a primary and a secondary
// containing it give the paint, two secondaries give the primary they share,
// opposites give black. Equal colours never mix (the tap is refused); they are
// listed as the paint.
constexpr int kMixing[][6] = {
    {1, 6, 5, 7, 5, 6},  // Red
    {6, 2, 4, 4, 7, 6},  // Yellow
    {5, 4, 3, 4, 5, 7},  // Blue
    {7, 2, 3, 4, 3, 2},  // Green
    {1, 7, 3, 3, 5, 1},  // Purple
    {1, 2, 7, 2, 1, 6},  // Orange
};

bool OnTheWheel(int value) {
  return value >= colour::Red && value <= colour::Orange;
}

}  // namespace

int MixedColour(int ball, int paint) {
  // Paint on black stays paint and black paint stays black, as does any code
  // off the wheel (a damaged kept board).
  if (!OnTheWheel(ball) || !OnTheWheel(paint)) return paint;
  return kMixing[ball - 1][paint - 1];
}

void PaintCell(int c) {
  if (c < 0 || c >= CellCount) return;
  const int ball = Kept.BallColour[c];
  const bool resting = c >= 30 || Kept.BallColour[c + 6] != colour::None;
  if (ball == colour::None || ball == Kept.PaintColour || !resting) {
    sound::PlaySoundEffect(sound::effect::PaintRefused);
    return;
  }
  MixPaint(c);
  Game.PaintStep[c] = 1;
  AddClamped(Game.TapCredit, 1);
  AddClamped(Game.DrainPending, Game.PaintCost);
}

void MixPaint(int c) {
  if (Kept.Mode == mode::Chroma) {
    Kept.PaintColour = MixedColour(Kept.BallColour[c], Kept.PaintColour);
    Game.SwatchRedraw = 1;
  }
}

void RollPaintColour() {
  Kept.PaintColour = Draw(5) + 1;
  Game.SwatchRedraw = 1;
}

void CompletePaint(int c) {
  if (c < 0 || c >= CellCount) return;
  // The ball may have been sucked away or have fallen while the splash ran;
  // the paint then lands on nothing and must not make a ball of thin air.
  if (Kept.BallColour[c] != colour::None) Kept.BallColour[c] = Kept.PaintColour;
  Game.PaintStep[c] = 0;
  RollPaintColour();
}

}  // namespace engine
