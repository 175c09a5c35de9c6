#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "platform/bitmap.hpp"
#include "platform/message_box.hpp"
#include "platform/message_box_log.hpp"
#include "platform/window.hpp"
#include "platform/window_system_internal.hpp"
#include "records/hiscore_table.hpp"
#include "records/record_store.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/bitmap_catalogue_table.hpp"
#include "render/screen_state.hpp"
#include "shell/game_taps.hpp"
#include "shell/shell_fixture.hpp"

// Whole games on the headless back end: the real start-up, the real message
// loop and the real painters, driven only by the virtual clock, taps and focus.
namespace {

using engine::Game;
using engine::Kept;
using platform::Bitmap;
using namespace shell_test;

// The game screen on a 240x320 screen (class 1): the board's top-left corner.
constexpr int BoardX = 0, BoardY = 31;
constexpr int ExitX = 222, ExitY = 18;

// A full board on which no pipe has a line of three: each row steps its colours
// by two, each column by one. Row 5 starts R R G O Y G, so red paint on cell 32
// makes the only line, three reds at the left pipe of row 5.
constexpr const char* kNoLineBoard =
    "1 3 5 1 3 5 / 2 4 6 2 4 6 / 3 5 1 3 5 1 / 4 6 2 4 6 2 / 5 1 3 5 1 3 / 1 1 4 6 2 4";
constexpr int kTapped = engine::CellOf(5, 2);
constexpr int kLinePipe = engine::LeftPipe(5);

constexpr const char* kBlackBoardWithYellow = "KKKKKK / KKKKKK / KKKKKK / KKKKKK / KKKKKK / YKKKKK";

// Counts what the main window receives, on its way to the real procedure.
struct Observed {
  int paints = 0;
  int ticks = 0;
  int splashPaints = 0;   // paints that found the tapped cell splashing
  int suctionPaints = 0;  // paints that found the line's pipe sucking
};
Observed seen;
platform::WindowProc realProc = nullptr;

platform::LResult Observing(platform::Window* window, unsigned message, platform::WParam wParam,
                            platform::LParam lParam) {
  if (message == platform::msg::Paint) {
    ++seen.paints;
    if (Game.PaintStep[kTapped] != 0) ++seen.splashPaints;
    if (Game.RunLength[kLinePipe] > 0) ++seen.suctionPaints;
  }
  if (message == platform::msg::Timer && wParam == engine::GameTimer) ++seen.ticks;
  return realProc(window, message, wParam, lParam);
}

void Observe() {
  seen = {};
  platform::Window* main = platform::MainWindow();
  ASSERT_NE(main, nullptr);
  if (main->proc != &Observing) realProc = main->proc;
  main->proc = &Observing;
}

// The screen shows, at (x, y), every pixel of a picture that is not its key.
bool ShowsPicture(const Bitmap& screen, int x, int y, const Bitmap* picture, platform::Colour key) {
  if (!picture || picture->Empty()) return false;
  for (int j = 0; j < picture->Height(); ++j) {
    for (int i = 0; i < picture->Width(); ++i) {
      const platform::Colour want = picture->Pixel(i, j);
      if (want != key && screen.Pixel(x + i, y + j) != want) return false;
    }
  }
  return true;
}

int CellX(int cell) {
  return BoardX + 18 + 30 * engine::ColumnOf(cell);
}
int CellY(int cell) {
  return BoardY + 18 + 30 * engine::RowOf(cell);
}

// A cell on screen shows the ball of its colour (or the empty cell when it has none).
bool CellShows(const Bitmap& screen, int cell, int colour) {
  if (colour == 0) {
    return ShowsPicture(screen, CellX(cell), CellY(cell), render::PictureOf(render::EmptyCell),
                        platform::Rgb(1, 2, 3));
  }
  return ShowsPicture(screen, CellX(cell), CellY(cell), render::BallPicture(colour, 0),
                      platform::Rgb(0, 0, 0));
}

// The cells whose picture on screen is not the ball the game holds there. The
// bonus cell's mark blinks over its ball and is left out.
std::vector<int> CellsNotAsHeld() {
  const Bitmap screen = platform::headless::Screen();
  std::vector<int> wrong;
  for (int c = 0; c < engine::CellCount; ++c) {
    if (Game.BonusCell == c + 1) continue;
    if (!CellShows(screen, c, Kept.BallColour[c])) wrong.push_back(c);
  }
  return wrong;
}

class WholeGameTest : public ShellTest {
 protected:
  void TearDown() override {
    platform::headless::SetModalWaitHandler(nullptr);
    ShellTest::TearDown();
  }
  void Play(const fixture::KeptGame& game) {
    Keep(game);
    ASSERT_EQ(Start(), shell::StartOutcome::Run);
    FirstPaintOfTheGame();
    Observe();
  }
  // Moves the clock 10 ms at a time until `done` holds; false if it never did.
  template <typename Done>
  static bool AdvanceUntil(Done done, int limitMs) {
    for (int t = 0; t < limitMs && !done(); t += 10) platform::headless::Advance(10);
    return done();
  }
  static void TapCell(int cell) {
    platform::headless::Tap(CellX(cell) + 15, CellY(cell) + 15);
    platform::headless::Pump();
  }
};

TEST_F(WholeGameTest, ALineOfThreeIsPaintedScoredSuckedInAndRefilledFromTheTop) {
  ASSERT_NO_FATAL_FAILURE(
      Play({.mode = 1, .paintColour = 1, .reserve = 60, .board = kNoLineBoard}));
  std::array<std::int32_t, 36> before;
  std::memcpy(before.data(), Kept.BallColour, sizeof Kept.BallColour);
  EXPECT_TRUE(CellsNotAsHeld().empty()) << "the resumed board is not on screen";
  platform::headless::Advance(100);
  ASSERT_EQ(Game.RunLength[kLinePipe], 0);

  TapCell(kTapped);
  ASSERT_EQ(Game.PaintStep[kTapped], 1);
  ASSERT_TRUE(AdvanceUntil([] { return Game.PaintStep[kTapped] == 0; }, 500));
  EXPECT_EQ(seen.splashPaints, 5);
  EXPECT_EQ(Kept.BallColour[kTapped], engine::colour::Red);
  EXPECT_TRUE(CellShows(platform::headless::Screen(), kTapped, engine::colour::Red))
      << "the new colour is not on screen before the suction";
  EXPECT_EQ(Kept.Score, 0);

  // The next detection finds the line and scores it.
  ASSERT_TRUE(AdvanceUntil([] { return Game.RunLength[kLinePipe] > 0; }, 1100));
  EXPECT_EQ(Game.RunLength[kLinePipe], 3);
  EXPECT_EQ(Kept.Score, 96);
  for (int p = 1; p <= engine::PipeCount; ++p) {
    if (p != kLinePipe) {
      EXPECT_EQ(Game.RunLength[p], 0) << "pipe " << p;
    }
  }

  // Three balls at five paints each at Normal speed.
  ASSERT_TRUE(AdvanceUntil([] { return Game.RunLength[kLinePipe] == 0; }, 1000));
  EXPECT_EQ(seen.suctionPaints, 15);
  EXPECT_EQ(Kept.Score, 96);

  // The three columns fall by one cell and new balls enter their top cells.
  ASSERT_TRUE(AdvanceUntil(
      [] {
        return std::all_of(std::begin(Kept.BallColour), std::end(Kept.BallColour),
                           [](std::int32_t c) { return c != 0; }) &&
               std::none_of(std::begin(Game.DropRecord), std::end(Game.DropRecord),
                            [](const engine::BallDrop& d) { return d.Active != 0; }) &&
               std::none_of(std::begin(Game.FallRecord), std::end(Game.FallRecord),
                            [](const engine::BallFall& f) { return f.Active != 0; });
      },
      800));
  for (int column = 0; column < 6; ++column) {
    for (int row = 1; row < 6; ++row) {
      const int cell = engine::CellOf(row, column);
      const int from = column < 3 ? cell - 6 : cell;
      EXPECT_EQ(Kept.BallColour[cell], before[static_cast<std::size_t>(from)]) << "cell " << cell;
    }
  }
  platform::headless::Advance(50);
  const std::vector<int> wrong = CellsNotAsHeld();
  EXPECT_TRUE(wrong.empty()) << "cells not showing their ball: " << testing::PrintToString(wrong);
  EXPECT_EQ(Kept.Score, 96);
}

TEST_F(WholeGameTest, APanicGameEndsAfterNinetyNineClockStepsWithTheTimeUpBanner) {
  // Black balls never make a line, so only the clock and the drips move.
  ASSERT_NO_FATAL_FAILURE(Play({.mode = 3,
                                .reserve = 60,
                                .panicTime = 99,
                                .board = "KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK"}));
  std::vector<int> stepTicks;
  std::int32_t last = Kept.PanicTime;
  for (int t = 0; t < 120000 && Game.Phase == engine::phase::Playing; t += 10) {
    platform::headless::Advance(10);
    if (Kept.PanicTime != last) {
      EXPECT_EQ(Kept.PanicTime, last - 1);
      last = Kept.PanicTime;
      stepTicks.push_back(seen.ticks);
    }
    // The drips would empty the reserve long before the clock: the player keeps it up.
    if (Kept.Reserve < 20) Kept.Reserve = 60;
  }
  ASSERT_EQ(stepTicks.size(), 99u);
  for (std::size_t i = 1; i < stepTicks.size(); ++i) {
    EXPECT_EQ(stepTicks[i] - stepTicks[i - 1], 100) << "clock step " << i + 1;
  }
  EXPECT_EQ(Kept.PanicTime, 0);
  EXPECT_EQ(Game.Phase, engine::phase::GameOver);
  EXPECT_EQ(Game.TimeOut, 1);
  platform::headless::Advance(50);
  EXPECT_TRUE(ShowsPicture(platform::headless::Screen(), BoardX + 33, BoardY + 80,
                           render::PictureOf(render::TimeUpBanner), platform::Rgb(187, 187, 187)));
}

TEST_F(WholeGameTest, RunningOutOfPaintShowsTheEndAndGoesToTheTableOrTheNameEntry) {
  constexpr std::int32_t fifth = 1000;
  for (const auto& [score, next] : {std::pair{fifth, render::screen::HiScoreTable},
                                    std::pair{fifth + 1, render::screen::NewHiScore}}) {
    SCOPED_TRACE(score);
    ForgetEverything();
    fixture::KeptGame game{
        .mode = 1, .score = score, .paintColour = 1, .reserve = 2, .board = kBlackBoardWithYellow};
    ASSERT_TRUE(fixture::PutKeptGame(game));
    records::HiScoreTables[0].Entry[4].Score = fifth;
    records::HiScoreTables[0].Entry[3].Score = fifth + 500;
    records::SaveAllRecords();
    ForgetEverything();
    ASSERT_EQ(Start(), shell::StartOutcome::Run);
    FirstPaintOfTheGame();
    Observe();
    platform::headless::Advance(50);

    TapCell(engine::CellOf(5, 0));
    ASSERT_TRUE(AdvanceUntil([] { return Game.Phase == engine::phase::GameOver; }, 1000));
    EXPECT_LE(Kept.Reserve, 0);
    platform::headless::Advance(50);
    Bitmap screen = platform::headless::Screen();
    EXPECT_TRUE(ShowsPicture(screen, BoardX + 33, BoardY + 80,
                             render::PictureOf(render::GameOverBanner),
                             platform::Rgb(187, 187, 187)));
    EXPECT_TRUE(CellShows(screen, 35, engine::colour::Black));
    // Later the result box: the orange field with the score.
    platform::headless::Advance(400);
    screen = platform::headless::Screen();
    EXPECT_EQ(screen.Pixel(BoardX + 20 + 9, BoardY + 111 + 9), platform::Rgb(255, 186, 51));

    ASSERT_TRUE(AdvanceUntil([] { return render::ScreenState != render::screen::Game; }, 3000));
    EXPECT_EQ(render::ScreenState, next);
    // The table is drawn whole on every paint; the name entry's first paint makes its controls.
    EXPECT_EQ(render::ScreenPhase, next == render::screen::NewHiScore ? 1u : 0u);
    EXPECT_EQ(render::HiScoreTab, 1u);
    EXPECT_EQ(Kept.Mode, 0) << "the finished game is still kept";
    EXPECT_FALSE(GameTimerRunning());
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
  }
}

// Taps the first button (Yes) of the message box that is up.
void TapYesOnTheBox() {
  const platform::Window* box = nullptr;
  for (const platform::Window* w : platform::TopLevelWindows()) {
    if (w->alive && w->kind == platform::WindowKind::Overlay) box = w;
  }
  if (!box) {
    ADD_FAILURE() << "no box to answer";
    platform::headless::Key(platform::vk::Escape);
    return;
  }
  const int u = std::max(1, platform::ScreenDpiY() / 96);
  const platform::Rect r = box->rect;
  platform::headless::Tap(r.left + (r.Width() - 122 * u) / 2 + 28 * u, r.bottom - 19 * u);
}

TEST_F(WholeGameTest, ExitAnsweredYesByTapsKeepsTheGameThatTheNextStartShowsCellByCell) {
  ASSERT_NO_FATAL_FAILURE(
      Play({.mode = 1, .score = 4321, .level = 2, .paintColour = 1, .board = kNoLineBoard}));
  platform::headless::Advance(200);
  TapCell(35);  // green to red
  platform::headless::Advance(300);
  ASSERT_EQ(Kept.BallColour[35], engine::colour::Red);
  const Bitmap shown = platform::headless::Screen();
  std::array<std::int32_t, 36> board;
  std::memcpy(board.data(), Kept.BallColour, sizeof board);
  const std::int32_t markedCell = Game.BonusCell - 1;

  platform::headless::SetModalWaitHandler(&TapYesOnTheBox);
  platform::headless::Tap(ExitX, ExitY);
  platform::headless::Pump();
  const auto boxes = platform::TakeShownMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, shell::ExitQuestion);
  EXPECT_EQ(boxes[0].answer, platform::IdYes);
  EXPECT_TRUE(platform::headless::QuitPosted());
  platform::headless::SetModalWaitHandler(nullptr);

  ASSERT_NO_FATAL_FAILURE(Restart());
  platform::headless::Pump();
  EXPECT_EQ(render::ScreenState, render::screen::Game);
  EXPECT_EQ(Kept.Mode, 1);
  EXPECT_EQ(Kept.Score, 4321);
  EXPECT_EQ(Kept.Level, 2);
  const Bitmap resumed = platform::headless::Screen();
  for (int c = 0; c < engine::CellCount; ++c) {
    EXPECT_EQ(Kept.BallColour[c], board[static_cast<std::size_t>(c)]) << "cell " << c;
    if (c == markedCell) continue;
    bool same = true;
    for (int j = 0; j < 30 && same; ++j) {
      for (int i = 0; i < 30 && same; ++i) {
        same = shown.Pixel(CellX(c) + i, CellY(c) + j) == resumed.Pixel(CellX(c) + i, CellY(c) + j);
      }
    }
    EXPECT_TRUE(same) << "cell " << c << " looks different after the restart";
  }
}

}  // namespace
