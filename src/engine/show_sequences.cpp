#include "engine/show_sequences.hpp"

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "sound/sound_effects.hpp"

namespace engine {

namespace {

// Each pattern sucks every cell exactly once: whole rows into left or right
// pipes, or whole columns into top or bottom pipes.
constexpr int kRunOutPipes[][6] = {
    {BottomPipe(0), BottomPipe(1), BottomPipe(2), BottomPipe(3), BottomPipe(4), BottomPipe(5)},
    {TopPipe(0), TopPipe(1), TopPipe(2), TopPipe(3), TopPipe(4), TopPipe(5)},
    {LeftPipe(0), LeftPipe(1), LeftPipe(2), LeftPipe(3), LeftPipe(4), LeftPipe(5)},
    {RightPipe(0), RightPipe(1), RightPipe(2), RightPipe(3), RightPipe(4), RightPipe(5)},
    {TopPipe(0), TopPipe(1), TopPipe(2), BottomPipe(3), BottomPipe(4), BottomPipe(5)},
    {LeftPipe(0), LeftPipe(1), LeftPipe(2), RightPipe(3), RightPipe(4), RightPipe(5)},
    {TopPipe(0), TopPipe(1), TopPipe(4), TopPipe(5), BottomPipe(2), BottomPipe(3)},
    {LeftPipe(0), LeftPipe(1), LeftPipe(4), LeftPipe(5), RightPipe(2), RightPipe(3)},
    {TopPipe(0), TopPipe(2), TopPipe(4), BottomPipe(1), BottomPipe(3), BottomPipe(5)},
    {LeftPipe(0), LeftPipe(2), LeftPipe(4), RightPipe(1), RightPipe(3), RightPipe(5)},
};

// A ball that was still dropping into column k goes nowhere; the column decides
// its next ball afresh, or the same ball would start its drop again.
void EndDrop(int k) {
  Game.DropRecord[k] = BallDrop{};
  Game.SupplyReady[k] = 0;
}

// The game-over show owns the board from its first step: a move still under way
// would otherwise land a coloured ball (perhaps with a letter that the run-out
// then pays for) on the black board.
void EndMovesInFlight() {
  for (int k = 1; k <= ColumnCount; ++k) EndDrop(k);
  for (BallFall& fall : Game.FallRecord) fall = BallFall{};
  for (std::int32_t& splash : Game.PaintStep) splash = 0;
}

// Black balls leave the board, with the letter a CHROMA ball kept when it was
// painted black, and so do those still on their way down: they would land after
// the others left and stay. Records not under way are all zero.
void RemoveBlackBalls() {
  for (int k = 1; k <= ColumnCount; ++k) {
    if (Game.DropRecord[k].Colour == colour::Black) EndDrop(k);
  }
  for (BallFall& fall : Game.FallRecord) {
    // The falling ball is the one in the source cell, whatever colour it had
    // when the fall started.
    if (Kept.BallColour[fall.Source] == colour::Black) fall = BallFall{};
  }
  for (int c = 0; c < CellCount; ++c) {
    if (Kept.BallColour[c] == colour::Black) {
      Kept.BallColour[c] = colour::None;
      Kept.BallLetter[c] = 0;
    }
  }
}

}  // namespace

LevelUpFrameResult LevelUpFrame() {
  LevelUpFrameResult result{};
  if (!Game.LevelUpPending || Kept.Level > 9) return result;
  const int step = Game.LevelUpStep;
  if (step == 1) {
    sound::PlaySoundEffect(sound::effect::LevelUp);
    // During the game-over show the board is the show's, every ball on it black.
    if (Game.Phase != phase::GameOver) RemoveBlackBalls();
  }
  // The level still rises in the show, but the banner would cover the end's.
  result.ShowBanner = step < 40 && Kept.Level != 9 && Game.Phase != phase::GameOver;
  Game.LevelUpStep = step + 1;
  if (Game.LevelUpStep >= 41) {
    if (Kept.Level != 9) Kept.Level += 1;
    Game.LevelUpStep = 0;
    Game.LevelUpPending = 0;
    result.Finished = true;
  }
  return result;
}

void ShowTick() {
  if (++Game.ShowTicks < ShowTicksPerStep) return;
  Game.ShowTicks = 0;
  Game.ShowStepDue = 1;
}

void HurryTheShow() {
  // The result box comes at step 31; a second later the player has read it.
  constexpr int kReadFor = 1000 / (10 * ShowTicksPerStep);
  if (Game.Phase == phase::GameOver && Game.GameOverStep >= 31 + kReadFor) Game.ShowHurried = 1;
}

GameOverFrameResult GameOverShowFrame() {
  const int s = Game.GameOverStep;
  GameOverFrameResult result{-1, false, s >= 32 && s <= 106};
  // The first step is taken at once: the board turns black as the game ends.
  if (s != 0 && !Game.ShowStepDue && !Game.ShowHurried) return result;
  Game.ShowStepDue = 0;
  result.Step = s;
  if (s == 0) {
    EndMovesInFlight();
    // No banner of the game outlives it: a word still blinking ends now,
    // emptied as its blink would leave it (the show's black board, drawn
    // now, covers the banner).
    if (Game.WordBlinkStep > 0) {
      for (int position = 1; position <= 9; ++position) WordSlot(position) = 0;
      Game.WordBlinkStep = 0;
      Game.WordRedraw = 1;
    }
    for (int c = 0; c < CellCount; ++c) {
      Kept.BallColour[c] = colour::Black;
      Kept.BallLetter[c] = 0;
    }
  }
  if (s >= 31 && s <= 105 && Game.RunOutCounter == 0) {
    result.ComposeResult = true;
    Game.RunOutCounter = 1;
  }
  result.ResultShown = s >= 31 && s <= 105;
  if (s == 20) {
    sound::PlaySoundEffect(sound::effect::GameOver);
  } else if (s == 70) {
    StartRunOut(Draw(10));
  } else if (s == 110) {
    Game.RunOutCounter = 10;
    Game.GameOverStep = 200;
  }
  if (s < 110) Game.GameOverStep = s + 1;
  return result;
}

void StartRunOut(int pattern) {
  if (pattern < 0 || pattern > 9) return;
  Game.RunOutPattern = pattern;
  for (int p : kRunOutPipes[pattern]) Game.RunLength[p] = 6;
}

}  // namespace engine
