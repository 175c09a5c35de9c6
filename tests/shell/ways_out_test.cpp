#include <gtest/gtest.h>

#include <cstring>

#include "platform/message_box.hpp"
#include "platform/message_box_log.hpp"
#include "render/screen_state.hpp"
#include "shell/game_taps.hpp"
#include "shell/quit_program.hpp"
#include "shell_fixture.hpp"
#include "sound/sound_bank.hpp"

namespace {

using namespace shell_test;
using testing_support::ExpectMessageBox;

constexpr int ExitX = 222, ExitY = 18;  // the exit icon on a 240x320 screen
constexpr int AbandonX = 204, AbandonY = 18;

class WaysOutTest : public ShellTest {
 protected:
  void StartRunningGame() {
    Keep({.mode = 2,
          .score = 4321,
          .level = 2,
          .reserve = 70,
          .board = "...... / ...... / ...... / ....B. / ..R.Y. / RYBGPO"});
    ASSERT_EQ(Start(), shell::StartOutcome::Run);
    FirstPaintOfTheGame();
    platform::headless::Advance(200);
  }
  // The kept game as it was written: score, level and board.
  static bool SameKeptGame(const records::GameStatusRecord& a, const records::GameStatusRecord& b) {
    return a.Mode == b.Mode && a.Score == b.Score && a.Level == b.Level &&
           std::memcmp(a.BallColour, b.BallColour, sizeof a.BallColour) == 0;
  }
};

TEST_F(WaysOutTest, ExitOrAbandonAnsweredNoKeepsPlayingWithAFullRefresh) {
  StartRunningGame();
  for (const auto& [x, y, text] : {std::tuple{ExitX, ExitY, shell::ExitQuestion},
                                   std::tuple{AbandonX, AbandonY, shell::AbandonQuestion}}) {
    ScribbleOnTheFrame();
    {
      ExpectMessageBox box(text, platform::IdNo);
      platform::headless::Tap(x, y);
      platform::headless::Pump();
    }
    EXPECT_FALSE(platform::headless::QuitPosted());
    EXPECT_TRUE(FrameRefreshed());
    EXPECT_EQ(render::ScreenState, render::screen::Game);
    EXPECT_TRUE(TicksDuring(250));
  }
  EXPECT_EQ(store.writes, 0);
}

TEST_F(WaysOutTest, AbandonAnsweredYesDropsTheGameAndGoesBackToTheMenu) {
  StartRunningGame();
  {
    ExpectMessageBox box(shell::AbandonQuestion, platform::IdYes);
    platform::headless::Tap(AbandonX, AbandonY);
    platform::headless::Pump();
  }
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  EXPECT_EQ(render::ScreenPhase, 1u) << "the menu was entered";
  EXPECT_EQ(records::GameStatus.Mode, 0);
  EXPECT_FALSE(GameTimerRunning());
  EXPECT_FALSE(platform::headless::QuitPosted());
  EXPECT_EQ(store.writes, 0);
}

TEST_F(WaysOutTest, QuitProgramRunsOnceAndTheWindowsDestructionSavesNothing) {
  StartRunningGame();
  shell::QuitProgram();
  EXPECT_EQ(store.writes, 6);
  EXPECT_FALSE(sound::Speaker.IsOpen());
  sound::OpenSpeaker();
  shell::QuitProgram();
  platform::DestroyWindow(platform::MainWindow());
  EXPECT_EQ(store.writes, 6) << "a second quit saved again";
  EXPECT_TRUE(sound::Speaker.IsOpen()) << "a second quit closed the speaker again";
  sound::CloseSpeaker();

  ASSERT_NO_FATAL_FAILURE(Restart());
  platform::DestroyWindow(platform::MainWindow());
  EXPECT_TRUE(platform::headless::QuitPosted());
  EXPECT_EQ(store.writes, 0);
  EXPECT_FALSE(sound::Speaker.IsOpen());
}

TEST_F(WaysOutTest, ClosingTheDesktopWindowSavesAndKeepsTheRunningGame) {
  StartRunningGame();
  platform::DesktopCloseRequested();
  platform::headless::Pump();
  EXPECT_TRUE(platform::headless::QuitPosted());
  EXPECT_NE(platform::MainWindow(), nullptr);
  EXPECT_EQ(store.writes, 6);
  const records::GameStatusRecord saved = records::GameStatus;
  ASSERT_NO_FATAL_FAILURE(Restart());
  EXPECT_EQ(render::ScreenState, render::screen::Game);
  EXPECT_TRUE(SameKeptGame(records::GameStatus, saved));
}

int closeStep = 0;
void CloseTheDesktopWindow() {
  if (closeStep++ == 0) {
    platform::DesktopCloseRequested();
  } else {
    ADD_FAILURE() << "the box was not answered by the close";
    platform::headless::KeyDown(platform::vk::Escape);
  }
}

TEST_F(WaysOutTest, ClosingTheDesktopWindowUnderABoxAnswersItNoAndThenSaves) {
  StartRunningGame();
  closeStep = 0;
  platform::headless::SetModalWaitHandler(&CloseTheDesktopWindow);
  platform::headless::Tap(AbandonX, AbandonY);
  platform::headless::Pump();
  const auto shown = platform::TakeShownMessageBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].answer, platform::IdNo);
  EXPECT_TRUE(platform::headless::QuitPosted());
  EXPECT_EQ(store.writes, 6);
  EXPECT_FALSE(store.writtenUnderABox) << "the records were saved before the box was answered";
  EXPECT_EQ(records::GameStatus.Mode, 2);
}

}  // namespace
