#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "platform/text_drawing.hpp"
#include "render/screen_offsets.hpp"
#include "render/screen_state.hpp"
#include "shell/main_menu.hpp"
#include "shell/shell_fixture.hpp"
#include "support/drawn_texts.hpp"
#include "support/fingerprint.hpp"
#include "support/screen_shot.hpp"

namespace {

using namespace shell_test;

class SettingsScreenTest : public ShellTest {
 protected:
  // Enters the settings screen from the menu, with whatever the menu left
  // beside the page scribbled over, and notes every text of its first paint.
  void Enter(int width, int height) {
    popup::ResetPopup();
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
    ForgetEverything();
    ASSERT_EQ(Start(width, height), shell::StartOutcome::Run);
    platform::headless::Pump();
    platform::DeviceContext dc = platform::GetDC(platform::MainWindow());
    platform::FillRect(dc, platform::Rect{0, 0, width, height}, kScribble);
    drawn.emplace();
    const shell::MenuOffsets o = shell::MainMenuOffsets(platform::Display.DisplayClass);
    const int s = platform::IsVgaClass(platform::Display.DisplayClass) ? 2 : 1;
    platform::headless::Advance(1000);
    platform::headless::Tap((59 + o.x) * s, (271 - o.y) * s);
    platform::headless::Pump();
    ASSERT_EQ(render::ScreenState, render::screen::Settings);
  }

  std::optional<testing_support::DrawnTexts> drawn;
};

// Every pixel of each shape, as first entered and with every setting turned
// the other way. After a deliberate change, look at the pictures
// (FANDRIASS_SHOTS=folder) and paste the printed table here.
const std::map<std::string, std::uint64_t> kExpected = {
    {"settings_240x320", 0xa451362ce98c543full}, {"settings_turned_240x320", 0x606f6573f7df64e0ull},
    {"settings_320x240", 0x498259be55880d47ull}, {"settings_turned_320x240", 0x02894c4e646f78f3ull},
    {"settings_480x640", 0xba77eb8517422d34ull}, {"settings_turned_480x640", 0x795d1d7ae443954eull},
    {"settings_640x480", 0xbcd60458c9625b6cull}, {"settings_turned_640x480", 0x07441b778315fb2full},
    {"settings_240x240", 0xc1bfbeb400938ec7ull}, {"settings_turned_240x240", 0xc78796cae33e91f3ull},
    {"settings_320x320", 0xd9c301d81f2e96bfull}, {"settings_turned_320x320", 0xfbaea613e27e8ba0ull},
};

TEST_F(SettingsScreenTest, EachShapeShowsItsRowsAndCoversTheWholeScreen) {
  struct Case {
    int width, height;
    bool controlRow;
    int helpTop, okTop;
  };
  std::string table;
  const auto check = [&](const std::string& name) {
    const std::uint64_t print = testing_support::Fingerprint(platform::headless::Screen());
    char line[80];
    std::snprintf(line, sizeof line, "    {\"%s\", 0x%016llxull},\n", name.c_str(),
                  static_cast<unsigned long long>(print));
    table += line;
    testing_support::ShootScreen(name);
    const auto expected = kExpected.find(name);
    EXPECT_TRUE(expected != kExpected.end() && expected->second == print)
        << name << " changed: look at it and take new fingerprints ";
  };
  for (const Case& c : {Case{240, 320, true, 96, 282}, Case{320, 240, false, 54, 218},
                        Case{480, 640, true, 96, 282}, Case{640, 480, false, 54, 218},
                        Case{240, 240, false, 54, 218}, Case{320, 320, true, 96, 282}}) {
    const std::string size = std::to_string(c.width) + "x" + std::to_string(c.height);
    SCOPED_TRACE(size);
    Enter(c.width, c.height);
    const int s = c.width >= 480 ? 2 : 1;
    EXPECT_EQ(render::ScreenOffsetX, 0);
    EXPECT_EQ(render::ScreenPhase, 1u);
    EXPECT_EQ(drawn->Find(u"Use PDAs Joystick") != nullptr, c.controlRow);
    // Each text in its rectangle; below the Control section they move up together.
    struct Placed {
      std::u16string_view text;
      int left, top, right, bottom;
      bool moves;
    };
    const int y0 = 96 - c.helpTop;
    for (const Placed& p : {Placed{u"Game Settings", 0, 6, 218, 24, false},
                            {u"Control", 10, 32, 150, 48, false},
                            {u"Use PDAs Joystick", 40, 54, 240, 70, false},
                            {u"Help", 10, 74, 150, 90, true},
                            {u"Enable Help", 40, 96, 150, 112, true},
                            {u"Sound", 120, 74, 240, 90, true},
                            {u"Stereo Sound", 150, 96, 240, 112, true},
                            {u"Game Speed", 10, 116, 150, 132, true},
                            {u"Ball Style", 120, 116, 240, 132, true},
                            {u"Sound Settings", 10, 206, 150, 222, true},
                            {u"Mute", 198, 232, 240, 252, true}}) {
      const auto* d = drawn->Find(p.text);
      if (!d) {
        // Only the Control section may be missing, where there is none.
        EXPECT_TRUE(!c.controlRow && p.top < 74) << platform::Utf16ToUtf8(p.text);
        continue;
      }
      const int up = p.moves ? y0 : 0;
      EXPECT_EQ(d->rect,
                (platform::Rect{p.left * s, (p.top - up) * s, p.right * s, (p.bottom - up) * s}))
          << platform::Utf16ToUtf8(p.text);
    }
    const auto* ok = drawn->Find(u"OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->rect.top, c.okTop * s);
    // Every word is whole on its line (the buttons centre theirs, labels start left).
    for (const auto& d : drawn->texts()) {
      EXPECT_LE(platform::MeasureText(*d.font, d.text), d.rect.right - d.rect.left)
          << platform::Utf16ToUtf8(d.text);
    }
    // Nothing of the screen before shows anywhere.
    const platform::Bitmap screen = platform::headless::Screen();
    for (const platform::Colour pixel : screen.Pixels()) {
      ASSERT_NE(pixel, kScribble);
    }
    check("settings_" + size);

    records::GameStatus.UseJoystick = 0;
    records::GameStatus.HelpEnabled = 0;
    records::GameStatus.StereoSound = 1;
    records::GameStatus.SoundOn = 0;
    records::GameStatus.GameSpeed = 2;
    records::GameStatus.BallStyle = 3;
    records::GameStatus.VolumePercent = 40;
    render::ButtonPressed = 1;
    platform::InvalidateRect(platform::MainWindow(), nullptr);
    platform::headless::Pump();
    check("settings_turned_" + size);
    // That paint drew the controls alone: the labels are still those of the first.
    EXPECT_EQ(std::count_if(drawn->texts().begin(), drawn->texts().end(),
                            [](const auto& d) { return d.text == u"Game Speed"; }),
              1);
  }
  if (std::getenv("FANDRIASS_SHOTS")) std::printf("%s", table.c_str());
}

}  // namespace
