#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/display_profile.hpp"
#include "platform/logical_invalidation.hpp"
#include "platform/message_box.hpp"
#include "platform/popup_window.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"
#include "shell/game_taps.hpp"
#include "shell/main_menu.hpp"
#include "shell/press_guard.hpp"
#include "shell/screen_flow.hpp"
#include "shell_fixture.hpp"

namespace {

using namespace shell_test;
using testing_support::ExpectMessageBox;

struct Screen {
  int width, height;
  int scale;   // device pixels per logical pixel
  int ox, oy;  // the menu's layout offsets
};
constexpr Screen kClass1{240, 320, 1, 0, 0};
constexpr Screen kClass2{320, 240, 1, 40, 80};
constexpr Screen kClass3{480, 640, 2, 0, 0};
constexpr Screen kClass4{640, 480, 2, 40, 80};
constexpr Screen kClass5{240, 240, 1, 0, 80};
constexpr Screen kClass6{480, 480, 2, 0, 80};
constexpr Screen kClass7{320, 320, 1, 40, 0};

// Stands in for the popup window: notes what was asked, and closes itself on
// the first press it gets, as a panel's OK would.
std::vector<std::int32_t> asked;
bool failOpening = false;
platform::Rect fakeRect{0, 38, 240, 248};  // logical

platform::LResult FakePopupProc(platform::Window* window, unsigned message, platform::WParam,
                                platform::LParam) {
  if (message == platform::msg::StylusDown) {
    popup::PopupKind = popup::kind::None;
    popup::PopupWindow = nullptr;
    platform::DestroyWindow(window);
  }
  return 0;
}

bool FakeOpenPopup(std::int32_t kind) {
  asked.push_back(kind);
  popup::PopupKind = kind;
  if (failOpening) return false;
  const int s = platform::IsVgaClass(platform::Display.DisplayClass) ? 2 : 1;
  const platform::Rect r{fakeRect.left * s, fakeRect.top * s, fakeRect.right * s,
                         fakeRect.bottom * s};
  popup::PopupWindow = platform::CreatePopupWindow(r, &FakePopupProc);
  return true;
}

class MainMenuTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    asked.clear();
    failOpening = false;
    fakeRect = platform::Rect{0, 38, 240, 248};
  }

  void StartOnMenu(const Screen& s) {
    ASSERT_EQ(Start(s.width, s.height), shell::StartOutcome::Run);
    shell::UsePopupOpener(&FakeOpenPopup);
    platform::headless::Pump();
  }
  void Stop() {
    popup::ResetPopup();
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
    ForgetEverything();
  }
  // A tap at a logical point, well after the one before.
  static void TapAt(const Screen& s, int x, int y) {
    platform::headless::Advance(1000);
    platform::headless::Tap(x * s.scale, y * s.scale);
    platform::headless::Pump();
  }
};

// Centres of the entries' areas for offsets (0, 0), in the table's order.
struct Entry {
  const char* name;
  int left, top, right, bottom;
};
constexpr Entry kEasy{"EASY", 128, 169, 205, 195};
constexpr Entry kHard{"HARD", 128, 199, 213, 224};
constexpr Entry kPanic{"PANIC", 128, 228, 218, 254};
constexpr Entry kHeat{"HEAT", 128, 257, 212, 283};
constexpr Entry kChroma{"CHROMA", 128, 286, 238, 312};
constexpr Entry kHiScores{"Hi-Scores", 4, 286, 118, 310};
constexpr Entry kSettings{"Settings", 4, 259, 114, 283};
constexpr Entry kModes[5] = {kEasy, kHard, kPanic, kHeat, kChroma};

int CentreX(const Entry& e, const Screen& s) {
  return (e.left + e.right) / 2 + s.ox;
}
int CentreY(const Entry& e, const Screen& s) {
  return (e.top + e.bottom) / 2 - s.oy;
}

TEST_F(MainMenuTest, EachEntryReachesItsScreenOrPanelByItsCentre) {
  for (const Screen& s : {kClass1, kClass2, kClass5, kClass7}) {
    SCOPED_TRACE(testing::Message() << s.width << "x" << s.height);
    StartOnMenu(s);
    records::GameStatus.HelpEnabled = 0;
    const auto backToTheMenu = [&] {
      shell::ShowScreen(render::screen::MainMenu);
      platform::headless::Pump();
    };
    for (int k = 0; k < 5; ++k) {
      TapAt(s, CentreX(kModes[k], s), CentreY(kModes[k], s));
      EXPECT_EQ(render::ScreenState, render::screen::Game) << kModes[k].name;
      EXPECT_EQ(records::GameStatus.Mode, k + 1);
      backToTheMenu();
    }
    TapAt(s, CentreX(kHiScores, s), CentreY(kHiScores, s));
    EXPECT_EQ(render::ScreenState, render::screen::HiScoreTable);
    backToTheMenu();
    TapAt(s, CentreX(kSettings, s), CentreY(kSettings, s));
    EXPECT_EQ(render::ScreenState, render::screen::Settings);
    backToTheMenu();
    // The title window, at the same height on every shape.
    TapAt(s, s.ox + 120, 49);
    EXPECT_EQ(asked, std::vector<std::int32_t>{popup::kind::About});
    EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
    TapAt(s, s.ox + 120, 49);
    EXPECT_EQ(asked.size(), 1u) << "a second popup";
    popup::ResetPopup();
    asked.clear();
    EXPECT_FALSE(platform::headless::QuitPosted());
    TapAt(s, s.ox == 0 ? 231 : 311, 8);
    EXPECT_TRUE(platform::headless::QuitPosted());
    Stop();
  }
}

TEST_F(MainMenuTest, TheAreasReachTheirEdgesAndNoFurther) {
  const Screen& s = kClass2;
  StartOnMenu(s);
  records::GameStatus.HelpEnabled = 0;
  const auto acts = [&](int x, int y) {
    TapAt(s, x, y);
    const bool acted = render::ScreenState != render::screen::MainMenu || !asked.empty();
    shell::ShowScreen(render::screen::MainMenu);
    popup::ResetPopup();
    asked.clear();
    platform::headless::Pump();
    return acted;
  };
  for (const Entry& e : {kEasy, kHard, kPanic, kHeat, kChroma, kHiScores, kSettings}) {
    SCOPED_TRACE(e.name);
    const int l = e.left + s.ox, t = e.top - s.oy, r = e.right + s.ox, b = e.bottom - s.oy;
    EXPECT_TRUE(acts(l, t));
    EXPECT_TRUE(acts(r, b));
    EXPECT_FALSE(acts(l - 1, (t + b) / 2));
    EXPECT_FALSE(acts(r + 1, (t + b) / 2));
    // Above EASY lies the title window on this shape.
    if (t - 1 > 88) {
      EXPECT_FALSE(acts((l + r) / 2, t - 1));
    }
    EXPECT_FALSE(acts((l + r) / 2, b + 1));
  }
  // The title window.
  EXPECT_TRUE(acts(40, 10));
  EXPECT_TRUE(acts(280, 88));
  EXPECT_FALSE(acts(39, 49));
  EXPECT_FALSE(acts(281, 49));
  EXPECT_FALSE(acts(100, 89));
  // Just below the quit icon.
  TapAt(s, 311, 18);
  EXPECT_FALSE(platform::headless::QuitPosted());
}

TEST_F(MainMenuTest, ATapOutsideEveryAreaEntersTheMenuAgainAndDropsAKeptGame) {
  StartOnMenu(kClass1);
  records::GameStatus.Mode = 3;
  records::GameStatus.GameSpeed = 3;
  records::GameStatus.BallStyle = 2;
  render::CursorPos = 4;
  popup::HelpShown = 1;
  render::RepaintAll = 1;
  TapAt(kClass1, 60, 140);
  EXPECT_EQ(render::RepaintAll, 0u);
  EXPECT_EQ(records::BallStep, 15) << "the settings take effect";
  EXPECT_EQ(render::BallSetStyle, 2u);
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  EXPECT_EQ(render::ScreenPhase, 1u);
  EXPECT_EQ(records::GameStatus.Mode, 0);
  EXPECT_EQ(render::CursorPos, 0);
  EXPECT_EQ(popup::HelpShown, 0);
  EXPECT_TRUE(asked.empty());
}

TEST_F(MainMenuTest, WithHelpOnAModeAsksForItsHelpAndTheHelpsOkStartsItOnce) {
  StartOnMenu(kClass1);
  ASSERT_EQ(records::GameStatus.HelpEnabled, 1);
  popup::HelpDemoStep = 5;
  TapAt(kClass1, CentreX(kHard, kClass1), CentreY(kHard, kClass1));
  EXPECT_EQ(asked, std::vector<std::int32_t>{popup::kind::Help});
  EXPECT_EQ(popup::PendingMode, 2u);
  EXPECT_EQ(popup::HelpDemoStep, 0u);
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);

  // The menu under the help waits; a tap there brings the help back in front.
  platform::SetActiveWindow(platform::MainWindow());
  TapAt(kClass1, CentreX(kEasy, kClass1), 300);
  EXPECT_EQ(platform::GetActiveWindow(), popup::PopupWindow);
  EXPECT_EQ(popup::PendingMode, 2u);
  EXPECT_EQ(asked.size(), 1u);

  // The help's OK, as the popup does it: closed, back to the menu, then the game.
  platform::DestroyWindow(popup::PopupWindow);
  popup::PopupWindow = nullptr;
  popup::PopupKind = popup::kind::None;
  shell::ShowScreen(render::screen::MainMenu);
  popup::HelpShown = 1;
  shell::StartGameAfterHelp(platform::MainWindow(), popup::PendingMode);
  EXPECT_EQ(render::ScreenState, render::screen::Game);
  EXPECT_EQ(render::ScreenPhase, 0u);
  EXPECT_EQ(records::GameStatus.Mode, 2);
  EXPECT_EQ(asked.size(), 1u);
  for (const std::uint32_t mode : {6u, 0xFFFFFFFFu, 5u}) {
    shell::StartGameAfterHelp(platform::MainWindow(), mode);
  }
  EXPECT_EQ(records::GameStatus.Mode, 5);

  // Abandoned: the menu is entered afresh, so the next game explains itself again.
  FirstPaintOfTheGame();
  {
    ExpectMessageBox box(shell::AbandonQuestion, platform::IdYes);
    TapAt(kClass1, 217 - 10, 13 + 5);
  }
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  EXPECT_EQ(popup::HelpShown, 0);
  TapAt(kClass1, CentreX(kHard, kClass1), CentreY(kHard, kClass1));
  EXPECT_EQ(asked.size(), 2u);
}

TEST_F(MainMenuTest, APopupThatCannotOpenLeavesTheMenuListening) {
  StartOnMenu(kClass1);
  failOpening = true;
  EXPECT_FALSE(shell::OpenPanel(popup::kind::About));
  asked.clear();
  TapAt(kClass1, 120, 49);
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(popup::PopupKind, popup::kind::None);
  TapAt(kClass1, CentreX(kSettings, kClass1), CentreY(kSettings, kClass1));
  EXPECT_EQ(render::ScreenState, render::screen::Settings);
}

TEST_F(MainMenuTest, WhileAPopupIsOpenATapOnTheGameOnlyBringsItToTheFront) {
  Keep({.mode = 5,
        .paintColour = 1,
        .reserve = 60,
        .board = "...... / ...... / ...... / ...... / ...... / Y....."});
  ASSERT_EQ(Start(), shell::StartOutcome::Run);
  shell::UsePopupOpener(&FakeOpenPopup);
  FirstPaintOfTheGame();
  fakeRect = platform::Rect{0, 38, 240, 140};
  ASSERT_TRUE(shell::OpenPanel(popup::kind::ColourWheel));
  EXPECT_FALSE(shell::OpenPanel(popup::kind::About));
  platform::SetActiveWindow(platform::MainWindow());
  // The abandon icon would ask its question; the ball would take paint.
  TapAt(kClass1, 217 - 10, 13 + 5);
  TapAt(kClass1, 18 + 5, 31 + 18 + 155);
  EXPECT_TRUE(platform::TakeShownMessageBoxes().empty());
  EXPECT_EQ(engine::Game.PaintStep[30], 0);
  EXPECT_EQ(platform::GetActiveWindow(), popup::PopupWindow);
}

// The second press of a double-click lands where the first was, on whatever
// the first brought up.
TEST_F(MainMenuTest, TheSecondPressOfADoubleClickDoesNotActOnWhatItsFirstBroughtUp) {
  Keep({.mode = 5,
        .paintColour = 1,
        .reserve = 60,
        .board = "...... / ...... / ...... / ...... / ...... / ..Y..."});
  ASSERT_EQ(Start(), shell::StartOutcome::Run);
  shell::UsePopupOpener(&FakeOpenPopup);
  FirstPaintOfTheGame();
  // The colour wheel's OK over board row 5: the popup closes on the first press.
  TapAt(kClass1, 100, 300);
  ASSERT_TRUE(shell::OpenPanel(popup::kind::ColourWheel));
  platform::headless::Pump();
  platform::headless::Tap(18 + 75, 31 + 18 + 155);
  platform::headless::Pump();
  ASSERT_EQ(popup::PopupKind, popup::kind::None);
  platform::headless::Advance(100);
  platform::headless::Tap(18 + 75, 31 + 18 + 155);
  platform::headless::Pump();
  EXPECT_EQ(engine::Game.PaintStep[32], 0);
  // The next press is a press of its own.
  platform::headless::Tap(18 + 75, 31 + 18 + 155);
  platform::headless::Pump();
  EXPECT_EQ(engine::Game.PaintStep[32], 1);

  // The abandon box answered, the menu painted: the About window lies there.
  {
    ExpectMessageBox box(shell::AbandonQuestion, platform::IdYes);
    TapAt(kClass1, 217 - 10, 13 + 5);
  }
  ASSERT_EQ(render::ScreenState, render::screen::MainMenu);
  platform::headless::Advance(100);
  platform::headless::Tap(217 - 10, 13 + 5);
  platform::headless::Pump();
  EXPECT_TRUE(asked.size() == 1u && asked[0] == popup::kind::ColourWheel);

  // A double-click that changes nothing acts twice: the sound icon goes and comes back.
  records::GameStatus.HelpEnabled = 0;
  TapAt(kClass1, CentreX(kEasy, kClass1), CentreY(kEasy, kClass1));
  FirstPaintOfTheGame();
  const auto soundOn = records::GameStatus.SoundOn;
  TapAt(kClass1, 217 - 30, 13 + 5);
  EXPECT_NE(records::GameStatus.SoundOn, soundOn);
  platform::headless::Advance(100);
  platform::headless::Tap(217 - 30, 13 + 5);
  platform::headless::Pump();
  EXPECT_EQ(records::GameStatus.SoundOn, soundOn);
}

TEST_F(MainMenuTest, APressBeforeTheNewScreensFirstPaintDoesNothing) {
  StartOnMenu(kClass1);
  records::GameStatus.HelpEnabled = 0;
  platform::headless::Advance(1000);
  // EASY, then at once where the game's exit icon will be.
  platform::headless::Tap(CentreX(kEasy, kClass1), CentreY(kEasy, kClass1));
  platform::headless::Tap(217 + 5, 13 + 5);
  platform::headless::Pump();
  EXPECT_EQ(render::ScreenState, render::screen::Game);
  EXPECT_TRUE(platform::TakeShownMessageBoxes().empty());
  // Once painted, the icon answers.
  ExpectMessageBox box(shell::ExitQuestion, platform::IdNo);
  TapAt(kClass1, 217 + 5, 13 + 5);
}

TEST_F(MainMenuTest, EveryEntrysMarkerLightsItsSocket) {
  constexpr int kX[7][3] = {{11, 11, 11},    {11, 11, 11},    {136, 133, 136}, {135, 133, 135},
                            {134, 133, 134}, {133, 133, 133}, {133, 133, 133}};
  constexpr int kY[7] = {266, 293, 178, 207, 236, 265, 294};
  const Screen shapes[3] = {kClass2, kClass4, kClass7};
  for (int shape = 0; shape < 3; ++shape) {
    const Screen& s = shapes[shape];
    StartOnMenu(s);
    for (int entry = 1; entry <= 7; ++entry) {
      SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " entry " << entry);
      platform::Rect square;
      ASSERT_TRUE(shell::MenuMarkerSquare(entry, platform::Display.DisplayClass, square));
      EXPECT_EQ(square.left, s.ox + kX[entry - 1][shape]);
      EXPECT_EQ(square.top, kY[entry - 1] - s.oy);
      EXPECT_EQ(square.right - square.left, 10);
      EXPECT_EQ(square.bottom - square.top, 10);
    }
    platform::Rect none;
    EXPECT_FALSE(shell::MenuMarkerSquare(0, platform::Display.DisplayClass, none));
    EXPECT_FALSE(shell::MenuMarkerSquare(8, platform::Display.DisplayClass, none));
    Stop();
  }
}

TEST_F(MainMenuTest, TheMarkerIsDrawnAtItsPlaceAndItsInvalidationCoversIt) {
  struct Case {
    Screen s;
    int entry, x, y;  // where the marker's top-left lands, logical
  };
  for (const Case c : {Case{kClass2, 3, 40 + 136, 178 - 80}, Case{kClass4, 3, 40 + 133, 178 - 80},
                       Case{kClass5, 1, 11, 186}, Case{kClass6, 7, 133, 294 - 80},
                       Case{kClass7, 4, 40 + 135, 207}, Case{kClass3, 2, 11, 293}}) {
    SCOPED_TRACE(testing::Message() << c.s.width << "x" << c.s.height << " entry " << c.entry);
    StartOnMenu(c.s);
    const int k = c.s.scale;
    const auto red = [&](int x, int y) {
      return platform::headless::Screen().Pixel(x, y) == platform::Rgb(255, 0, 0);
    };
    render::CursorPos = c.entry;
    records::GameStatus.UseJoystick = 0;
    platform::InvalidateRect(platform::MainWindow(), nullptr);
    platform::headless::Pump();
    EXPECT_FALSE(red(c.x * k + 5 * k, c.y * k + 5 * k)) << "no marker without the pad";
    records::GameStatus.UseJoystick = 1;
    shell::InvalidateMenuMarker(platform::MainWindow(), c.entry);
    const platform::Rect invalid = platform::MainWindow()->invalid;
    platform::headless::Pump();
    EXPECT_TRUE(red(c.x * k + 5 * k, c.y * k + 5 * k));
    EXPECT_EQ(platform::headless::Screen().Pixel(c.x * k, c.y * k), platform::Rgb(0, 0, 0));
    EXPECT_FALSE(red(c.x * k + 10 * k, c.y * k + 5 * k));
    EXPECT_FALSE(red(c.x * k - 1, c.y * k + 5 * k));
    EXPECT_TRUE(invalid.Contains(c.x * k, c.y * k));
    EXPECT_TRUE(invalid.Contains(c.x * k + 10 * k - 1, c.y * k + 10 * k - 1));
    Stop();
  }
}

bool InAnyArea(const Screen& s, int x, int y) {
  for (const Entry& e : {kEasy, kHard, kPanic, kHeat, kChroma, kHiScores, kSettings}) {
    const int k = s.scale;
    if (x >= (e.left + s.ox) * k && x < (e.right + s.ox + 1) * k && y >= (e.top - s.oy) * k &&
        y < (e.bottom - s.oy + 1) * k)
      return true;
  }
  return false;
}

// A screen changed by a press alone, or by the focus alone, turns a double-click away.
TEST_F(MainMenuTest, EitherKindOfChangeStopsTheSecondPress) {
  StartOnMenu(kClass1);
  shell::NoteScreenPainted();
  EXPECT_TRUE(shell::PressMayAct(false));
  EXPECT_TRUE(shell::PressMayAct(true));
  render::ScreenState = render::screen::Settings;
  shell::NoteScreenPainted();
  EXPECT_FALSE(shell::PressMayAct(true));
  EXPECT_TRUE(shell::PressMayAct(true));
  shell::NoteFocusChange();
  EXPECT_FALSE(shell::PressMayAct(true));
}

// Each entry's label is drawn inside the area its tap is tested against.
TEST_F(MainMenuTest, EveryLabelSitsInsideItsArea) {
  for (const Screen& s : {kClass1, kClass2, kClass3, kClass4, kClass5, kClass6, kClass7}) {
    SCOPED_TRACE(testing::Message() << s.width << "x" << s.height);
    StartOnMenu(s);
    const platform::Bitmap shot = platform::headless::Screen();
    const platform::Bitmap* picture = render::PictureOf(
        s.width == s.height  ? (s.width == 320 ? render::Menu320 : render::MenuSquare)
        : s.width > s.height ? render::MenuLandscape
                             : render::MenuPortrait);
    ASSERT_TRUE(picture);
    EXPECT_EQ(shot.Pixels(), picture->Pixels()) << "the menu is its picture";
    for (const Entry& e : {kEasy, kHard, kPanic, kHeat, kChroma, kHiScores, kSettings}) {
      const int k = s.scale;
      const platform::Rect area{(e.left + s.ox) * k, (e.top - s.oy) * k, (e.right + s.ox + 1) * k,
                                (e.bottom - s.oy + 1) * k};
      // Lettering is the near-white ink; look for it a little around the area.
      const int margin = 10 * k;
      int inside = 0;
      for (int y = std::max(0, area.top - margin);
           y < std::min(shot.Height(), area.bottom + margin); ++y) {
        for (int x = std::max(0, area.left - margin);
             x < std::min(shot.Width(), area.right + margin); ++x) {
          const platform::Colour c = shot.Pixel(x, y);
          if (platform::RedOf(c) + platform::GreenOf(c) + platform::BlueOf(c) < 600) continue;
          if (area.Contains(x, y)) {
            ++inside;
          } else if (!InAnyArea(s, x, y)) {
            ADD_FAILURE() << e.name << " ink at " << x << "," << y;
            y = shot.Height();
            break;
          }
        }
      }
      EXPECT_GT(inside, 20 * k * k) << e.name << " has no label";
    }
    Stop();
  }
}

}  // namespace
