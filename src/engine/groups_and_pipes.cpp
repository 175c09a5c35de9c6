#include "engine/groups_and_pipes.hpp"

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/scoring.hpp"
#include "sound/sound_effects.hpp"

namespace engine {

namespace {

// Pipes in the order lines are looked at and settled: left, top, right, bottom.
constexpr int kVisitOrder[PipeCount] = {19, 20, 21, 22, 23, 24, 1,  2,  3,  4,  5,  6,
                                        7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18};

// The longest prefix of pipe p's line that has one colour (not black) and lies
// at rest: a row line needs a ball under each of its cells, a column line from
// the top needs one just under its end, a line from the bottom always rests.
int RestingLineLength(int p) {
  const auto& line = PipeLines[p];
  const int* balls = Kept.BallColour;
  const int first = balls[line[0]];
  if (first < colour::Red || first > colour::Orange) return 0;
  const int lineSide = SideOfPipe(p);
  int length = 0;
  for (int i = 0; i < 6; ++i) {
    const int cell = line[i];
    if (balls[cell] != first) break;
    bool rests = true;
    if (lineSide == side::Left || lineSide == side::Right) {
      rests = cell >= 30 || balls[cell + 6] != colour::None;
    } else if (lineSide == side::Top) {
      rests = i == 5 || balls[line[i + 1]] != colour::None;
    }
    if (!rests) break;
    length = i + 1;
  }
  return length;
}

int LongestRun(int firstPipe) {
  int longest = 0;
  for (int p = firstPipe; p < firstPipe + 6; ++p) {
    if (Game.RunLength[p] > longest) longest = Game.RunLength[p];
  }
  return longest;
}

// Whether a line of length n at pipe p loses to the runs it competes with. On
// equal length a row beats a column, a left line the right line of its row, and
// a bottom line the top line of its column.
bool LosesToCompetitors(int p, int n) {
  const int tops = LongestRun(TopPipe(0));
  const int rights = LongestRun(RightPipe(0));
  const int bottoms = LongestRun(BottomPipe(0));
  const int lefts = LongestRun(LeftPipe(0));
  const int* runs = Game.RunLength;
  switch (SideOfPipe(p)) {
    case side::Left: {
      const int row = p - LeftPipe(0);
      return n < tops || n < bottoms || n < runs[RightPipe(row)];
    }
    case side::Top: {
      const int column = p - TopPipe(0);
      return n <= lefts || n <= rights || n <= runs[BottomPipe(column)];
    }
    case side::Right: {
      const int row = p - RightPipe(0);
      return n < tops || n < bottoms || n <= runs[LeftPipe(row)];
    }
    default: {
      const int column = p - BottomPipe(0);
      return n <= lefts || n <= rights || n < runs[TopPipe(column)];
    }
  }
}

}  // namespace

void DetectGroups() {
  for (int p : kVisitOrder) {
    if (Game.RunLength[p] != 0 || Game.RunHandled[p] != 0) continue;
    const int n = RestingLineLength(p);
    if (n < 3) continue;
    if (Kept.Mode == mode::Heat && PipeActive(p) != 1) continue;
    Game.RunLength[p] = n;
  }
}

void ResolveGroups() {
  for (int p : kVisitOrder) {
    const int n = Game.RunLength[p];
    if (n <= 0 || Game.RunHandled[p] != 0) continue;
    Game.RunHandled[p] = 1;
    if (LosesToCompetitors(p, n)) {
      Game.RunLength[p] = 0;
      continue;
    }
    AddClamped(Game.RefillPending, 2 * n);
    AddScore(std::int64_t{32} * n * Kept.Level);
    if (Game.BonusCell != 0) CheckBonusCell();
  }
}

void DrawHotPipes() {
  if (Kept.Mode != mode::Heat || Game.Phase == phase::GameOver) return;
  for (std::int32_t& active : Kept.PipeActive) active = 0;
  for (int i = 0; i < Game.ActivePipeCount; ++i) PipeActive(Draw(24) + 1) = 1;
  for (int p = 1; p <= PipeCount; ++p) PipeHeat(p) = PipeActive(p) == 1 ? 10 : 0;
  Game.PipesRedraw = 1;
}

void SwallowBall(int p) {
  if (p < 1 || p > PipeCount) return;
  const int m = Game.RunLength[p] < 6 ? Game.RunLength[p] : 6;
  if (m <= 0) return;
  const auto& line = PipeLines[p];

  // The ball next to the pipe goes in and the rest of the run slides after it;
  // the run has one colour, so only the far end empties and the letters move.
  Kept.BallColour[line[m - 1]] = colour::None;
  CollectLetter(line[0]);
  for (int i = 0; i + 1 < m; ++i) {
    // A cell another pipe emptied meanwhile takes no letter.
    const bool empty = Kept.BallColour[line[i]] == colour::None;
    Kept.BallLetter[line[i]] = empty ? 0 : Kept.BallLetter[line[i + 1]];
  }
  Kept.BallLetter[line[m - 1]] = 0;
  Game.RunLength[p] = m - 1;

  std::int32_t& heat = PipeHeat(p);
  if (Kept.Mode != mode::Heat && heat < 10) {
    heat += 1;
  } else if (heat == 10 && Game.Phase == phase::Playing) {
    AddClamped(Game.RefillPending, Kept.Level);
    AddScore(std::int64_t{214} * Kept.Level);
  }
  if (m == 1 && Kept.Mode == mode::Heat) DrawHotPipes();
}

void CoolPipes(int p) {
  if (Game.TapCredit > 0) {
    if (Game.CoolDelay == 0) {
      for (int q = 1; q <= PipeCount; ++q) {
        if (q != p && PipeHeat(q) >= 1) PipeHeat(q) -= 1;
      }
      Game.CoolDelay = 10;
    }
    if (Game.CoolDelay > 0) Game.CoolDelay -= 1;
    Game.TapCredit -= 1;
  }
  if (Game.TapCredit > 10) Game.TapCredit = 2;
}

void EndSuction() {
  // Lines still being sucked stay handled: looked at again, they would be paid
  // a second time or lose to a rival mid-suction and leave their balls behind.
  for (int p = 1; p <= PipeCount; ++p) {
    if (Game.RunLength[p] == 0) Game.RunHandled[p] = 0;
  }
}

int HeatClass(int heat) {
  if (heat <= 2) return 1;
  if (heat <= 5) return 2;
  if (heat <= 9) return 3;
  return 4;
}

void PlayPipeSound(int p) {
  if (p < 1 || p > PipeCount) return;
  sound::PipeSoundClass = HeatClass(PipeHeat(p));
  sound::PipeSoundSide = SideOfPipe(p);
  sound::PlaySoundEffect(sound::effect::PipeSuction);
}

}  // namespace engine
