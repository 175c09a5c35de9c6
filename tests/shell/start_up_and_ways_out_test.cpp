#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/audio/speaker.hpp"
#include "platform/backend/backend.hpp"
#include "platform/backend/runtime.hpp"
#include "platform/files/file_store.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/popup_window.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"
#include "shell/desktop_options.hpp"
#include "shell/game_taps.hpp"
#include "shell/keys.hpp"
#include "shell/program.hpp"
#include "shell/quit_program.hpp"
#include "shell/screen_flow.hpp"
#include "shell_fixture.hpp"
#include "sound/sound_bank.hpp"
#include "support/disk_faults.hpp"

// What no recorded game can show: starts that fail, stores that fail, the
// session ending, the focus moving in ways a replay does not hold.
namespace {

using namespace shell_test;
using shell::StartOutcome;
using testing_support::ExpectMessageBox;

constexpr int ExitX = 222, ExitY = 18;  // the game's icons on a 240x320 screen
constexpr int AbandonX = 204, AbandonY = 18;
constexpr int QuitIconX = 230, QuitIconY = 8;  // on the main menu
constexpr char16_t LeaveAnyway[] =
    u"\n\nDo you want to exit anyway? What changed since the last save will be lost.";

std::vector<unsigned char> StatusBytes() {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&records::GameStatus);
  return {bytes, bytes + sizeof records::GameStatus};
}

class StartAndLeaveTest : public ShellTest {
 protected:
  void StartRunningGame() {
    Keep({.mode = 2,
          .score = 4321,
          .level = 2,
          .reserve = 70,
          .board = "...... ...... ...... ....B. ..R.Y. RYBGPO"});
    ASSERT_EQ(Start(), StartOutcome::Run);
    FirstPaintOfTheGame();
    platform::headless::Advance(200);
  }
};

// A desktop that cannot show the main window.
class NoWindowBackend final : public platform::Backend {
 public:
  std::uint32_t Now() override { return 0; }
  void WaitForInput(std::uint32_t) override {}
  void Present(const platform::Bitmap&, const platform::FrameChanges&) override {}
  std::uint32_t RefreshInterval() override { return 16; }
  void Sleep(std::uint32_t) override {}
  bool CreateDesktopWindow(const char*) override { return false; }
};

TEST_F(StartAndLeaveTest, WithoutAWindowAScreenOrTheOnlyCopyTheStartEndsCleanly) {
  NoWindowBackend backend;
  platform::InstallBackend(&backend, platform::ScreenConfig{240, 320, 0, 0});
  testing::internal::CaptureStderr();
  EXPECT_EQ(shell::StartUp(), StartOutcome::Failed);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("main window could not be created"),
            std::string::npos);
  platform::InstallBackend(nullptr, platform::ScreenConfig{});
  EXPECT_FALSE(sound::Speaker.IsOpen());
  platform::InstanceLock next;
  EXPECT_TRUE(next.Claim()) << "the next start would hand over to a copy showing nothing";
  next.Release();

  EXPECT_EQ(Start(300, 300), StartOutcome::Leave);
  EXPECT_EQ(platform::MainWindow(), nullptr);
  platform::headless::Stop();
  platform::InstanceLock first;
  ASSERT_TRUE(first.Claim());
  EXPECT_EQ(Start(), StartOutcome::Leave);
  EXPECT_EQ(platform::MainWindow(), nullptr);
  first.Release();
}

// The command line's questions are answered on standard output, its faults on
// standard error, and nothing starts.
TEST(CommandLineTest, HelpAndVersionAreAnsweredAndNothingStarts) {
  const auto said = [](const char* option) {
    char program[] = "fandriass";
    std::string copy = option;
    char* argv[] = {program, copy.data(), nullptr};
    testing::internal::CaptureStdout();
    EXPECT_EQ(shell::RunProgram(2, argv), 0);
    return testing::internal::GetCapturedStdout();
  };
  EXPECT_EQ(said("--version"), std::string("Fandriass II ") + FANDRIASS_VERSION + "\n");
  EXPECT_EQ(said("--help"), shell::UsageText());

  // A word it does not know is named on standard error with the usage, and ends with 2.
  char program[] = "fandriass", odd[] = "--odd";
  char* argv[] = {program, odd, nullptr};
  testing::internal::CaptureStderr();
  EXPECT_EQ(shell::RunProgram(2, argv), 2);
  const std::string error = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(error.starts_with("fandriass: ") && error.find("--odd") != std::string::npos &&
              error.ends_with(shell::UsageText()))
      << error;
}

TEST_F(StartAndLeaveTest, ADamagedStoreNeverHoldsUpTheStartAndNothingIsWrittenThere) {
  store.values["GameStatus"] = std::vector<unsigned char>(1 << 20, 0xFF);
  store.values["Prefs"] = std::vector<unsigned char>(7, 0x41);
  store.values["PrefsHard"] = std::vector<unsigned char>(144 * 50, 0x01);
  store.unreadable.insert("PrefsPanic");
  const auto before = store.values;
  ASSERT_EQ(Start(), StartOutcome::Run);
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  platform::headless::Advance(100);
  EXPECT_EQ(store.values, before);
  EXPECT_EQ(store.writes, 0);
}

TEST_F(StartAndLeaveTest, AResumedGameDealsFromTheTickCountAndOnlyRealModesStartFromTheMenu) {
  Keep({.mode = 1});
  std::vector<int> draws[2];
  for (int run = 0; run < 2; ++run) {
    platform::Srand(1);  // what a fresh process starts with
    ASSERT_EQ(Start(240, 320, 5000 + 3000 * run), StartOutcome::Run);
    for (int i = 0; i < 4; ++i) draws[run].push_back(platform::Rand());
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
    ForgetEverything();
  }
  EXPECT_NE(draws[0], draws[1]);

  store.values.clear();
  ASSERT_EQ(Start(), StartOutcome::Run);
  records::GameStatus.HelpEnabled = 0;
  const auto played = records::GameStatus.GamesPlayed;
  shell::StartGame(platform::MainWindow(), 6);
  shell::StartGame(platform::MainWindow(), 0);
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  EXPECT_EQ(records::GameStatus.GamesPlayed, played);
  // A real mode deals afresh, whatever a game before it left behind.
  engine::Game.Phase = engine::phase::Playing;
  engine::Game.RestoreKeptGame = 1;
  shell::StartGame(platform::MainWindow(), 5);
  EXPECT_EQ(records::GameStatus.GamesPlayed, played + 1);
  EXPECT_EQ(engine::Game.Phase, engine::phase::Start);
  EXPECT_EQ(engine::Game.RestoreKeptGame, 0);
  EXPECT_TRUE(render::FullRedrawRequested);
}

TEST_F(StartAndLeaveTest, QuitRunsOnceTheWindowsEndSavesNothingAndACloseUnderABoxSavesAfterIt) {
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
  FirstPaintOfTheGame();
  platform::headless::SetModalWaitHandler([] { platform::DesktopCloseRequested(); });
  platform::headless::Tap(AbandonX, AbandonY);
  platform::headless::Pump();
  const auto shown = platform::TakeShownMessageBoxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].answer, platform::IdNo);
  EXPECT_EQ(store.writes, 6);
  EXPECT_FALSE(store.writtenUnderABox) << "the records were saved before the box was answered";

  ASSERT_NO_FATAL_FAILURE(Restart());
  platform::DestroyWindow(platform::MainWindow());
  EXPECT_TRUE(platform::headless::QuitPosted());
  EXPECT_EQ(store.writes, 0);
}

// A full disk under the exit question's Yes: the player is asked, No goes on
// with the game as the question's own No does, and the same way out once the
// disk has room saves everything.
TEST_F(StartAndLeaveTest, AnExitWhoseSaveFailsAsksAndNoCarriesOnUntilASaveWorks) {
  const testing_support::ScratchFolder scratch("ways-out");
  const std::filesystem::path folder = scratch.root / "Fandriass2";
  platform::FileStore disk(folder.string());
  platform::UseStore(&disk);
  StartRunningGame();
  const auto saved = testing_support::FilesIn(folder);
  ScribbleOnTheFrame();
  {
    const testing_support::FileSizeLimit full(300);
    platform::AnswerNextMessageBox(platform::IdYes, shell::ExitQuestion);
    platform::AnswerNextMessageBox(platform::IdNo, u"The scores could not be saved in\n" +
                                                       shell::StoreLocationForABox() + LeaveAnyway);
    testing::internal::CaptureStderr();
    platform::headless::Tap(ExitX, ExitY);
    platform::headless::Pump();
    EXPECT_NE(testing::internal::GetCapturedStderr().find((folder / "GameStatus").string() + ": "),
              std::string::npos);
  }
  EXPECT_EQ(platform::MessageBoxAnswersLeft(), 0u);
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
  EXPECT_EQ(platform::headless::QuitCode(), 0);
  EXPECT_FALSE(GameTimerRunning()) << "the game could still move after its save";
  EXPECT_EQ(testing_support::FilesIn(folder).at("GameStatus"), StatusBytes());
}

TEST_F(StartAndLeaveTest, TheOtherWaysOutAskTooAndYesLeavesWithTheOldValuesWhole) {
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
  EXPECT_EQ(store.values["GameStatus"], kept);
}

// A reset of the tables that cannot be saved says so, and where.
TEST_F(StartAndLeaveTest, AResetThatCannotBeSavedSaysSo) {
  ASSERT_EQ(Start(), StartOutcome::Run);
  platform::headless::Advance(100);
  platform::headless::Tap(61, 298);  // the menu's Hi-Scores
  platform::headless::Advance(500);
  store.location = "/media/joanna/Fandriass2";
  store.unwritable = {"PrefsPanic"};
  platform::AnswerNextMessageBox(platform::IdYes, u"Are you sure you want to erase all Hi-Scores?");
  platform::AnswerNextMessageBox(
      platform::IdOk,
      u"The High Score tables have been reset, but they could not be saved in\n"
      u"/media/joanna/Fandriass2\n\nThe game will try again when you leave it.");
  testing::internal::CaptureStderr();
  platform::headless::Tap(25, 8);  // RESET
  platform::headless::Pump();
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(platform::MessageBoxAnswersLeft(), 0u);
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
// even when it comes while the player is being asked; a save that failed ends
// the program with 1.
TEST_F(StartAndLeaveTest, AClosingSessionSavesWithoutAskingAndLeaves) {
  StartRunningGame();
  store.unwritable = {"PrefsHeat"};
  testing::internal::CaptureStderr();
  platform::PostMessage(platform::MainWindow(), platform::msg::Close, 1, 0);
  platform::headless::Pump();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("memory/PrefsHeat: "), std::string::npos);
  EXPECT_TRUE(platform::headless::QuitPosted());
  EXPECT_EQ(platform::headless::QuitCode(), 1) << "a failed save ended as a success";
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

// A popup window that cannot be made (here: an empty rectangle, or a kind with
// no panel) leaves no kind behind, or the menu would ignore every tap from then on.
TEST_F(StartAndLeaveTest, APopupThatCannotOpenLeavesTheMenuListening) {
  ASSERT_EQ(Start(), StartOutcome::Run);
  platform::headless::Advance(100);
  const double scale = platform::Display.ScaleX;
  platform::Display.ScaleX = 0.0;
  platform::headless::Tap(120, 50);  // the title: About
  platform::headless::Pump();
  platform::Display.ScaleX = scale;
  EXPECT_EQ(popup::PopupKind, popup::kind::None);
  EXPECT_EQ(popup::PopupWindow, nullptr);
  // Nor does a kind that has no panel.
  EXPECT_FALSE(popup::OpenPopup(99));
  EXPECT_EQ(popup::PopupWindow, nullptr);
  platform::headless::Advance(1000);
  platform::headless::Tap(120, 50);
  platform::headless::Pump();
  EXPECT_EQ(popup::PopupKind, popup::kind::About);
}

// Under a popup the screen waits: a tap there only brings the popup back to
// the front, even once the screen behind it has been painted again.
TEST_F(StartAndLeaveTest, WhileAPopupIsOpenATapUnderItOnlyBringsItToTheFront) {
  ASSERT_EQ(Start(), StartOutcome::Run);
  platform::headless::Advance(100);
  platform::headless::Tap(120, 50);  // the title: About
  platform::headless::Pump();
  ASSERT_EQ(popup::PopupKind, popup::kind::About);
  platform::InvalidateScreen(platform::MainWindow(), platform::Display.DisplayClass);
  platform::headless::Advance(1000);
  platform::headless::Tap(61, 298);  // Hi-Scores
  platform::headless::Pump();
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  EXPECT_EQ(popup::PopupKind, popup::kind::About);
  EXPECT_EQ(platform::GetActiveWindow(), popup::PopupWindow);
}

// A press waits for the next screen's first paint, also when the game's full
// redraw (here as the colour wheel would ask for it) is what ended the show.
TEST_F(StartAndLeaveTest, APressWaitsForTheScreenAFullRedrawMovedTo) {
  Keep({.mode = 1,
        .score = 100,
        .reserve = -10,
        .board = "RYBGPO OPYRBG BGPOYR YROBGP GORYPB RRYPBG"});
  ASSERT_EQ(Start(), StartOutcome::Run);
  for (int t = 0; t < 20000 && engine::Game.RunOutCounter != 10; ++t) {
    platform::headless::Advance(1);
  }
  ASSERT_EQ(engine::Game.RunOutCounter, 10);
  render::FullRedrawRequested = true;
  platform::InvalidateScreen(platform::MainWindow(), platform::Display.DisplayClass);
  platform::UpdateWindow(platform::MainWindow());
  ASSERT_EQ(render::ScreenState, render::screen::HiScoreTable);
  platform::headless::Tap(120, 160);
  platform::headless::Pump();
  EXPECT_EQ(render::ScreenState, render::screen::HiScoreTable);
}

// The desktop's close between the switch to the name entry and its first
// paint (no field yet) keeps the score, under the name the field would propose.
TEST_F(StartAndLeaveTest, AClosedWindowKeepsANewScoreWhoseEntryIsNotPaintedYet) {
  Keep({.mode = 2,
        .score = 5000,
        .reserve = -10,
        .board = "RYBGPO OPYRBG BGPOYR YROBGP GORYPB RRYPBG"});
  ASSERT_EQ(Start(), StartOutcome::Run);
  for (int t = 0; t < 20000 && engine::Game.RunOutCounter != 10; ++t) {
    platform::headless::Advance(1);
  }
  engine::GameTick(platform::MainWindow());  // the tick that ends the show
  ASSERT_EQ(render::ScreenState, render::screen::NewHiScore);
  const std::u16string proposed(records::LastInsertedName(2));
  platform::DesktopCloseRequested();
  platform::headless::Pump();
  EXPECT_TRUE(platform::headless::QuitPosted());
  EXPECT_EQ(records::HiScoreTables[1].Entry[2].Score, 5000);
  EXPECT_EQ(std::u16string(records::HiScoreName(records::HiScoreTables[1].Entry[2])), proposed);
}

// Focus comes back in ways no replay holds: after a settings change while
// away, or to a window that opened without it.
TEST_F(StartAndLeaveTest, AGameNeverStaysFrozenOnceTheWindowHasTheFocus) {
  StartRunningGame();
  platform::headless::FocusLost();
  platform::SendMessage(platform::MainWindow(), platform::msg::SettingChange, 0, 0);
  EXPECT_FALSE(TicksDuring(250)) << "away is still away";
  platform::headless::FocusGained();
  EXPECT_TRUE(TicksDuring(250));

  popup::ResetPopup();
  platform::ReleaseSingleInstance();
  platform::headless::Stop();
  ForgetEverything();
  platform::headless::Start(platform::ScreenConfig{240, 320, 0, 0}, 1000);
  platform::headless::FocusLost();  // opened behind another application
  ASSERT_EQ(shell::StartUp(), StartOutcome::Run);
  FirstPaintOfTheGame();
  EXPECT_FALSE(TicksDuring(250));
  platform::headless::FocusGained();
  EXPECT_TRUE(TicksDuring(250));
}

}  // namespace
