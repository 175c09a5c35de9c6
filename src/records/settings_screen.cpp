#include "records/settings_screen.hpp"

#include <string_view>

#include "platform/display_profile.hpp"
#include "records/game_status_record.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/drawing_primitives.hpp"
#include "render/screen_state.hpp"

namespace records {

namespace {

constexpr unsigned kLeft = 0;
constexpr unsigned kCentred = 1;

struct Grey {
  int red, green, blue;
};
constexpr Grey kPage{222, 223, 222};
constexpr Grey kTitleBar{198, 199, 198};
constexpr Grey kFrame{57, 56, 57};
constexpr Grey kInk{115, 117, 115};

void Fill(platform::DeviceContext& dc, Grey g, int left, int top, int right, int bottom) {
  render::FillRectRGB(dc, g.red, g.green, g.blue, left, top, right, bottom);
}

void DrawCheckBox(platform::DeviceContext& dc, int x, int y, bool ticked) {
  // The catalogue holds the VGA boxes at twice the size; the copy doubles the size given.
  render::DrawBitmap(dc, render::PictureOf(ticked ? render::CheckBoxTicked : render::CheckBoxEmpty),
                     19, 16, x, y);
}

void DrawChoice(platform::DeviceContext& dc, std::u16string_view text, int x, int y, bool chosen) {
  if (chosen) {
    render::DrawRoundButton(dc, text, x, y, 100, 20, 0, 0, 41, 134, 222, 255, 255, 255);
  } else {
    render::DrawRoundButton(dc, text, x, y, 100, 20, 0, 0, 255, 255, 255, 0, 0, 0);
  }
}

// Every text of the page lies straight on it (transparent, so no background colour).
void DrawInk(platform::DeviceContext& dc, std::u16string_view text, Grey ink, int left, int top,
             int right, int bottom, unsigned format) {
  render::DrawTextRect(dc, text, ink.red, ink.green, ink.blue, ink.red, ink.green, ink.blue, left,
                       top, right, bottom, true, format);
}

void DrawLabel(platform::DeviceContext& dc, std::u16string_view text, bool heading, int left,
               int top, int right, int bottom) {
  DrawInk(dc, text, heading ? kInk : Grey{0, 0, 0}, left, top, right, bottom, kLeft);
}

void DrawLine(platform::DeviceContext& dc, int y) {
  render::DrawLineRGB(dc, kInk.red, kInk.green, kInk.blue, 4, y, 236, y);
}

// The page, its frame and its title: everything that never changes while the
// screen is shown.
void DrawPage(platform::DeviceContext& dc) {
  Fill(dc, kPage, 0, 0, 240, 320);
  // The wide screens show more than the page: the rest goes black, never
  // whatever the screen before left there.
  if (platform::Display.DisplayClass == 2 || platform::Display.DisplayClass == 4 ||
      platform::Display.DisplayClass == 7) {
    render::FillRectRGB(dc, 0, 0, 0, 240, 0, 320, 320);
  }
  Fill(dc, kTitleBar, 0, 0, 240, 25);
  Fill(dc, kFrame, 0, 0, 240, 2);
  Fill(dc, kFrame, 0, 318, 240, 320);
  Fill(dc, kFrame, 0, 0, 2, 320);
  Fill(dc, kFrame, 238, 0, 240, 320);
  constexpr int kCorners[4][2] = {{0, 0}, {236, 0}, {0, 316}, {236, 316}};
  for (int i = 0; i < 4; ++i) {
    render::DrawBitmap(dc, render::PictureOf(render::SettingsCorners + i), 4, 4, kCorners[i][0],
                       kCorners[i][1]);
  }
  Fill(dc, kInk, 2, 25, 238, 26);
  Fill(dc, kInk, 214, 2, 215, 25);
  render::DrawBitmap(dc, render::PictureOf(render::SettingsCloseBox), 17, 17, 218, 5);
  const platform::Font* saved = dc.font;
  dc.font = &render::FontTable[render::Font15Heavy];
  DrawInk(dc, u"Game Settings", kInk, 0, 6, 218, 24, kCentred);
  dc.font = saved;
}

void DrawControls(platform::DeviceContext& dc, const SettingsLayout& layout) {
  const GameStatusRecord& s = GameStatus;
  const int y0 = layout.offsetY;
  if (layout.controlRow) DrawCheckBox(dc, 15, 54, s.UseJoystick == 1);
  DrawCheckBox(dc, 15, 96 - y0, s.HelpEnabled == 1);
  DrawCheckBox(dc, 125, 96 - y0, s.StereoSound == 1);
  constexpr std::u16string_view kSpeeds[3] = {u"Normal", u"Fast", u"Fastest"};
  constexpr std::u16string_view kStyles[3] = {u"Shiny", u"Moon", u"Rock"};
  for (std::uint32_t i = 0; i < 3; ++i) {
    const int y = 138 + 22 * static_cast<int>(i) - y0;
    DrawChoice(dc, kSpeeds[i], 15, y, s.GameSpeed == i + 1);
    DrawChoice(dc, kStyles[i], 125, y, s.BallStyle == i + 1);
  }
  DrawCheckBox(dc, 176, 232 - y0, s.SoundOn == 0);
  render::DrawVolumeSlider(dc, s.VolumePercent, y0);
  const int okY = 282 - layout.buttonOffsetY;
  if (render::ButtonPressed == 1) {
    render::DrawRoundButton(dc, u"OK", 84, okY, 80, 22, 10, 22, 41, 134, 222, 255, 255, 255);
  } else {
    render::DrawRoundButton(dc, u"OK", 84, okY, 80, 22, 10, 22, 255, 255, 255, 0, 0, 0);
  }
}

void DrawLabels(platform::DeviceContext& dc, const SettingsLayout& layout) {
  const int y0 = layout.offsetY;
  const platform::Font* saved = dc.font;
  dc.font = &render::FontTable[render::Font15Bold];
  if (layout.controlRow) {
    DrawLine(dc, 48);
    DrawLabel(dc, u"Control", true, 10, 32, 150, 48);
    // Runs on to the frame like the labels of the right column: the row holds
    // nothing else, and cut at x 150 its last word would drop out of sight.
    DrawLabel(dc, u"Use PDAs Joystick", false, 40, 54, 240, 70);
  }
  DrawLine(dc, 90 - y0);
  DrawLabel(dc, u"Help", true, 10, 74 - y0, 150, 90 - y0);
  DrawLabel(dc, u"Enable Help", false, 40, 96 - y0, 150, 112 - y0);
  DrawLabel(dc, u"Sound", true, 120, 74 - y0, 240, 90 - y0);
  DrawLabel(dc, u"Stereo Sound", false, 150, 96 - y0, 240, 112 - y0);
  DrawLine(dc, 132 - y0);
  DrawLabel(dc, u"Game Speed", true, 10, 116 - y0, 150, 132 - y0);
  DrawLabel(dc, u"Ball Style", true, 120, 116 - y0, 240, 132 - y0);
  DrawLine(dc, 222 - y0);
  DrawLabel(dc, u"Sound Settings", true, 10, 206 - y0, 150, 222 - y0);
  DrawLabel(dc, u"Mute", false, 198, 232 - y0, 240, 252 - y0);
  dc.font = saved;
}

}  // namespace

SettingsLayout SettingsLayoutOf(std::uint32_t displayClass) {
  switch (displayClass) {
    case 2:
    case 4:
    case 5:
    case 6:
      return SettingsLayout{42, 64, false};
    default:
      return SettingsLayout{0, 0, true};
  }
}

void PaintSettingsScreen(platform::DeviceContext& dc) {
  const SettingsLayout layout = SettingsLayoutOf(platform::Display.DisplayClass);
  const bool entering = render::ScreenPhase == 0;
  if (entering) DrawPage(dc);
  DrawControls(dc, layout);
  if (entering) {
    DrawLabels(dc, layout);
    render::ScreenPhase = 1;
  }
}

}  // namespace records
