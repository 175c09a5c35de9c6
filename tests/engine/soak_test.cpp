#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/animation_steps.hpp"
#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/game_tick.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/new_game_and_supply.hpp"
#include "engine/paint_advance.hpp"
#include "engine/painting.hpp"
#include "engine/scoring.hpp"
#include "engine/show_sequences.hpp"
#include "platform/backend/runtime.hpp"

namespace {

using namespace engine;

constexpr long kTicksPerMode = 220000;
constexpr long kLongestGame = 400000;

// One paint of the game screen, drawn nowhere.
void PaintFrame(int step) {
  PaintReport unseen;
  AdvancePaint({step, step, false}, unseen);
}

bool Tappable(int c) {
  const int ball = Kept.BallColour[c];
  return ball != 0 && ball != Kept.PaintColour && (c >= 30 || Kept.BallColour[c + 6] != 0);
}

// A player: completes a line at a (hot) pipe when there is one, else perhaps
// prepares one (only a hasty player), and perhaps taps anywhere.
struct Player {
  int tapEvery;
  double aim, prepare, waste;
};

int ChooseTap(std::mt19937& random, const Player& player) {
  std::uniform_real_distribution<double> chance(0, 1);
  int prepare = -1;
  for (int p = 1; p <= PipeCount; ++p) {
    if (Kept.Mode == mode::Heat && PipeActive(p) != 1) continue;
    const auto& line = PipeLines[p];
    for (int gap = 0; gap < 3; ++gap) {
      const int c = line[gap];
      if (!Tappable(c)) continue;
      const int painted = Kept.Mode == mode::Chroma
                              ? MixedColour(Kept.BallColour[c], Kept.PaintColour)
                              : Kept.PaintColour;
      const int matches = (painted == Kept.BallColour[line[(gap + 1) % 3]]) +
                          (painted == Kept.BallColour[line[(gap + 2) % 3]]);
      if (matches == 2 && chance(random) < player.aim) return c;
      if (matches == 1) prepare = c;
    }
  }
  if (prepare >= 0 && chance(random) < player.prepare) return prepare;
  if (chance(random) >= player.waste) return -1;
  int tappable[CellCount], count = 0;
  for (int c = 0; c < CellCount; ++c) {
    if (Tappable(c)) tappable[count++] = c;
  }
  return count ? tappable[random() % count] : -1;
}

// The rules every state of play keeps; names the first one broken, or nullptr.
// Runs that were 0 in `before` and are set now came from detection.
const char* BrokenRule(const std::int32_t* before, bool firstTicks, std::int32_t& lastScore) {
  for (int c = 0; c < CellCount; ++c) {
    const int ball = Kept.BallColour[c], letter = Kept.BallLetter[c];
    if (ball < 0 || ball > 7 || letter < 0 || letter > 7) return "cell out of range";
    if (ball == 0 && letter != 0) return "letter on an empty cell";
  }
  for (int p = 1; p <= PipeCount; ++p) {
    const int n = Game.RunLength[p];
    if (n < 0 || n > 6 || PipeHeat(p) < 0 || PipeHeat(p) > 10) return "pipe out of range";
    if (before[p] != 0 || n == 0) continue;
    if (n < 3) return "detection recorded 1 or 2";
    for (int i = 0; i < n; ++i) {
      const int ball = Kept.BallColour[PipeLines[p][i]];
      if (ball != Kept.BallColour[PipeLines[p][0]] || ball < 1 || ball > 6) return "bad group";
    }
  }
  if (Game.Phase == phase::Playing && (Kept.Reserve < (firstTicks ? 0 : 1) || Kept.Reserve > 76)) {
    return "reserve out of bounds in play";
  }
  if (Kept.Level < 1 || Kept.Level > 9 || Kept.PaintColour < 1 || Kept.PaintColour > 7 ||
      Game.WordBlinkStep < 0 || Game.WordBlinkStep > 24) {
    return "state out of range";
  }
  if (Kept.Score < lastScore) return "score fell";
  lastScore = Kept.Score;
  return nullptr;
}

class SoakTest : public ::testing::TestWithParam<int> {};

TEST_P(SoakTest, EveryGameEndsAndKeepsTheBoardSound) {
  const int gameMode = GetParam();
  InitialiseGameState();
  records::GameStatus = records::GameStatusRecord{};
  std::mt19937 random(static_cast<unsigned>(gameMode) * 7919u);
  long ticks = 0, longest = 0;
  int games = 0, levelUps = 0, words = 0, groups = 0, repaidTicks = 0, cutLines = 0;
  while (ticks < kTicksPerMode) {
    const int step = games % 3 == 0 ? 6 : games % 3 == 1 ? 10 : 15;
    // Paints come as often as the ticks, or fewer on a slow display, where a
    // line's suction outlasts the next detection.
    const int ticksPerPaint = games / 3 % 3 == 0 ? 1 : games / 3 % 3 == 1 ? 3 : 8;
    std::uniform_real_distribution<double> chance(0, 1);
    const bool hasty = games % 2 == 0;
    Player player{8 + static_cast<int>(random() % 40), 0.6 + 0.4 * chance(random),
                  hasty ? chance(random) : 0.2 + 0.3 * chance(random),
                  hasty ? 0.5 * chance(random) : 0.0};
    // The menu deals; the game screen's full redraw rolls the paint colour,
    // draws the hot pipes and gives the first tick.
    Kept.Mode = gameMode;
    NewGame();
    FullRedrawTick(nullptr);
    platform::Srand(static_cast<std::uint32_t>(random()));
    if (games % 3 == 2) {
      // A head start, as after a run of luck: paint to come and most of the word.
      Game.RefillPending += 150;
      for (int p = 1; p <= 9; ++p) WordSlot(p) = random() % 4 != 0;
    }

    long gameTicks = 0;
    std::int32_t lastScore = 0;
    for (; Kept.Mode != mode::None; ++gameTicks) {
      ASSERT_LT(gameTicks, kLongestGame) << "game " << games << " never ends";
      std::int32_t runs[PipeCount + 1];
      std::copy(Game.RunLength, Game.RunLength + PipeCount + 1, runs);
      const int levelBefore = Kept.Level, blinkBefore = Game.WordBlinkStep;
      const std::int32_t scoreBefore = Kept.Score;
      GameTick(nullptr);
      // A tick pays only the lines it has just kept (and 5000 for an overflow
      // at level 9), and leaves the lines being sucked as they were.
      int keptBalls = 0;
      for (int p = 1; p <= PipeCount; ++p) {
        if (runs[p] == 0) {
          keptBalls += Game.RunLength[p];
          groups += Game.RunLength[p] != 0;
        } else {
          cutLines += Game.RunLength[p] != runs[p];
        }
      }
      const std::int64_t unexplained =
          std::int64_t{Kept.Score} - scoreBefore - std::int64_t{32} * keptBalls * levelBefore;
      repaidTicks += unexplained != 0 && unexplained != 5000;
      const char* broken = BrokenRule(runs, gameTicks < 6, lastScore);
      if (gameTicks % ticksPerPaint == 0) PaintFrame(step);
      // Every player tires in the end, and then taps anywhere; so every game ends.
      if (gameTicks == 30000) player = Player{player.tapEvery, 0, 0, 1};
      if (Game.Phase == phase::Playing && gameTicks % player.tapEvery == 0) {
        PaintCell(ChooseTap(random, player));
      }
      if (!broken && Kept.Mode != mode::None) {
        broken = BrokenRule(Game.RunLength, gameTicks < 6, lastScore);
      }
      ASSERT_FALSE(broken) << "game " << games << " tick " << gameTicks << ": " << broken;
      levelUps += Kept.Level > levelBefore;
      words += Game.WordBlinkStep == 1 && blinkBefore == 0;
    }
    ticks += gameTicks;
    longest = std::max(longest, gameTicks);
    ++games;
  }
  EXPECT_GT(games, 10);
  EXPECT_GT(levelUps, 0);
  EXPECT_GT(groups, games);
  EXPECT_EQ(repaidTicks, 0) << "of " << groups << " groups";
  EXPECT_EQ(cutLines, 0) << "of " << groups << " groups";
  RecordProperty("games", games);
  RecordProperty("level_ups", levelUps);
  RecordProperty("words", words);
  RecordProperty("groups", groups);
  RecordProperty("longest_game", static_cast<int>(longest));
}

INSTANTIATE_TEST_SUITE_P(AllModes, SoakTest,
                         ::testing::Values(mode::Easy, mode::Hard, mode::Panic, mode::Heat,
                                           mode::Chroma));

}  // namespace
