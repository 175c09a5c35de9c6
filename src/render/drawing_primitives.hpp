#pragma once

#include <string_view>

#include "platform/drawing/bitmap.hpp"
#include "platform/drawing/colour.hpp"
#include "platform/drawing/device_context.hpp"
#include "platform/drawing/font.hpp"

namespace render {

using platform::Bitmap;
using platform::DeviceContext;

// The pictures and fonts the primitives draw with; the catalogue fills these
// when it loads and empties them when it is released. A null entry draws nothing.
struct PrimitiveResources {
  const platform::Font* font15Bold = nullptr;
  const platform::Font* font15Heavy = nullptr;
  const Bitmap* panelTitleBar = nullptr;
  const Bitmap* panelLeft = nullptr;
  const Bitmap* panelRight = nullptr;
  const Bitmap* panelBottom = nullptr;
  const Bitmap* sliderSpeaker = nullptr;
  const Bitmap* sliderLoud = nullptr;
  const Bitmap* sliderMedium = nullptr;
  const Bitmap* sliderQuiet = nullptr;
  const Bitmap* sliderTrack = nullptr;
  const Bitmap* sliderKnob = nullptr;
};
extern PrimitiveResources Primitives;

void FillRectRGB(DeviceContext& dc, int red, int green, int blue, int left, int top, int right,
                 int bottom);
void DrawRoundButton(DeviceContext& dc, std::u16string_view text, int x, int y, int width,
                     int height, int cornerWidth, int cornerHeight, int fillRed, int fillGreen,
                     int fillBlue, int textRed, int textGreen, int textBlue);
void DrawRoundBox(DeviceContext& dc, int penWidth, int x, int y, int width, int height,
                  int cornerWidth, int cornerHeight, int penRed, int penGreen, int penBlue,
                  int fillRed, int fillGreen, int fillBlue);
void BlitScaled(DeviceContext& dest, const Bitmap& source, int sourceX, int sourceY, int destX,
                int destY, int width, int height);
void DrawBitmap(DeviceContext& dc, const Bitmap* bitmap, int width, int height, int x, int y);
void StretchBitmap(DeviceContext& dc, const Bitmap* bitmap, int sourceWidth, int sourceHeight,
                   int x, int y, int destWidth, int destHeight);
void DrawBitmapKeyed(DeviceContext& dc, const Bitmap* bitmap, int width, int height, int x, int y,
                     int keyRed, int keyGreen, int keyBlue);
void DrawTextRect(DeviceContext& dc, std::u16string_view text, int textRed, int textGreen,
                  int textBlue, int backRed, int backGreen, int backBlue, int left, int top,
                  int right, int bottom, int transparent, unsigned format);
void DrawNumberRect(DeviceContext& dc, int number, int textRed, int textGreen, int textBlue,
                    int backRed, int backGreen, int backBlue, int left, int top, int right,
                    int bottom, int transparent, unsigned format);
void DrawLineRGB(DeviceContext& dc, int red, int green, int blue, int x1, int y1, int x2, int y2);
// The frame of a popup panel of panelHeight device pixels (the popup's height, or
// the panel's when one is drawn on the main window).
void DrawPanelFrame(DeviceContext& dc, std::u16string_view title, int red, int green, int blue,
                    int panelHeight);
// The settings' volume slider: the speaker, the loudness picture for the
// level and the track with its knob, each at its place.
struct SliderPlace {
  platform::Rect speaker, loudness, track;
};
void DrawVolumeSlider(DeviceContext& dc, int level, const SliderPlace& at);

// The board's cell geometry: top-left corner of a cell relative to the board.
// An index outside the grid leaves the point as it was.
void CellOrigin(int cellIndex, platform::Point& point);

}  // namespace render
