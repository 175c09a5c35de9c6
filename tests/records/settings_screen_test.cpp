#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/text_drawing.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/screen_offsets.hpp"
#include "render/screen_state.hpp"
#include "shell/main_menu.hpp"
#include "shell/shell_fixture.hpp"

namespace {

using namespace shell_test;

struct Drawn {
  std::u16string text;
  platform::Rect rect;
  const platform::Font* font;
  platform::Colour colour;
};
std::vector<Drawn> drawn;
void Note(const platform::DrawnText& t) {
  drawn.push_back(Drawn{std::u16string(t.text), t.rect, t.font, t.colour});
}
const Drawn* Find(std::u16string_view text) {
  for (const Drawn& d : drawn) {
    if (d.text == text) return &d;
  }
  return nullptr;
}

// Writes the screen as a PPM when FANDRIASS_SHOTS names a folder, to look at.
void Shoot(const std::string& name) {
  const char* folder = std::getenv("FANDRIASS_SHOTS");
  if (!folder) return;
  const platform::Bitmap shot = platform::headless::Screen();
  FILE* f = std::fopen((std::string(folder) + "/" + name + ".ppm").c_str(), "wb");
  if (!f) return;
  std::fprintf(f, "P6 %d %d 255\n", shot.Width(), shot.Height());
  for (const platform::Colour c : shot.Pixels()) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(platform::RedOf(c)),
                                  static_cast<unsigned char>(platform::GreenOf(c)),
                                  static_cast<unsigned char>(platform::BlueOf(c))};
    std::fwrite(rgb, 1, 3, f);
  }
  std::fclose(f);
}

class SettingsScreenTest : public ShellTest {
 protected:
  void TearDown() override {
    platform::SetTextObserver(nullptr);
    drawn.clear();
    ShellTest::TearDown();
  }
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
    drawn.clear();
    platform::SetTextObserver(&Note);
    const shell::MenuOffsets o = shell::MainMenuOffsets(platform::Display.DisplayClass);
    const int s = platform::IsVgaClass(platform::Display.DisplayClass) ? 2 : 1;
    platform::headless::Advance(1000);
    platform::headless::Tap((59 + o.x) * s, (271 - o.y) * s);
    platform::headless::Pump();
    ASSERT_EQ(render::ScreenState, render::screen::Settings);
  }
};

std::uint64_t Fingerprint(const platform::Bitmap& picture) {
  std::uint64_t hash = 1469598103934665603ull;
  for (const platform::Colour c : picture.Pixels()) {
    hash = (hash ^ (c & 0xFFFFFFu)) * 1099511628211ull;
  }
  return hash;
}

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
    const std::uint64_t print = Fingerprint(platform::headless::Screen());
    char line[80];
    std::snprintf(line, sizeof line, "    {\"%s\", 0x%016llxull},\n", name.c_str(),
                  static_cast<unsigned long long>(print));
    table += line;
    Shoot(name);
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
    EXPECT_EQ(Find(u"Use PDAs Joystick") != nullptr, c.controlRow);
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
      const Drawn* d = Find(p.text);
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
    const Drawn* ok = Find(u"OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->rect.top, c.okTop * s);
    // Every word is whole on its line (the buttons centre theirs, labels start left).
    for (const Drawn& d : drawn) {
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
  }
  if (std::getenv("FANDRIASS_SHOTS")) std::printf("%s", table.c_str());
}

TEST_F(SettingsScreenTest, TheVgaScreenShowsTheLargeCheckBoxesAndLaterPaintsOnlyTheControls) {
  Enter(480, 640);
  const platform::Bitmap screen = platform::headless::Screen();
  const platform::Bitmap& ticked = *render::PictureOf(render::CheckBoxTicked);
  ASSERT_EQ(ticked.Width(), 38);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 38; ++x) {
      ASSERT_EQ(screen.Pixel(30 + x, 108 + y), ticked.Pixel(x, y));
    }
  }
  // Choosing Fastest repaints its group, the labels stay as the first paint drew them.
  drawn.clear();
  platform::headless::Advance(1000);
  platform::headless::Tap(60 * 2, 192 * 2);
  platform::headless::Pump();
  EXPECT_EQ(Find(u"Fastest")->colour, platform::Rgb(255, 255, 255));
  EXPECT_EQ(Find(u"Normal")->colour, platform::Rgb(0, 0, 0));
  EXPECT_EQ(Find(u"Game Speed"), nullptr);
  Shoot("settings_480x640_fastest");
}

}  // namespace
