#include <algorithm>
#include <vector>

#include "engine/difficulty_schedule.hpp"
#include "engine/game_tick.hpp"
#include "engine/show_sequences.hpp"
#include "engine_fixture.hpp"
#include "records/hiscore_table.hpp"

namespace {

using namespace engine;
using engine_test::CountEvents;
using engine_test::GameEngineTest;

void StartGame(int gameMode) {
  Kept.Mode = gameMode;
  Game.Phase = phase::Start;
  GameTick(nullptr);
}

TEST_F(GameEngineTest, ReserveOverflowRaisesTheLevelAndPaysAtNine) {
  for (int level : {3, 9}) {
    SetUp();
    SetBoard("7....................5.......1....77");
    Kept.BallLetter[0] = 3;  // a CHROMA ball painted black keeps its letter
    Kept.Level = level;
    Kept.Reserve = 76;
    Game.RefillPending = 1;
    ReserveStep(nullptr);
    EXPECT_EQ(Kept.Reserve, 68);
    EXPECT_EQ(Kept.Score, level == 9 ? 5000 : 0);
    for (int i = 0; i < 50; ++i) ReserveStep(nullptr);
    EXPECT_EQ(Kept.Reserve, 31);

    int banners = 0, frames = 0;
    while (Game.LevelUpPending) {
      const LevelUpFrameResult frame = LevelUpFrame();
      banners += frame.ShowBanner;
      EXPECT_EQ(frame.Finished, ++frames == 41);
    }
    EXPECT_EQ(Kept.Level, level == 9 ? 9 : level + 1);
    EXPECT_EQ(banners, level == 9 ? 0 : 40);
    EXPECT_EQ(CountEvents(sound::effect::LevelUp), 1);
    for (int c = 0; c < CellCount; ++c) {
      EXPECT_EQ(Kept.BallColour[c], c == 21 ? 5 : c == 29 ? 1 : 0);
      EXPECT_EQ(Kept.BallLetter[c], 0);
    }
  }
}

TEST_F(GameEngineTest, HardDripsOneUnitEverySixtyTicks) {
  StartGame(mode::Hard);
  Game.DripInterval = 10;
  Kept.Reserve = 50;
  Game.RefillPending = 0;
  std::vector<int> drops;
  for (int tick = 0; tick < 700; ++tick) {
    const int before = Kept.Reserve;
    GameTick(nullptr);
    if (Kept.Reserve < before) drops.push_back(tick);
  }
  ASSERT_GE(drops.size(), 10u);
  for (std::size_t i = 1; i < drops.size(); ++i) EXPECT_EQ(drops[i] - drops[i - 1], 60);
}

TEST_F(GameEngineTest, PanicEndsAfter99ScoreBoxStepsAndOnlyInPlay) {
  StartGame(mode::Panic);
  Game.RefillPending = 100000;
  int seconds = 0;
  for (int tick = 0; tick < 20000 && Game.Phase == phase::Playing; ++tick) {
    GameTick(nullptr);
    if (Game.ScoreRedraw) {
      PanicSecond();
      ++seconds;
    }
    Game.ScoreRedraw = 0;
  }
  EXPECT_EQ(seconds, 99);
  EXPECT_EQ(Game.TimeOut, 1);

  // A game lost on paint keeps its banner however often the show repaints the clock.
  Game.TimeOut = 0;
  Kept.PanicTime = 1;
  for (int i = 0; i < 5; ++i) PanicSecond();
  EXPECT_EQ(Kept.PanicTime, 1);
  EXPECT_EQ(Game.TimeOut, 0);
  // A game kept with its clock at 0 times out at once.
  Game.Phase = phase::Playing;
  Kept.PanicTime = 0;
  PanicSecond();
  EXPECT_EQ(Game.Phase, phase::GameOver);
}

int handledScreen = -1;

TEST_F(GameEngineTest, TheShowEndsOnTheTableOrTheNameEntry) {
  SetGameOverHandler([](int m, int screen) { handledScreen = m == mode::Heat ? screen : -2; });
  records::HiScoreTable& table = *records::TableOfMode(mode::Heat);
  const records::HiScoreTable kept = table;
  table.Entry[4].Score = 1000;
  for (int score : {1000, 1001}) {
    Kept.Mode = mode::Heat;
    Kept.Score = score;
    Kept.reserved34 = 7;
    Game.Phase = phase::GameOver;
    std::fill(Game.RunLength, Game.RunLength + PipeCount + 1, 0);
    for (int frame = 0; frame < 120 && Kept.Mode != mode::None; ++frame) {
      GameOverShowFrame();
      EXPECT_EQ(Kept.BallColour[17], colour::Black);
      const int* runs = Game.RunLength;  // from step 70 one line runs through cell 0
      EXPECT_EQ(runs[1] + runs[7] + runs[13] + runs[19], frame < 70 ? 0 : 6);
      GameTick(nullptr);
    }
    EXPECT_EQ(handledScreen, score == 1000 ? 2 : 3);
    EXPECT_EQ(Kept.Mode + Kept.reserved34 + Game.Phase, 0);
  }
  EXPECT_EQ(CountEvents(sound::effect::GameOver), 2);
  SetGameOverHandler(nullptr);
  table = kept;
}

}  // namespace
