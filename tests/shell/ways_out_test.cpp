#include <gtest/gtest.h>

#include <cstring>

#include "platform/file_store.hpp"
#include "platform/message_box.hpp"
#include "platform/message_box_log.hpp"
#include "platform/speaker.hpp"
#include "render/screen_state.hpp"
#include "shell/game_taps.hpp"
#include "shell/keys.hpp"
#include "shell/quit_program.hpp"
#include "shell_fixture.hpp"
#include "sound/sound_bank.hpp"
#include "support/disk_faults.hpp"

namespace {

using namespace shell_test;
using testing_support::ExpectMessageBox;

constexpr int ExitX = 222, ExitY = 18;  // the exit icon on a 240x320 screen
constexpr int AbandonX = 204, AbandonY = 18;
constexpr int QuitIconX = 230, QuitIconY = 8;  // on the main menu
constexpr char16_t LeaveAnyway[] =
    u"\n\nDo you want to exit anyway? What changed since the last save will be lost.";

std::vector<unsigned char> StatusBytes() {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&records::GameStatus);
  return {bytes, bytes + sizeof records::GameStatus};
}

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
  shell::SavedWaveVolume = 0x1234;
  shell::QuitProgram();
  EXPECT_EQ(store.writes, 6);
  EXPECT_EQ(platform::GetWaveOutVolume(), 0x1234u) << "the volume found at start-up";
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

// A full disk under the exit question's Yes: the player is asked, No goes on
// with the game as the question's own No does, and the same way out once the
// disk has room saves everything.
TEST_F(WaysOutTest, AnExitWhoseSaveFailsAsksAndNoCarriesOnUntilASaveWorks) {
  const testing_support::ScratchFolder scratch("ways-out");
  const std::filesystem::path folder = scratch.root / "Fandriass2";
  platform::FileStore disk(folder.string());
  platform::UseStore(&disk);
  StartRunningGame();
  const auto saved = testing_support::FilesIn(folder);
  std::string said;
  ScribbleOnTheFrame();
  {
    const testing_support::FileSizeLimit full(300);
    platform::AnswerNextMessageBox(platform::IdYes, shell::ExitQuestion);
    platform::AnswerNextMessageBox(platform::IdNo, u"The scores could not be saved in\n" +
                                                       shell::StoreLocationForABox() + LeaveAnyway);
    testing::internal::CaptureStderr();
    platform::headless::Tap(ExitX, ExitY);
    platform::headless::Pump();
    said = testing::internal::GetCapturedStderr();
  }
  EXPECT_EQ(platform::MessageBoxAnswersLeft(), 0u);
  EXPECT_NE(said.find((folder / "GameStatus").string() + ": "), std::string::npos) << said;
  EXPECT_FALSE(platform::headless::QuitPosted());
  EXPECT_TRUE(FrameRefreshed());
  EXPECT_TRUE(TicksDuring(250));
  EXPECT_EQ(testing_support::FilesIn(folder).at("GameStatus"), saved.at("GameStatus"));

  platform::headless::Advance(1000);  // not the second half of a double tap
  {
    ExpectMessageBox box(shell::ExitQuestion, platform::IdYes);
    platform::headless::Tap(ExitX, ExitY);
    platform::headless::Pump();
  }
  EXPECT_TRUE(platform::headless::QuitPosted());
  EXPECT_EQ(testing_support::FilesIn(folder).at("GameStatus"), StatusBytes());
}

TEST_F(WaysOutTest, TheOtherWaysOutAskTooAndYesLeavesWithTheOldValuesWhole) {
  StartRunningGame();
  // A folder name too long for a line of the box stands on a line of its own;
  // a line may be just as long as the box's lines.
  store.location = "/a-folder-name-longer-than-a-line/media/joanna/Fandriass2";
  store.unwritable = {"GameStatus"};
  const std::vector<unsigned char> kept = store.values["GameStatus"];
  const std::u16string failed =
      u"The scores could not be saved in\n/a-folder-name-longer-than-a-line\n"
      u"/media/joanna/Fandriass2" +
      std::u16string(LeaveAnyway);
  // Closed from the desktop while another application has the focus: no
  // activation comes back after the box to refresh the screen.
  platform::headless::FocusLost();
  ScribbleOnTheFrame();
  {
    ExpectMessageBox box(failed, platform::IdNo);
    platform::DesktopCloseRequested();
    platform::headless::Pump();
  }
  EXPECT_TRUE(FrameRefreshed());
  platform::headless::FocusGained();
  EXPECT_TRUE(TicksDuring(250));
  {
    ExpectMessageBox box(shell::AbandonQuestion, platform::IdYes);
    platform::headless::Tap(AbandonX, AbandonY);
    platform::headless::Pump();
  }
  {
    ExpectMessageBox box(failed, platform::IdNo);
    platform::headless::Tap(QuitIconX, QuitIconY);
    platform::headless::Pump();
  }
  EXPECT_FALSE(platform::headless::QuitPosted());
  platform::AnswerNextMessageBox(platform::IdYes, shell::MenuExitQuestion);
  platform::AnswerNextMessageBox(platform::IdYes, failed);
  platform::headless::Key(platform::vk::Escape);
  platform::headless::Pump();
  EXPECT_EQ(platform::MessageBoxAnswersLeft(), 0u);
  EXPECT_TRUE(platform::headless::QuitPosted());
  EXPECT_EQ(platform::headless::QuitCode(), 0);
  EXPECT_EQ(store.values["GameStatus"], kept);
}

// While the question is up, a second close asks nothing more; the session's
// end then leaves.
int sessionEnds = 0;
void EndTheSession() {
  if (sessionEnds < 2) {
    platform::PostMessage(platform::MainWindow(), platform::msg::Close, sessionEnds++, 0);
  } else {
    ADD_FAILURE() << "the question was asked again";
    platform::headless::KeyDown(platform::vk::Escape);
  }
}

// The session ending (a terminate or hang-up signal) has nobody to ask, not
// even when it comes while the player is being asked.
TEST_F(WaysOutTest, AClosingSessionSavesWithoutAskingAndLeaves) {
  StartRunningGame();
  store.unwritable = {"PrefsHeat"};
  testing::internal::CaptureStderr();
  platform::PostMessage(platform::MainWindow(), platform::msg::Close, 1, 0);
  platform::headless::Pump();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("memory/PrefsHeat: "), std::string::npos);
  EXPECT_TRUE(platform::headless::QuitPosted());
  EXPECT_EQ(platform::headless::QuitCode(), 0);
  EXPECT_EQ(store.values["GameStatus"], StatusBytes());

  ASSERT_NO_FATAL_FAILURE(Restart());
  FirstPaintOfTheGame();
  sessionEnds = 0;
  platform::headless::SetModalWaitHandler(&EndTheSession);
  platform::AnswerNextMessageBox(platform::IdYes, shell::ExitQuestion);
  platform::headless::Tap(ExitX, ExitY);
  platform::headless::Pump();
  EXPECT_EQ(sessionEnds, 2);
  EXPECT_EQ(platform::TakeShownMessageBoxes().size(), 2u);
  EXPECT_TRUE(platform::headless::QuitPosted());
}

}  // namespace
