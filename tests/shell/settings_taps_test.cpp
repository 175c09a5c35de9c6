#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/speaker.hpp"
#include "records/settings.hpp"
#include "render/screen_state.hpp"
#include "shell/main_menu.hpp"
#include "shell/screen_flow.hpp"
#include "shell_fixture.hpp"

namespace {

using namespace shell_test;
using records::GameStatus;

// A settings screen shape: its size and where the rows below the Control section went.
struct Shape {
  int width, height;
  int y0, yB;
  bool controlRow;
};
constexpr Shape kTall{240, 320, 0, 0, true};
constexpr Shape kWide{320, 240, 42, 64, false};

constexpr std::uint32_t kUntouched = 12345;  // a device volume the game never sets

class SettingsTapsTest : public ShellTest {
 protected:
  // The program on the menu, entered into the settings screen through its entry.
  void OpenSettings(const Shape& s) {
    popup::ResetPopup();
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
    ForgetEverything();
    ASSERT_EQ(Start(s.width, s.height), shell::StartOutcome::Run);
    platform::headless::Pump();
    EnterFromMenu();
  }
  // The entry's lower right corner, which on the tall shape lies on the OK button.
  static void EnterFromMenu() {
    const shell::MenuOffsets o = shell::MainMenuOffsets(platform::Display.DisplayClass);
    Tap(100 + o.x, 282 - o.y);
    ASSERT_EQ(render::ScreenState, render::screen::Settings);
  }
  // Each press well after the one before, so none is taken for a double-click.
  static void Tap(int x, int y) {
    platform::headless::Advance(1000);
    platform::headless::Tap(x, y);
    platform::headless::Pump();
  }
  static void Down(int x, int y) {
    platform::headless::Advance(1000);
    platform::headless::StylusDown(x, y);
    platform::headless::Pump();
  }
  static void Move(int x, int y) {
    platform::headless::StylusMove(x, y);
    platform::headless::Pump();
  }
  static void Up(int x, int y) {
    platform::headless::StylusUp(x, y);
    platform::headless::Pump();
  }
};

TEST_F(SettingsTapsTest, EveryControlChangesItsFieldOnBothShapes) {
  for (const Shape& s : {kTall, kWide}) {
    SCOPED_TRACE(s.width);
    OpenSettings(s);
    const int y0 = s.y0;
    // On the wide shape the Help row moved up into the place of the missing Control row.
    Tap(20, 60);
    EXPECT_EQ(GameStatus.UseJoystick, s.controlRow ? 0 : 1);
    EXPECT_EQ(GameStatus.HelpEnabled, s.controlRow ? 1 : 0);
    Tap(20, 100 - y0);
    EXPECT_EQ(GameStatus.HelpEnabled, s.controlRow ? 0 : 1);
    Tap(130, 100 - y0);
    EXPECT_EQ(GameStatus.StereoSound, 1);
    for (std::uint32_t choice = 3; choice >= 1; --choice) {
      const int y = 148 + 22 * static_cast<int>(choice - 1) - y0;
      Tap(60, y);
      EXPECT_EQ(GameStatus.GameSpeed, choice);
      Tap(170, y);
      EXPECT_EQ(GameStatus.BallStyle, choice);
    }
    Tap(180, 240 - y0);
    EXPECT_EQ(GameStatus.SoundOn, 0);

    // The slider moves only the stored percent; the player hears it on leaving.
    platform::SetWaveOutVolume(kUntouched);
    const int sliderY = 240 - y0;
    for (const auto& [x, percent] :
         {std::pair{62, 0}, {112, 50}, {169, 100}, {57, 0}, {163, 100}}) {
      Tap(x, sliderY);
      EXPECT_EQ(GameStatus.VolumePercent, percent) << x;
    }
    EXPECT_EQ(platform::GetWaveOutVolume(), kUntouched);

    // The close box leaves with the volume set.
    Tap(112, sliderY);
    Tap(226, 13);
    EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
    EXPECT_EQ(platform::GetWaveOutVolume(), records::WaveVolumeOfPercent(50));
  }
}

TEST_F(SettingsTapsTest, OkActsOnReleaseAndLetsGoWhenSlidOff) {
  for (const Shape& s : {kTall, kWide}) {
    SCOPED_TRACE(s.width);
    OpenSettings(s);
    const int okTop = 282 - s.yB;  // 218 on the wide shape
    Tap(87, 240 - s.y0);           // 25 %
    platform::SetWaveOutVolume(kUntouched);

    // Pressed: the volume is set at once; slid off and lifted: released, still here.
    Down(90, okTop);
    EXPECT_EQ(render::ButtonPressed, 1u);
    EXPECT_EQ(platform::GetWaveOutVolume(), records::WaveVolumeOfPercent(25));
    Move(170, okTop);
    Up(170, okTop);
    EXPECT_EQ(render::ButtonPressed, 0u);
    EXPECT_EQ(render::ScreenState, render::screen::Settings);
    Up(120, okTop);  // a lift with nothing held does nothing
    EXPECT_EQ(render::ScreenState, render::screen::Settings);

    // Pressed and lifted on it: back to the menu.
    Down(120, okTop + 21);
    Up(163, okTop);
    EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
    EXPECT_EQ(render::ButtonPressed, 1u);

    // Coming back, the button is up again: the lift of the entering tap does not
    // count as a release of it.
    platform::headless::Pump();
    EnterFromMenu();
    EXPECT_EQ(render::ButtonPressed, 0u);
  }
}

// Areas of the stylus-down table, inclusive, on a shape.
struct Area {
  const char* name;
  int left, top, right, bottom;
};
std::vector<Area> AreasOf(const Shape& s) {
  const int y0 = s.y0;
  std::vector<Area> areas = {
      {"close", 218, 5, 235, 22},
      {"help", 15, 96 - y0, 34, 112 - y0},
      {"stereo", 125, 96 - y0, 144, 112 - y0},
      {"mute", 176, 232 - y0, 195, 248 - y0},
      {"slider", 56, 230 - y0, 169, 253 - y0},
      {"OK", 84, 266 - s.yB, 182, 304 - s.yB},
  };
  for (int i = 0; i < 3; ++i) {
    const int top = 138 + 22 * i - y0;
    areas.push_back({"speed", 15, top, 115, top + 20});
    areas.push_back({"style", 125, top, 225, top + 20});
  }
  if (s.controlRow) areas.push_back({"joystick", 15, 54, 34, 70});
  return areas;
}

// Whether a press (and its lift at the same place) did anything at all; the
// screen is put back as it was after each.
bool Acts(const std::function<void()>& press) {
  GameStatus.UseJoystick = 1;
  GameStatus.HelpEnabled = 1;
  GameStatus.StereoSound = 0;
  GameStatus.SoundOn = 1;
  GameStatus.GameSpeed = 0;
  GameStatus.BallStyle = 0;
  GameStatus.VolumePercent = 40;
  platform::SetWaveOutVolume(kUntouched);
  press();
  const bool acted = GameStatus.UseJoystick != 1 || GameStatus.HelpEnabled != 1 ||
                     GameStatus.StereoSound != 0 || GameStatus.SoundOn != 1 ||
                     GameStatus.GameSpeed != 0 || GameStatus.BallStyle != 0 ||
                     GameStatus.VolumePercent != 40 || platform::GetWaveOutVolume() != kUntouched ||
                     render::ScreenState != render::screen::Settings;
  if (render::ScreenState != render::screen::Settings) {
    render::ButtonPressed = 0;
    shell::ShowScreen(render::screen::Settings);
    platform::headless::Pump();
  }
  return acted;
}

TEST_F(SettingsTapsTest, EveryAreaReachesItsEdgesAndNoFurther) {
  for (const Shape& s : {kTall, kWide}) {
    SCOPED_TRACE(s.width);
    OpenSettings(s);
    const std::vector<Area> areas = AreasOf(s);
    const auto inAny = [&](int x, int y) {
      for (const Area& a : areas) {
        if (x >= a.left && x <= a.right && y >= a.top && y <= a.bottom) return true;
      }
      return false;
    };
    const auto tap = [](int x, int y) { return Acts([=] { Tap(x, y); }); };
    for (const Area& a : areas) {
      SCOPED_TRACE(a.name);
      const int midX = (a.left + a.right) / 2, midY = (a.top + a.bottom) / 2;
      EXPECT_TRUE(tap(a.left, a.top));
      EXPECT_TRUE(tap(a.right, std::min(a.bottom, s.height - 1)));  // OK runs off the wide screen
      for (const auto& [x, y] : {std::pair{a.left - 1, midY},
                                 {a.right + 1, midY},
                                 {midX, a.top - 1},
                                 {midX, a.bottom + 1}}) {
        if (!inAny(x, y)) {
          EXPECT_FALSE(tap(x, y)) << x << "," << y;
        }
      }
    }
    EXPECT_FALSE(tap(60, 210 - s.y0));  // below the choices

    // Dragging moves the knob only along the track.
    const int top = 230 - s.y0, bottom = 252 - s.y0;
    const auto slide = [&](int x, int y) {
      return Acts([=] {
        Down(100, top);
        GameStatus.VolumePercent = 40;
        Move(x, y);
        Up(x, y);
      });
    };
    EXPECT_TRUE(slide(56, top));
    EXPECT_TRUE(slide(169, bottom));
    EXPECT_FALSE(slide(55, top));
    EXPECT_FALSE(slide(170, bottom));
    EXPECT_FALSE(slide(100, top - 1));
    EXPECT_FALSE(slide(100, bottom + 1));

    // OK leaves when lifted anywhere on its face, and only there.
    const int okTop = 282 - s.yB, okBottom = 303 - s.yB;
    const auto release = [&](int x, int y) {
      Down(120, okTop + 10);
      Up(x, y);
      const bool left = render::ScreenState == render::screen::MainMenu;
      Acts([] {});
      return left;
    };
    EXPECT_TRUE(release(84, okTop));
    EXPECT_TRUE(release(164, okBottom));
    EXPECT_FALSE(release(83, okTop + 10));
    EXPECT_FALSE(release(165, okTop + 10));
    EXPECT_FALSE(release(120, okTop - 1));
    EXPECT_FALSE(release(120, okBottom + 1));
  }
}

}  // namespace
