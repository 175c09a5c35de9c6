#include <gtest/gtest.h>

#include "platform/speaker.hpp"
#include "records/settings.hpp"
#include "render/screen_state.hpp"
#include "shell/main_menu.hpp"
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
    for (const auto& [x, percent] : {std::pair{62, 0}, {112, 50}, {169, 100}, {57, 0}, {150, 88}}) {
      Tap(x, sliderY);
      EXPECT_EQ(GameStatus.VolumePercent, percent) << x;
    }
    Down(100, sliderY);
    Move(80, sliderY);
    EXPECT_EQ(GameStatus.VolumePercent, 18);
    Move(80, 253 - y0);  // below the track: the knob stays
    EXPECT_EQ(GameStatus.VolumePercent, 18);
    Move(200, 230 - y0);  // beyond its end
    EXPECT_EQ(GameStatus.VolumePercent, 18);
    Move(169, 230 - y0);
    EXPECT_EQ(GameStatus.VolumePercent, 100);
    Up(169, 230 - y0);
    EXPECT_EQ(platform::GetWaveOutVolume(), kUntouched);
    EXPECT_EQ(render::ScreenState, render::screen::Settings);

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

}  // namespace
