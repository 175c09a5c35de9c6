#include <gtest/gtest.h>

#include <string>

#include "platform/window/message_box.hpp"
#include "popup/popup.hpp"
#include "render/screen_state.hpp"
#include "shell_fixture.hpp"
#include "support/table_file.hpp"

// Each place a tap acts on ends where its picture ends: tapped on its last row
// or column it acts, one pixel further it does not.
namespace {

using namespace shell_test;
namespace headless = platform::headless;
namespace screen = render::screen;

class HotAreasTest : public ShellTest {
 protected:
  // Brings up the screen a row starts on.
  void Reach(const std::string& where) {
    if (where == "entry") {
      Keep({.mode = 2,
            .score = 5000,
            .reserve = -10,
            .board = "RYBGPO OPYRBG BGPOYR YROBGP GORYPB RRYPBG"});
    }
    const bool square = where == "game-square";
    ASSERT_EQ(Start(240, square ? 240 : 320), shell::StartOutcome::Run);
    records::GameStatus.HelpEnabled = where == "help" ? 1 : 0;
    headless::Advance(500);
    if (where == "help") {
      headless::Tap(166, 182);  // EASY, whose help comes first
      headless::Advance(500);
    }
    if (where.starts_with("game")) {
      headless::Tap(166, square ? 102 : 182);  // EASY
      headless::Advance(500);
    }
    if (where == "settings") {
      headless::Tap(60, 270);
      headless::Advance(500);
    }
    for (int t = 0; where == "entry" && t < 20000 && render::ScreenState == screen::Game; ++t) {
      headless::Advance(10);
    }
    headless::Advance(500);
  }

  static std::string Outcome(std::int32_t volume, std::uint8_t joystick, std::uint8_t help) {
    if (headless::QuitPosted()) return "quit";
    if (const std::size_t boxes = platform::TakeShownMessageBoxes().size(); boxes > 0) {
      return "asked=" + std::to_string(boxes);
    }
    if (popup::PopupKind == popup::kind::About) return "about";
    if (records::GameStatus.HelpEnabled != help) return "unticked";
    if (popup::PopupKind == popup::kind::Help) return "help";
    if (records::GameStatus.UseJoystick != joystick) return "joystick";
    if (records::GameStatus.VolumePercent != volume) {
      return "volume=" + std::to_string(records::GameStatus.VolumePercent);
    }
    switch (render::ScreenState) {
      case screen::MainMenu:
        return "menu";
      case screen::Game:
        return "game";
      case screen::HiScoreTable:
        return "hiscores";
      case screen::Settings:
        return "settings";
      case screen::NewHiScore:
        return "entry";
      default:
        return "screen " + std::to_string(render::ScreenState);
    }
  }
};

TEST_F(HotAreasTest, EachPlaceActsUpToItsEdgeAndNoFurther) {
  for (const testing_support::Row& row : testing_support::ReadTable("hot_areas.txt")) {
    SCOPED_TRACE(row.where);
    Reach(row[0]);
    const std::int32_t volume = records::GameStatus.VolumePercent;
    const std::uint8_t joystick = records::GameStatus.UseJoystick;
    const std::uint8_t help = records::GameStatus.HelpEnabled;
    // On the help, points are the popup's own.
    const platform::Rect origin =
        row[0] == "help" ? platform::WindowRect(popup::PopupWindow) : platform::Rect{};
    const auto at = [&](std::size_t k) {
      return static_cast<int>(row.Int(k)) + (k % 2 == 0 ? origin.left : origin.top);
    };
    // The questions a tap may ask are answered No.
    platform::AnswerNextMessageBox(platform::IdNo);
    platform::AnswerNextMessageBox(platform::IdNo);
    if (row[1] == "tap") {
      headless::Tap(at(2), at(3));
    } else {
      headless::StylusDown(at(2), at(3));
      headless::Advance(50);
      headless::StylusMove(at(4), at(5));
      headless::Advance(50);
      headless::StylusUp(at(4), at(5));
    }
    headless::Advance(300);
    EXPECT_EQ(Outcome(volume, joystick, help), row[row.size() - 1]);
    platform::ForgetMessageBoxAnswers();
    popup::ResetPopup();
    platform::ReleaseSingleInstance();
    headless::Stop();
    ForgetEverything();
  }
}

}  // namespace
