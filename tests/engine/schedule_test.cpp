#include <iterator>

#include "engine/difficulty_schedule.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::GameEngineTest;

// The schedule as the game's design lists it: from each score on, the paint cost
// and hot pipes of EASY, HEAT and CHROMA at level 1 and above it, then the paint
// cost and drip interval of HARD and PANIC at level 1 and above it.
struct Row {
  int from;
  int easy[4];
  int hard[4];
};
constexpr Row kRows[] = {
    {0, {4, 7, 4, 7}, {2, 10, 2, 10}},      {2001, {4, 7, 6, 6}, {2, 10, 2, 8}},
    {3800, {4, 7, 4, 7}, {2, 10, 2, 10}},   {5001, {5, 5, 5, 5}, {2, 8, 2, 8}},
    {7800, {4, 7, 4, 7}, {2, 10, 2, 10}},   {9001, {4, 7, 6, 6}, {2, 10, 2, 8}},
    {9990, {4, 7, 4, 7}, {2, 10, 2, 10}},   {10001, {5, 6, 5, 6}, {2, 7, 2, 7}},
    {11001, {6, 5, 6, 5}, {2, 6, 2, 6}},    {12900, {5, 6, 5, 6}, {2, 7, 2, 7}},
    {15001, {6, 4, 6, 4}, {2, 6, 2, 6}},    {17000, {5, 6, 5, 6}, {2, 7, 2, 7}},
    {18001, {6, 4, 6, 4}, {2, 6, 2, 6}},    {20900, {5, 6, 5, 6}, {2, 7, 2, 7}},
    {23001, {6, 4, 6, 4}, {2, 6, 2, 6}},    {25900, {5, 6, 5, 6}, {2, 7, 2, 7}},
    {30001, {6, 5, 6, 5}, {2, 6, 2, 6}},    {36001, {7, 4, 7, 4}, {2, 5, 2, 5}},
    {39100, {6, 5, 6, 5}, {2, 6, 2, 6}},    {44001, {7, 3, 7, 3}, {2, 5, 2, 5}},
    {48600, {6, 5, 6, 5}, {2, 6, 2, 6}},    {50001, {6, 4, 6, 4}, {2, 5, 2, 5}},
    {57001, {7, 3, 7, 3}, {2, 4, 2, 4}},    {59800, {6, 4, 6, 4}, {2, 5, 2, 5}},
    {69001, {7, 3, 7, 3}, {2, 4, 2, 4}},    {72001, {8, 2, 8, 2}, {2, 3, 2, 3}},
    {74900, {6, 4, 6, 4}, {2, 5, 2, 5}},    {75001, {7, 3, 7, 3}, {2, 3, 2, 3}},
    {82001, {8, 2, 8, 2}, {2, 3, 2, 3}},    {85000, {7, 3, 7, 3}, {2, 3, 2, 3}},
    {90001, {8, 2, 8, 2}, {2, 3, 2, 3}},    {93001, {9, 2, 9, 2}, {2, 2, 2, 2}},
    {97000, {8, 2, 8, 2}, {2, 3, 2, 3}},    {101001, {9, 2, 9, 2}, {3, 1, 3, 1}},
    {201001, {10, 2, 10, 2}, {2, 1, 2, 1}}, {301001, {12, 2, 12, 2}, {4, 1, 4, 1}},
    {401001, {14, 1, 14, 1}, {6, 1, 6, 1}}, {601001, {18, 1, 18, 1}, {8, 1, 8, 1}},
};

// Each band holds from its first score to the score before the next band.
TEST_F(GameEngineTest, EveryScheduleBandHoldsFromItsFirstScoreToItsLast) {
  const int count = static_cast<int>(std::size(kRows));
  for (int i = 0; i < count; ++i) {
    const Row& row = kRows[i];
    const int last = i + 1 < count ? kRows[i + 1].from - 1 : 2147483647;
    for (int score : {row.from, last}) {
      for (int level : {1, 2, 9}) {
        const int* easy = row.easy + (level > 1 ? 2 : 0);
        const int* hard = row.hard + (level > 1 ? 2 : 0);
        for (int m : {mode::Easy, mode::Heat, mode::Chroma}) {
          const ScheduleValues v = ScheduleFor(m, score, level);
          EXPECT_EQ(v.PaintCost * 100 + v.Second, easy[0] * 100 + easy[1]) << score << "/" << level;
        }
        for (int m : {mode::Hard, mode::Panic}) {
          const ScheduleValues v = ScheduleFor(m, score, level);
          EXPECT_EQ(v.PaintCost * 100 + v.Second, hard[0] * 100 + hard[1]) << score << "/" << level;
        }
      }
    }
  }
  // A damaged kept score below zero plays as a new game.
  EXPECT_EQ(ScheduleFor(mode::Easy, -5, 2).PaintCost, 4);
}

TEST_F(GameEngineTest, TheScheduleStepSetsTheValuesOfItsMode) {
  for (int m = mode::Easy; m <= mode::Chroma; ++m) {
    Game.ActivePipeCount = 0;
    Game.DripInterval = 0;
    Game.ScoreRedraw = 0;
    Kept.Mode = m;
    Kept.Score = 11500;
    Game.BonusCell = 5;
    Game.BonusLife = 3;
    DifficultyStep(nullptr);
    const bool dripping = m == mode::Hard || m == mode::Panic;
    EXPECT_EQ(Game.PaintCost, dripping ? 2 : 6) << m;
    EXPECT_EQ(Game.DripInterval, dripping ? 6 : 0) << m;
    EXPECT_EQ(Game.ActivePipeCount, dripping ? 0 : 5) << m;
    EXPECT_EQ(Game.ScoreRedraw, 1);
    EXPECT_EQ(Game.BonusLife, 2);  // and the bonus cell's time runs
  }
}

}  // namespace
