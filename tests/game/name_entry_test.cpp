#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/game_state.hpp"
#include "platform/child_controls.hpp"
#include "platform/text_drawing.hpp"
#include "popup/popup.hpp"
#include "records/new_hiscore_screen.hpp"
#include "render/screen_state.hpp"
#include "shell/commands.hpp"
#include "shell/screen_flow.hpp"
#include "shell/shell_fixture.hpp"
#include "support/fingerprint.hpp"

// The name entry after a HARD game that runs out of paint, on the headless back
// end: the real start-up, loop, painters and controls, driven by keys and taps.
namespace {

using namespace shell_test;

constexpr int kHardFifth = 1365;  // the default HARD table ends 2856, 1365

class NameEntryTest : public ShellTest {
 protected:
  // Resumes a HARD game whose last drop of paint drips away, and waits for the
  // screen that follows its end.
  void EndGameScoring(std::int32_t score, int width = 240, int height = 320) {
    Keep({.mode = 2,
          .score = score,
          .reserve = 1,
          .board = "KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK"});
    ASSERT_EQ(Start(width, height), shell::StartOutcome::Run);
    FirstPaintOfTheGame();
    for (int t = 0; t < 20000 && render::ScreenState == render::screen::Game; t += 10) {
      platform::headless::Advance(10);
    }
    ASSERT_EQ(render::ScreenState, render::screen::NewHiScore);
    platform::headless::Pump();
  }
  static std::u16string FieldText() {
    char16_t text[32];
    return std::u16string(text, platform::GetWindowText(records::NameField(), text, 32));
  }
  static std::u16string NameAt(const records::HiScoreTable& table, int place) {
    return std::u16string(records::HiScoreName(table.Entry[place]));
  }
  static const records::HiScoreTable& Hard() { return records::HiScoreTables[1]; }
  static int ControlsLeft() {
    int alive = 0;
    for (const platform::Window* w : platform::TopLevelWindows()) {
      alive += w->alive && w->kind == platform::WindowKind::Child;
    }
    return alive;
  }
};

TEST_F(NameEntryTest, TheLastNameIsProposedAndEnterPutsTheTypedOneInPlaceSavedAtOnce) {
  ASSERT_NO_FATAL_FAILURE(EndGameScoring(3000));
  EXPECT_EQ(render::HiScoreTab, 2u);
  ASSERT_NE(records::NameField(), nullptr);
  EXPECT_EQ(FieldText(), NameAt(Hard(), 4));
  EXPECT_EQ(platform::GetFocus(), records::NameField());

  store.writes = 0;
  platform::headless::TypeText("Zoe Marlowe-Quist");  // replaces the proposal
  platform::headless::Pump();
  EXPECT_EQ(FieldText(), u"Zoe Marlow");
  records::GameStatus.reserved34 = 7;
  platform::headless::Key(platform::vk::Return);
  platform::headless::Pump();
  EXPECT_EQ(render::ScreenState, render::screen::HiScoreTable);
  EXPECT_EQ(ControlsLeft(), 0);
  EXPECT_EQ(NameAt(Hard(), 3), u"Zoe Marlow");
  EXPECT_EQ(Hard().Entry[3].Score, 3000);
  EXPECT_EQ(Hard().Entry[4].Score, 2856);
  EXPECT_EQ(Hard().LastInsertIndex, 3);
  EXPECT_EQ(engine::Game.Phase, 10);
  EXPECT_EQ(records::GameStatus.Mode, 0);
  EXPECT_EQ(records::GameStatus.Score, 0);
  EXPECT_EQ(records::GameStatus.reserved34, 0);

  // Stored before any way out was taken.
  EXPECT_GT(store.writes, 0);
  records::HiScoreTable stored{};
  ASSERT_EQ(store.values["PrefsHard"].size(), sizeof stored);
  std::memcpy(&stored, store.values["PrefsHard"].data(), sizeof stored);
  EXPECT_EQ(NameAt(stored, 3), u"Zoe Marlow");
  EXPECT_FALSE(platform::headless::QuitPosted());
}

TEST_F(NameEntryTest, AnEmptyNameStaysAndCancelOrTheSameResultAgainInsertsNothing) {
  for (const bool cancel : {true, false}) {
    SCOPED_TRACE(cancel);
    ForgetEverything();
    ASSERT_NO_FATAL_FAILURE(EndGameScoring(2856));  // the fourth place's score
    const records::HiScoreTable before = Hard();
    platform::headless::Key(8);  // Backspace clears the selected proposal
    platform::headless::Key(platform::vk::Return);
    platform::headless::Key(platform::vk::Escape);
    platform::headless::Pump();
    EXPECT_EQ(render::ScreenState, render::screen::NewHiScore);
    ASSERT_NE(records::NameField(), nullptr);

    if (cancel) {
      platform::headless::Tap(130 + 40, 172 + 11);
    } else {
      platform::headless::TypeText(platform::Utf16ToUtf8(NameAt(before, 3)));
      platform::headless::Key(platform::vk::Return);
    }
    platform::headless::Pump();
    EXPECT_EQ(render::ScreenState, render::screen::HiScoreTable);
    EXPECT_EQ(std::memcmp(&before, &Hard(), sizeof before), 0);
    EXPECT_EQ(engine::Game.Phase, 10);
    // Off the entry both buttons' commands are taken and do nothing.
    for (const int id : {records::NameOkButtonId, records::NameCancelButtonId}) {
      EXPECT_EQ(shell::OnCommand(platform::MainWindow(), platform::msg::Command, id, 0), 1);
    }
    EXPECT_EQ(render::ScreenState, render::screen::HiScoreTable);
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
  }
}

TEST_F(NameEntryTest, TheColourWheelClosedAsTheShowEndsStillGivesTheEntryItsControls) {
  // Closing the wheel redraws the game whole, and the tick of that redraw ends the show.
  Keep({.mode = 5,
        .score = 3000,
        .reserve = 1,
        .board = "KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK"});
  ASSERT_EQ(Start(), shell::StartOutcome::Run);
  FirstPaintOfTheGame();
  platform::headless::Advance(50);
  platform::headless::Tap(33, 64);  // paint on a black ball spends the last drop
  for (int t = 0; t < 20000 && engine::Game.RunOutCounter != 10; ++t) {
    platform::headless::Advance(1);
  }
  ASSERT_EQ(engine::Game.RunOutCounter, 10);
  platform::headless::Tap(226, 257);  // the wheel button
  platform::headless::Pump();
  ASSERT_EQ(popup::PopupKind, popup::kind::ColourWheel);
  platform::headless::Tap(227, 51);  // its close box
  platform::headless::Pump();
  ASSERT_EQ(render::ScreenState, render::screen::NewHiScore);
  EXPECT_NE(records::NameField(), nullptr);
  EXPECT_EQ(FieldText(), NameAt(records::HiScoreTables[4], 4));
}

TEST_F(NameEntryTest, ClosingTheDesktopWindowKeepsTheTypedNameOrEndsAnEmptyEntry) {
  for (const char* typed : {"Ivo", ""}) {
    SCOPED_TRACE(typed);
    ForgetEverything();
    ASSERT_NO_FATAL_FAILURE(EndGameScoring(5000));
    platform::headless::Key(8);
    platform::headless::TypeText(typed);
    platform::DesktopCloseRequested();
    platform::headless::Pump();
    EXPECT_TRUE(platform::headless::QuitPosted());
    EXPECT_EQ(records::NameField(), nullptr);
    ASSERT_NO_FATAL_FAILURE(Restart());
    EXPECT_EQ(records::NameField(), nullptr);
    EXPECT_EQ(Hard().Entry[2].Score, *typed ? 5000 : 4156);
    EXPECT_EQ(NameAt(Hard(), 2) == u"Ivo", *typed != 0);
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
  }
}

TEST_F(NameEntryTest, TheLandscapeScreenShowsNothingOfTheGameBesideThePanel) {
  ASSERT_NO_FATAL_FAILURE(EndGameScoring(kHardFifth + 1, 320, 240));
  const platform::Bitmap screen = platform::headless::Screen();
  int lit = 0;
  for (int y = 0; y < 240; ++y) {
    for (int x = 240; x < 320; ++x) lit += screen.Pixel(x, y) != platform::Rgb(0, 0, 0);
  }
  EXPECT_EQ(lit, 0);
}

// The panel with its controls, as the player sees it, held to a fingerprint of
// its pixels on the small, landscape, doubled and square screens. After a
// deliberate change, look at the screens and take the printed fingerprints.
TEST_F(NameEntryTest, ThePanelLooksAsItDidOnEveryShape) {
  constexpr struct {
    int width, height;
    std::uint64_t print;
  } kScreens[] = {{240, 320, 0x1ac7ea2fc1ca2d60ull},
                  {320, 240, 0x4954f902a2fc2ee0ull},
                  {480, 640, 0x022dd7dbd05364f5ull},
                  {320, 320, 0x089b6c8193ba2ee0ull}};
  for (const auto& s : kScreens) {
    ForgetEverything();
    Keep({.mode = 2,
          .score = 3000,
          .reserve = 40,
          .board = "RYBGPO BGPORY PORYBG RYBGPO BGPORY RRYBGP"});
    ASSERT_EQ(Start(s.width, s.height), shell::StartOutcome::Run);
    FirstPaintOfTheGame();
    EXPECT_EQ(records::NameField(), nullptr) << "a field of the run before";
    shell::OnGameOver(2, 3);
    platform::headless::Pump();
    const platform::Bitmap screen = platform::headless::Screen();
    const std::uint64_t print = testing_support::Fingerprint(screen);
    EXPECT_EQ(print, s.print) << s.width << "x" << s.height << std::hex << ": 0x" << print;
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
  }
}

}  // namespace
