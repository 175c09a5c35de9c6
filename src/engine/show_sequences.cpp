#include "engine/show_sequences.hpp"

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "sound/sound_effects.hpp"

namespace engine {

namespace {

// Each pattern sucks every cell exactly once: whole rows into left or right
// pipes, or whole columns into top or bottom pipes.
constexpr int kRunOutPipes[10][6] = {
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

}  // namespace

LevelUpFrameResult LevelUpFrame() {
  LevelUpFrameResult result{};
  if (!Game.LevelUpPending || Kept.Level > 9) return result;
  const int step = Game.LevelUpStep;
  if (step == 1) {
    sound::PlaySoundEffect(sound::effect::LevelUp);
    // Black balls leave the board, with the letter a CHROMA ball kept when it
    // was painted black.
    for (int c = 0; c < CellCount; ++c) {
      if (Kept.BallColour[c] == colour::Black) {
        Kept.BallColour[c] = colour::None;
        Kept.BallLetter[c] = 0;
      }
    }
  }
  result.ShowBanner = step < 40 && Kept.Level != 9;
  Game.LevelUpStep = step + 1;
  if (Game.LevelUpStep >= 41) {
    if (Kept.Level != 9) Kept.Level += 1;
    Game.LevelUpStep = 0;
    Game.LevelUpPending = 0;
    result.Finished = true;
  }
  return result;
}

GameOverFrameResult GameOverShowFrame() {
  GameOverFrameResult result{Game.GameOverStep, false};
  const int s = Game.GameOverStep;
  if (s == 0) {
    for (int c = 0; c < CellCount; ++c) {
      Kept.BallColour[c] = colour::Black;
      Kept.BallLetter[c] = 0;
    }
  }
  if (s >= 31 && s <= 105 && Game.RunOutCounter == 0) {
    result.ComposeResult = true;
    Game.RunOutCounter = 1;
  }
  if (s == 20) {
    sound::PlaySoundEffect(sound::effect::GameOver);
  } else if (s == 70) {
    StartRunOut(Draw(10));
  } else if (s == 110) {
    Game.RunOutCounter = 10;
    Game.GameOverStep = 200;
  }
  if (Game.GameOverStep < 111) Game.GameOverStep += 1;
  return result;
}

void StartRunOut(int pattern) {
  if (pattern < 0 || pattern > 9) return;
  Game.RunOutPattern = pattern;
  for (int p : kRunOutPipes[pattern]) Game.RunLength[p] = 6;
}

}  // namespace engine
