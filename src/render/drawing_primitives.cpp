#include "render/drawing_primitives.hpp"

#include <cstdio>

#include "platform/drawing/software_drawing.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"

namespace render {

PrimitiveResources Primitives;

namespace {

using platform::DoublingRule;
using platform::Rgb;
using platform::ScaleRuleX;
using platform::ScaleRuleY;

bool ClassSeven() {
  return platform::IsLarge(platform::Display.DisplayClass);
}
bool Vga() {
  return platform::IsVga(platform::Display.DisplayClass);
}

// The text number buffer of the renderer: valid until the next number is drawn.
char16_t numberText[16];

}  // namespace

void FillRectRGB(DeviceContext& dc, int red, int green, int blue, int left, int top, int right,
                 int bottom) {
  platform::FillRect(dc,
                     platform::Rect{DoublingRule(left), DoublingRule(top), DoublingRule(right),
                                    DoublingRule(bottom)},
                     Rgb(red, green, blue));
}

void DrawRoundButton(DeviceContext& dc, std::u16string_view text, int x, int y, int width,
                     int height, int cornerWidth, int cornerHeight, int fillRed, int fillGreen,
                     int fillBlue, int textRed, int textGreen, int textBlue) {
  const DeviceContext saved = dc;
  platform::Rect box{x, y, x + width, y + height};
  int ellipseWidth = cornerWidth;
  int ellipseHeight = cornerHeight;
  int pen = 2;
  if (!ClassSeven()) {
    box =
        platform::Rect{ScaleRuleX(x), ScaleRuleY(y), ScaleRuleX(x + width), ScaleRuleY(y + height)};
    ellipseWidth = ScaleRuleX(cornerWidth);
    ellipseHeight = ScaleRuleY(cornerHeight);
    pen = static_cast<int>(2 * platform::Display.ScaleX);
  }
  dc.pen = platform::Pen{platform::Pen::Style::Solid, pen, Rgb(0, 0, 0)};
  dc.brush = platform::Brush{false, Rgb(fillRed, fillGreen, fillBlue)};
  platform::DrawRoundRect(dc, box.left, box.top, box.right, box.bottom, ellipseWidth,
                          ellipseHeight);
  dc.font = Primitives.font15Bold;
  dc.textColour = Rgb(textRed, textGreen, textBlue);
  dc.backgroundMode = platform::BackgroundMode::Transparent;
  platform::DrawText(dc, text, box,
                     platform::text_format::Centre | platform::text_format::VerticalCentre |
                         platform::text_format::WordBreak);
  dc = saved;
}

void DrawRoundBox(DeviceContext& dc, int penWidth, int x, int y, int width, int height,
                  int cornerWidth, int cornerHeight, int penRed, int penGreen, int penBlue,
                  int fillRed, int fillGreen, int fillBlue) {
  const DeviceContext saved = dc;
  dc.pen = platform::Pen{platform::Pen::Style::Solid,
                         static_cast<int>(penWidth * platform::Display.ScaleX),
                         Rgb(penRed, penGreen, penBlue)};
  dc.brush = platform::Brush{false, Rgb(fillRed, fillGreen, fillBlue)};
  platform::DrawRoundRect(dc, x, y, x + width, y + height, cornerWidth, cornerHeight);
  dc = saved;
}

void BlitScaled(DeviceContext& dest, const Bitmap& source, int sourceX, int sourceY, int destX,
                int destY, int width, int height) {
  // Back buffers are kept at device resolution, so their coordinates scale too.
  if (!ClassSeven()) {
    sourceX = ScaleRuleX(sourceX);
    sourceY = ScaleRuleY(sourceY);
    destX = ScaleRuleX(destX);
    destY = ScaleRuleY(destY);
    width = ScaleRuleX(width);
    height = ScaleRuleY(height);
  }
  platform::CopyBits(dest, destX, destY, width, height, source, sourceX, sourceY);
}

void DrawBitmap(DeviceContext& dc, const Bitmap* bitmap, int width, int height, int x, int y) {
  if (!bitmap) return;
  platform::CopyBits(dc, DoublingRule(x), DoublingRule(y), DoublingRule(width),
                     DoublingRule(height), *bitmap, 0, 0);
}

void StretchBitmap(DeviceContext& dc, const Bitmap* bitmap, int sourceWidth, int sourceHeight,
                   int x, int y, int destWidth, int destHeight) {
  if (!bitmap) return;
  platform::StretchBits(dc, DoublingRule(x), DoublingRule(y), destWidth, destHeight, *bitmap, 0, 0,
                        sourceWidth, sourceHeight);
}

void DrawBitmapKeyed(DeviceContext& dc, const Bitmap* bitmap, int width, int height, int x, int y,
                     int keyRed, int keyGreen, int keyBlue) {
  if (!bitmap) return;
  platform::CopyBitsKeyed(dc, DoublingRule(x), DoublingRule(y), width, height, *bitmap, 0, 0, width,
                          height, Rgb(keyRed, keyGreen, keyBlue));
}

void DrawTextRect(DeviceContext& dc, std::u16string_view text, int textRed, int textGreen,
                  int textBlue, int backRed, int backGreen, int backBlue, int left, int top,
                  int right, int bottom, int transparent, unsigned format) {
  dc.textColour = Rgb(textRed, textGreen, textBlue);
  dc.backgroundMode =
      transparent ? platform::BackgroundMode::Transparent : platform::BackgroundMode::Opaque;
  dc.backgroundColour = Rgb(backRed, backGreen, backBlue);
  platform::DrawText(dc, text,
                     platform::Rect{DoublingRule(left), DoublingRule(top), DoublingRule(right),
                                    DoublingRule(bottom)},
                     format | platform::text_format::WordBreak);
}

void DrawNumberRect(DeviceContext& dc, int number, int textRed, int textGreen, int textBlue,
                    int backRed, int backGreen, int backBlue, int left, int top, int right,
                    int bottom, int transparent, unsigned format) {
  char digits[16];
  const int length = std::snprintf(digits, sizeof digits, "%d", number);
  for (int i = 0; i <= length; ++i) numberText[i] = static_cast<char16_t>(digits[i]);
  DrawTextRect(dc, numberText, textRed, textGreen, textBlue, backRed, backGreen, backBlue, left,
               top, right, bottom, transparent, format);
}

void DrawLineRGB(DeviceContext& dc, int red, int green, int blue, int x1, int y1, int x2, int y2) {
  const DeviceContext saved = dc;
  // The square screen draws with a one-pixel pen of the colour, like the small screens.
  dc.pen = platform::Pen{platform::Pen::Style::Solid, Vga() ? 2 : 1, Rgb(red, green, blue)};
  const platform::Point points[] = {{DoublingRule(x1), DoublingRule(y1)},
                                    {DoublingRule(x2), DoublingRule(y2)}};
  platform::DrawPolyline(dc, points);
  dc = saved;
}

void DrawPanelFrame(DeviceContext& dc, std::u16string_view title, int red, int green, int blue,
                    int panelHeight) {
  if (!dc.surface) return;
  const int strips = panelHeight / 30;
  FillRectRGB(dc, red, green, blue, 0, 0, 240, 320);
  DrawBitmap(dc, Primitives.panelTitleBar, 240, 26, 0, 0);
  if (!Vga()) {
    for (int i = 0; i < strips; ++i) {
      DrawBitmap(dc, Primitives.panelLeft, 4, 30, 0, 26 + 30 * i);
      DrawBitmap(dc, Primitives.panelRight, 4, 30, 236, 26 + 30 * i);
    }
    DrawBitmap(dc, Primitives.panelBottom, 240, 4, 0, panelHeight - 4);
  } else {
    for (int i = 0; i < strips; ++i) {
      if (Primitives.panelLeft) {
        platform::CopyBits(dc, 0, 52 + 60 * i, 8, 60, *Primitives.panelLeft, 0, 0);
      }
      if (Primitives.panelRight) {
        platform::CopyBits(dc, 472, 52 + 60 * i, 8, 60, *Primitives.panelRight, 0, 0);
      }
    }
    DrawBitmap(dc, Primitives.panelBottom, 240, 4, 0, panelHeight / 2 - 4);
  }
  const DeviceContext saved = dc;
  dc.font = Primitives.font15Heavy;
  const int titleTop = Vga() ? 6 : 7;
  DrawTextRect(dc, title, 255, 255, 255, 0, 0, 0, 0, titleTop, 240, 25, 1,
               platform::text_format::Centre | platform::text_format::SingleLine);
  dc = saved;
}

void DrawVolumeSlider(DeviceContext& dc, int level, const SliderPlace& at) {
  DrawBitmap(dc, Primitives.sliderSpeaker, at.speaker.Width(), at.speaker.Height(), at.speaker.left,
             at.speaker.top);
  const Bitmap* loudness = Primitives.sliderMedium;
  if (level >= 80) {
    loudness = Primitives.sliderLoud;
  } else if (level < 41) {
    loudness = Primitives.sliderQuiet;
  }
  DrawBitmap(dc, loudness, at.loudness.Width(), at.loudness.Height(), at.loudness.left,
             at.loudness.top);

  const bool seven = ClassSeven();
  const int width = at.track.Width();
  const int height = at.track.Height();
  Bitmap slider(seven ? width : ScaleRuleX(width), seven ? height : ScaleRuleY(height));
  DeviceContext composed = platform::MemoryContext(slider);
  if (Primitives.sliderTrack) {
    const Bitmap& track = *Primitives.sliderTrack;
    platform::CopyBits(composed, 0, 0, track.Width(), track.Height(), track, 0, 0);
  }
  if (Primitives.sliderKnob) {
    const Bitmap& knob = *Primitives.sliderKnob;
    platform::CopyBits(composed, seven ? level : ScaleRuleX(level), 0, knob.Width(), knob.Height(),
                       knob, 0, 0);
  }
  BlitScaled(dc, slider, 0, 0, at.track.left, at.track.top, width, height);
}

void CellOrigin(int cellIndex, platform::Point& point) {
  static constexpr int kOffsets[6] = {18, 48, 78, 108, 138, 168};
  if (cellIndex < 0 || cellIndex >= 36) return;
  point.x = kOffsets[cellIndex % 6];
  point.y = kOffsets[cellIndex / 6];
}

}  // namespace render
