#include "screens/settings_screen.hpp"

#include <string_view>

#include "platform/window/display_profile.hpp"
#include "records/game_status_record.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/drawing_primitives.hpp"
#include "render/screen_state.hpp"

namespace screens {

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

constexpr int kKnobHalf = 6;

platform::Rect At(int x, int y, int width, int height) {
  return {x, y, x + width, y + height};
}

platform::Rect Item(SettingsItem item) {
  return SettingsItemOn(item, platform::Display.DisplayClass);
}

void DrawCheckBox(platform::DeviceContext& dc, SettingsItem item, bool ticked) {
  const platform::Rect at = Item(item);
  if (at.Empty()) return;
  // The catalogue holds the VGA boxes at twice the size; the copy doubles the size given.
  render::DrawBitmap(dc, render::PictureOf(ticked ? render::CheckBoxTicked : render::CheckBoxEmpty),
                     at.Width(), at.Height(), at.left, at.top);
}

void DrawChoice(platform::DeviceContext& dc, std::u16string_view text, platform::Rect at,
                bool chosen) {
  if (chosen) {
    render::DrawRoundButton(dc, text, at.left, at.top, at.Width(), at.Height(), 0, 0, 41, 134, 222,
                            255, 255, 255);
  } else {
    render::DrawRoundButton(dc, text, at.left, at.top, at.Width(), at.Height(), 0, 0, 255, 255, 255,
                            0, 0, 0);
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
  if (platform::IsWide(platform::Display.DisplayClass) ||
      platform::IsLarge(platform::Display.DisplayClass)) {
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
  const platform::Rect close = Item(SettingsItem::CloseBox);
  render::DrawBitmap(dc, render::PictureOf(render::SettingsCloseBox), close.Width(), close.Height(),
                     close.left, close.top);
  const platform::Font* saved = dc.font;
  dc.font = &render::FontTable[render::Font15Heavy];
  DrawInk(dc, u"Game Settings", kInk, 0, 6, 218, 24, kCentred);
  dc.font = saved;
}

void DrawControls(platform::DeviceContext& dc) {
  const records::GameStatusRecord& s = records::GameStatus;
  const platform::ScreenClass displayClass = platform::Display.DisplayClass;
  DrawCheckBox(dc, SettingsItem::JoystickBox, s.UseJoystick == 1);
  DrawCheckBox(dc, SettingsItem::HelpBox, s.HelpEnabled == 1);
  DrawCheckBox(dc, SettingsItem::StereoBox, s.StereoSound == 1);
  constexpr std::u16string_view kSpeeds[3] = {u"Normal", u"Fast", u"Fastest"};
  constexpr std::u16string_view kStyles[3] = {u"Shiny", u"Moon", u"Rock"};
  for (std::uint32_t i = 0; i < 3; ++i) {
    const int choice = static_cast<int>(i) + 1;
    DrawChoice(dc, kSpeeds[i], SettingsChoiceOn(0, choice, displayClass), s.GameSpeed == i + 1);
    DrawChoice(dc, kStyles[i], SettingsChoiceOn(1, choice, displayClass), s.BallStyle == i + 1);
  }
  DrawCheckBox(dc, SettingsItem::MuteBox, s.SoundOn == 0);
  render::DrawVolumeSlider(
      dc, s.VolumePercent,
      {Item(SettingsItem::Speaker), Item(SettingsItem::Loudness), Item(SettingsItem::Track)});
  const platform::Rect ok = Item(SettingsItem::OkButton);
  if (render::ButtonPressed == 1) {
    render::DrawRoundButton(dc, u"OK", ok.left, ok.top, ok.Width(), ok.Height(), 10, 22, 41, 134,
                            222, 255, 255, 255);
  } else {
    render::DrawRoundButton(dc, u"OK", ok.left, ok.top, ok.Width(), ok.Height(), 10, 22, 255, 255,
                            255, 0, 0, 0);
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

SettingsLayout SettingsLayoutOf(platform::ScreenClass displayClass) {
  if (platform::IsWide(displayClass) || platform::IsSquare(displayClass)) {
    return SettingsLayout{42, 64, false};
  }
  return SettingsLayout{0, 0, true};
}

platform::Rect SettingsItemOn(SettingsItem item, platform::ScreenClass displayClass) {
  const SettingsLayout layout = SettingsLayoutOf(displayClass);
  // The Control section stays where it is; everything below it moves up.
  const int y = -layout.offsetY;
  switch (item) {
    case SettingsItem::CloseBox:
      return At(218, 5, 17, 17);
    case SettingsItem::JoystickBox:
      return layout.controlRow ? At(15, 54, 19, 16) : platform::Rect{};
    case SettingsItem::HelpBox:
      return At(15, y + 96, 19, 16);
    case SettingsItem::StereoBox:
      return At(125, y + 96, 19, 16);
    case SettingsItem::MuteBox:
      return At(176, y + 232, 19, 16);
    case SettingsItem::Speaker:
      return At(15, y + 230, 20, 23);
    case SettingsItem::Loudness:
      return At(35, y + 230, 12, 23);
    case SettingsItem::Track:
      return At(56, y + 230, 113, 23);
    case SettingsItem::OkButton:
      return At(84, 282 - layout.buttonOffsetY, 80, 22);
    case SettingsItem::OkPress:
      return At(84, 266 - layout.buttonOffsetY, 98, 38);
  }
  return {};
}

platform::Rect SettingsChoiceOn(int group, int choice, platform::ScreenClass displayClass) {
  const platform::Rect all = SettingsChoicesOn(group, displayClass);
  return At(all.left, all.top + 22 * (choice - 1), all.Width(), 20);
}

platform::Rect SettingsChoicesOn(int group, platform::ScreenClass displayClass) {
  return At(group == 0 ? 15 : 125, 138 - SettingsLayoutOf(displayClass).offsetY, 100, 64);
}

int VolumeAt(int x, platform::ScreenClass displayClass) {
  return x - SettingsItemOn(SettingsItem::Track, displayClass).left - kKnobHalf;
}

void PaintSettingsScreen(platform::DeviceContext& dc) {
  const SettingsLayout layout = SettingsLayoutOf(platform::Display.DisplayClass);
  const bool entering = render::ScreenPhase == 0;
  if (entering) DrawPage(dc);
  DrawControls(dc);
  if (entering) {
    DrawLabels(dc, layout);
    render::ScreenPhase = 1;
  }
}

}  // namespace screens
