#include "engine/scoring.hpp"

#include <algorithm>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "sound/sound_effects.hpp"

namespace engine {

namespace {

constexpr int WordBlinkOver = 24;

// The first free word position a letter code fills, or 0.
int FreePositionFor(int code) {
  for (int position = 1; position <= WordLength; ++position) {
    if (WordLetterCode[position] == code && WordSlot(position) == 0) return position;
  }
  return 0;
}

bool WordComplete() {
  for (int position = 1; position <= WordLength; ++position) {
    if (WordSlot(position) == 0) return false;
  }
  return true;
}

}  // namespace

void CollectLetter(int c) {
  // Only a game in play collects: the run-out of the game-over show swallows
  // balls after the final score is on screen.
  if (Game.Phase != phase::Playing) return;
  const int code = Kept.BallLetter[c];
  if (code < 1 || code > 7) return;
  Game.LetterTaken[code] = 1;
  AddScore(std::int64_t{284} * Kept.Level);
  // While the completed word blinks, letters pay but wait to be placed.
  if (Game.WordBlinkStep != 0) return;

  for (int k = 1; k <= 7; ++k) {
    if (!Game.LetterTaken[k]) continue;
    if (const int position = FreePositionFor(k); position != 0) {
      WordSlot(position) = 1;
      sound::PlaySoundEffect(sound::effect::LetterCollected);
      Game.WordRedraw = 1;
    }
    Game.LetterTaken[k] = 0;
  }
  if (WordComplete()) {
    sound::PlaySoundEffect(sound::effect::WordComplete);
    if (Kept.Reserve < 72) {
      Game.RefillPending = 0;
      AddClamped(Game.RefillPending, std::int64_t{72} - Kept.Reserve);
    }
    Game.WordBlinkStep = 1;
    AddScore(20000);
  }
}

void WordBlink() {
  const int s = Game.WordBlinkStep;
  if (s <= 0 || s >= WordBlinkOver) return;
  if (s <= 9) {
    WordSlot(s) = 0;
  } else if (s <= 18) {
    WordSlot(19 - s) = 1;
  } else {
    // Steps 19..23 empty the word from both ends towards the middle.
    const int outer = s - 18;
    WordSlot(outer) = 0;
    WordSlot(10 - outer) = 0;
  }
  Game.WordBlinkStep = s + 1;
  Game.WordRedraw = 1;
}

bool EndWordBlinkIfOver() {
  if (Game.WordBlinkStep < WordBlinkOver) return false;
  Game.WordBlinkStep = 0;
  return true;
}

void BonusCellTimer() {
  if (Game.BonusWait == 0 && Game.BonusCell == 0) Game.BonusWait = Draw(30);
  if (Game.BonusCell == 0) {
    if (Game.BonusWait > 0) Game.BonusWait -= 1;
    if (Game.BonusWait <= 0) {
      Game.BonusCell = Draw(37);
      Game.BonusLife = 10;
    }
  }
  if (Game.BonusCell != 0) {
    if (Game.BonusLife > 0) Game.BonusLife -= 1;
    if (Game.BonusLife <= 0) Game.BonusCell = 0;
  }
}

void CheckBonusCell() {
  if (Game.BonusCell < 1 || Game.BonusCell > CellCount) return;
  const int cell = Game.BonusCell - 1;
  const int r = RowOf(cell);
  const int c = ColumnOf(cell);
  const auto atLeast = [](int run, int reach) { return run >= std::max(reach, 3); };
  const bool covered[] = {
      atLeast(Game.RunLength[LeftPipe(r)], c + 1),
      atLeast(Game.RunLength[RightPipe(r)], 6 - c),
      atLeast(Game.RunLength[TopPipe(c)], r + 1),
      atLeast(Game.RunLength[BottomPipe(c)], 6 - r),
  };
  for (bool pays : covered) {
    if (!pays) continue;
    AddClamped(Game.RefillPending, std::int64_t{2} * Kept.Level);
    Game.BonusTakenCell = Game.BonusCell;
    Game.BonusShow = 1;
    sound::PlaySoundEffect(sound::effect::BonusCell);
  }
  Game.BonusLife = 2;
  Game.BonusMarkerRestart = 1;
}

}  // namespace engine
