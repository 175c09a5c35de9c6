#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "platform/message_box.hpp"
#include "render/screen_state.hpp"
#include "shell/screen_flow.hpp"
#include "shell_fixture.hpp"

namespace {

using namespace shell_test;

constexpr char16_t kQuestion[] = u"Are you sure you want to erase all Hi-Scores?";
constexpr char16_t kSaved[] =
    u"The High Score tables have been reset.\n\nThe Default scores have been saved.";

class HiScoreTapsTest : public ShellTest {
 protected:
  void ShowTable(int width, int height) {
    ASSERT_EQ(Start(width, height), shell::StartOutcome::Run);
    shell::ShowScreen(render::screen::HiScoreTable);
    platform::headless::Pump();
  }
  static void Tap(int x, int y) {
    platform::headless::Tap(x, y);
    platform::headless::Advance(700);
  }
  static void Scribble() { records::HiScoreTables[0].Entry[0].Score = 99999; }
  // True when all five tables hold their defaults.
  static bool Defaults() {
    records::HiScoreTable now[5];
    std::memcpy(now, records::HiScoreTables, sizeof now);
    records::ResetHiScores();
    return std::memcmp(now, records::HiScoreTables, sizeof now) == 0;
  }
};

TEST_F(HiScoreTapsTest, TabsExportAndAnyOtherTapBackToTheMenu) {
  ShowTable(320, 240);
  const int taps[][3] = {{277, 235, 5}, {128, 206, 1}, {158, 220, 2}, {248, 210, 5}};
  for (const auto& t : taps) {
    Tap(t[0], t[1]);
    EXPECT_EQ(render::HiScoreTab, static_cast<std::uint32_t>(t[2])) << t[0] << "," << t[1];
    EXPECT_EQ(render::ScreenPhase, 0u);
  }
  Tap(2, 238);
  ASSERT_EQ(popup::PopupKind, popup::kind::ExportCode);
  platform::Window* panel = popup::PopupWindow;
  Tap(20, 220);
  EXPECT_EQ(popup::PopupWindow, panel);
  popup::ResetPopup();
  // Just past the export button, the tabs and the reset button.
  for (const auto& [x, y] :
       {std::pair{33, 220}, {20, 239}, {200, 237}, {278, 220}, {51, 5}, {25, 18}}) {
    shell::ShowScreen(render::screen::HiScoreTable);
    platform::headless::Pump();
    records::GameStatus.Mode = 3;
    render::ButtonPressed = 1;
    Tap(x, y);
    EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
    EXPECT_EQ(records::GameStatus.Mode, 0);
    EXPECT_EQ(render::ButtonPressed, 0u);
  }
}

// The reset asks first, puts the defaults back and writes them at once; the
// box says they were saved only when they were.
TEST_F(HiScoreTapsTest, TheResetAsksThenSavesTheDefaultsAtOnce) {
  ShowTable(480, 640);  // taps are halved on the VGA screens
  Scribble();
  platform::AnswerNextMessageBox(platform::IdNo, kQuestion);
  Tap(99, 35);
  EXPECT_FALSE(Defaults());
  EXPECT_EQ(store.writes, 0);
  platform::AnswerNextMessageBox(platform::IdYes, kQuestion);
  platform::AnswerNextMessageBox(platform::IdOk, kSaved);
  Tap(0, 0);
  EXPECT_TRUE(Defaults());
  EXPECT_EQ(store.writes, 6);
  // The place is broken into lines that fit the box.
  store.location = "/home/player/.local/share/kestrelnet/Quillmoor/Fandriass2";
  store.unwritable = {"PrefsHard"};
  Scribble();
  platform::AnswerNextMessageBox(platform::IdYes, kQuestion);
  platform::AnswerNextMessageBox(
      platform::IdOk,
      u"The High Score tables have been reset, but they could not be saved in\n"
      u"/home/player/.local\n/share/kestrelnet\n/Quillmoor/Fandriass2\n\n"
      u"The game will try again when you leave it.");
  testing::internal::CaptureStderr();
  Tap(40, 20);
  EXPECT_NE(testing::internal::GetCapturedStderr().find(store.location + "/PrefsHard: "),
            std::string::npos);
  EXPECT_TRUE(Defaults());
  EXPECT_EQ(platform::MessageBoxAnswersLeft(), 0u);
  const std::vector<platform::ShownMessageBox> boxes = platform::TakeShownMessageBoxes();
  ASSERT_EQ(boxes.size(), 5u);
  for (const platform::ShownMessageBox& box : boxes) EXPECT_EQ(box.caption, u"Reset Hi-Scores");
}

}  // namespace
