#include <algorithm>
#include <vector>

#include "engine/board_geometry.hpp"
#include "engine/difficulty_schedule.hpp"
#include "engine/game_tick.hpp"
#include "engine/show_sequences.hpp"
#include "engine_fixture.hpp"
#include "platform/headless.hpp"
#include "platform/window.hpp"
#include "records/hiscore_table.hpp"
#include "support/headless_fixture.hpp"

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
    ResetGame();
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

// The four clocks of play: the reserve every 6 ticks, the schedule and the
// group detection every 100, the side decorations every 30, all from the first.
TEST_F(GameEngineTest, TheClocksOfPlayKeepTheirPeriods) {
  StartGame(mode::Easy);
  SetBoard(
      "......"
      "......"
      "......"
      "......"
      "......"
      "333...");
  std::vector<int> fired[4];
  for (int tick = 0; tick < 301; ++tick) {
    GameTick(nullptr);
    const bool detected = Game.RunLength[LeftPipe(5)] != 0;
    const std::int32_t flags[4] = {Game.GaugeRedraw, Game.ScoreRedraw, detected,
                                   Game.DecorationsRedraw};
    for (int i = 0; i < 4; ++i) {
      if (flags[i]) fired[i].push_back(tick);
      EXPECT_LE(flags[i], 1);
    }
    EXPECT_EQ(Game.DripRedraw, Game.GaugeRedraw);
    EXPECT_EQ(Game.WordRedraw, 0);  // nothing changed in the word
    Game.GaugeRedraw = Game.ScoreRedraw = Game.DecorationsRedraw = Game.DripRedraw = 0;
    Game.RunLength[LeftPipe(5)] = Game.RunHandled[LeftPipe(5)] = 0;
  }
  const int periods[4] = {6, 100, 100, 30};
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(fired[i].size(), 300u / periods[i] + 1) << i;
    for (std::size_t n = 0; n < fired[i].size(); ++n) {
      EXPECT_EQ(fired[i][n], static_cast<int>(n) * periods[i]) << i;
    }
  }
}

// The completed word blinks on the reserve clock, and the tick hands each
// change of the word to the painter (request 2: its area is invalidated).
TEST_F(GameEngineTest, TheWordBlinksOnTheReserveClock) {
  StartGame(mode::Easy);
  for (int p = 1; p <= 9; ++p) WordSlot(p) = 1;
  Game.WordBlinkStep = 1;
  for (int tick = 0; tick < 13; ++tick) {
    GameTick(nullptr);
    EXPECT_EQ(Game.WordRedraw, tick % 6 == 0 ? 2 : 0) << tick;
    Game.WordRedraw = 0;
  }
  EXPECT_EQ(Game.WordBlinkStep, 4);
  EXPECT_EQ(WordSlot(3) + WordSlot(4), 1);
}

// The reserve moves by one unit each way per step; a refill and a drain in the
// same step cancel out. It overflows from 77 to 99 only, and empties at 0.
TEST_F(GameEngineTest, TheReserveMovesOneUnitEachWayPerStep) {
  Kept.Reserve = 10;
  Game.RefillPending = 3;
  Game.DrainPending = 1;
  const int expected[4][3] = {{10, 2, 0}, {11, 1, 0}, {12, 0, 0}, {12, 0, 0}};
  for (const auto& e : expected) {
    ReserveStep(nullptr);
    EXPECT_EQ(Kept.Reserve * 10000 + Game.RefillPending * 100 + Game.DrainPending,
              e[0] * 10000 + e[1] * 100 + e[2]);
    EXPECT_EQ(Game.GaugeRedraw, 1);
  }
  for (const int before : {75, 76, 98, 99}) {
    ResetGame();
    Kept.Reserve = before;
    Game.RefillPending = 1;
    ReserveStep(nullptr);
    const bool overflow = before == 76 || before == 98;
    EXPECT_EQ(Kept.Reserve, overflow ? 68 : before + 1) << before;
    EXPECT_EQ(Game.LevelUpPending, overflow ? 1 : 0) << before;
  }
  Kept.Reserve = 1;
  Game.DrainPending = 1;
  ReserveStep(nullptr);
  EXPECT_EQ(Game.Phase, phase::GameOver);
}

// HARD and PANIC drip; a drip interval of 0 or 1 drips on every step, and a
// reserve outside 30..68 makes each tap cost 3 until the next schedule step.
TEST_F(GameEngineTest, DrippingAndTheDearTapOutsideTheMiddleOfTheGauge) {
  for (const int gameMode : {mode::Easy, mode::Hard, mode::Panic}) {
    for (const int interval : {0, 1}) {
      ResetGame();
      Kept.Mode = gameMode;
      Kept.Reserve = 50;
      Game.DripInterval = interval;
      Game.PaintCost = 5;
      for (int i = 0; i < 3; ++i) ReserveStep(nullptr);
      const bool drips = gameMode != mode::Easy;
      EXPECT_EQ(Game.DrainPending + Kept.Reserve, drips ? 48 + 1 : 50) << gameMode;
      EXPECT_EQ(Kept.Reserve, drips ? 48 : 50) << gameMode;
    }
    for (const int reserve : {29, 30, 68, 69}) {
      ResetGame();
      Kept.Mode = gameMode;
      Kept.Reserve = reserve;
      Game.DripInterval = 10;
      Game.DripCountdown = 5;
      Game.PaintCost = 5;
      ReserveStep(nullptr);
      const bool dear = gameMode != mode::Easy && (reserve == 29 || reserve == 69);
      EXPECT_EQ(Game.PaintCost, dear ? 3 : 5) << gameMode << " at " << reserve;
      EXPECT_EQ(Game.DripCountdown, gameMode == mode::Easy ? 5 : 4);
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
  struct HandlerGuard {
    ~HandlerGuard() { SetGameOverHandler(nullptr); }
  } handlerGuard;
  SetGameOverHandler([](int m, int screen) { handledScreen = m == mode::Heat ? screen : -2; });
  records::HiScoreTable& table = *records::TableOfMode(mode::Heat);
  const engine_test::ScopedValue<records::HiScoreTable> tableGuard(table);
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
      Game.ScoreRedraw = 0;
      GameTick(nullptr);
      EXPECT_EQ(Game.ScoreRedraw, 1);  // the score box stays painted during the show
    }
    EXPECT_EQ(handledScreen, score == 1000 ? 2 : 3);
    EXPECT_EQ(Kept.Mode + Kept.reserved34 + Game.Phase + Game.RunOutCounter + Game.GameOverStep, 0);
  }
  EXPECT_EQ(CountEvents(sound::effect::GameOver), 2);
}

// Every mode with a hi-score table ends on it or on the name entry; any other
// mode (a damaged kept game) ends with no screen of its own.
TEST_F(GameEngineTest, OnlyTheFiveModesEndOnAHiScoreScreen) {
  struct HandlerGuard {
    ~HandlerGuard() { SetGameOverHandler(nullptr); }
  } handlerGuard;
  SetGameOverHandler([](int, int screen) { handledScreen = screen; });
  for (const int gameMode : {0, 1, 5, 6}) {
    ResetGame();
    Kept.Mode = gameMode;
    Game.Phase = phase::GameOver;
    Game.RunOutCounter = 10;
    handledScreen = 99;
    GameTick(nullptr);
    const bool hasTable = gameMode >= mode::Easy && gameMode <= mode::Chroma;
    EXPECT_EQ(handledScreen, hasTable ? 2 : -1) << gameMode;
  }
}

int gameTimerTicks = 0;

platform::LResult CountGameTimer(platform::Window* window, unsigned message,
                                 platform::WParam wParam, platform::LParam lParam) {
  if (message == platform::msg::Timer && wParam == GameTimer) ++gameTimerTicks;
  return platform::DefWindowProc(window, message, wParam, lParam);
}

class GameTimerTest : public testing_support::HeadlessTest {};

// The first tick starts the game timer on the window; the end of the show stops it.
TEST_F(GameTimerTest, RunsFromTheFirstTickToTheEndOfTheShow) {
  testing_support::StartScreen(240, 320);
  platform::Window* window = platform::CreateMainWindow(u"Fandriass II", &CountGameTimer);
  platform::headless::Pump();
  InitialiseGameState();
  records::GameStatus = records::GameStatusRecord{};
  Kept.Mode = mode::Easy;
  GameTick(window);
  gameTimerTicks = 0;
  platform::headless::Advance(100);
  EXPECT_EQ(gameTimerTicks, 10);
  Game.Phase = phase::GameOver;
  Game.RunOutCounter = 10;
  GameTick(window);
  gameTimerTicks = 0;
  platform::headless::Advance(100);
  EXPECT_EQ(gameTimerTicks, 0);
  EXPECT_EQ(Game.Phase, phase::Start);
}

}  // namespace
