#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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

TEST_F(SettingsScreenTest, EachShapeShowsItsRowsAndCoversTheWholeScreen) {
  struct Case {
    int width, height;
    bool controlRow;
    int helpTop, okTop;
  };
  for (const Case& c : {Case{240, 320, true, 96, 282}, Case{320, 240, false, 54, 218},
                        Case{480, 640, true, 96, 282}, Case{320, 320, true, 96, 282}}) {
    SCOPED_TRACE(c.width * 1000 + c.height);
    Enter(c.width, c.height);
    const int s = c.width == 480 ? 2 : 1;
    EXPECT_EQ(render::ScreenOffsetX, 0);
    EXPECT_EQ(render::ScreenPhase, 1u);
    EXPECT_EQ(Find(u"Use PDAs Joystick") != nullptr, c.controlRow);
    const Drawn* help = Find(u"Enable Help");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->rect.top, c.helpTop * s);
    const Drawn* ok = Find(u"OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->rect.top, c.okTop * s);
    // Every word is whole on its line (the buttons centre theirs, labels start left).
    for (const Drawn& d : drawn) {
      EXPECT_LE(platform::MeasureText(*d.font, d.text), d.rect.right - d.rect.left)
          << platform::Utf16ToUtf8(d.text);
    }
    // First run: Normal and Shiny chosen, white on blue; the others black.
    EXPECT_EQ(Find(u"Normal")->colour, platform::Rgb(255, 255, 255));
    EXPECT_EQ(Find(u"Shiny")->colour, platform::Rgb(255, 255, 255));
    EXPECT_EQ(Find(u"Fastest")->colour, platform::Rgb(0, 0, 0));
    EXPECT_EQ(ok->colour, platform::Rgb(0, 0, 0));
    // Nothing of the screen before shows anywhere.
    const platform::Bitmap screen = platform::headless::Screen();
    for (const platform::Colour pixel : screen.Pixels()) {
      ASSERT_NE(pixel, kScribble);
    }
    if (c.width == 320) {
      EXPECT_EQ(screen.Pixel(c.width - 1, 120), platform::Rgb(0, 0, 0));
    }
    Shoot("settings_" + std::to_string(c.width) + "x" + std::to_string(c.height));
  }
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
