#pragma once

#include <cstdint>
#include <string_view>

#include "platform/drawing/device_context.hpp"
#include "render/bitmap_catalogue.hpp"

namespace platform {
class Window;
}

// What the popup's panels share: their OK button, their inks and their
// drawing steps, all in the popup's logical coordinates.
namespace popup {

// The OK button every panel places on the popup.
constexpr int OkButtonId = 58632;

// The panels' OK button at a logical rectangle (scaled by the screen's dpi
// except on the 320x320 class, as the popup itself is).
void CreateOkButton(platform::Window* popup, int x, int y, int width, int height);

// Text colours of the panels.
struct Ink {
  int red, green, blue;
};
constexpr Ink Black{0, 0, 0};
constexpr Ink Red{255, 0, 0};
constexpr Ink Blue{0, 0, 255};

// Text in a logical rectangle, transparent and word-wrapped, in a catalogue font.
void DrawPanelText(platform::DeviceContext& dc, render::FontSlot font, std::u16string_view text,
                   Ink ink, int left, int top, int right, int bottom, unsigned format = 0);
// A catalogue picture at a logical point at its own size, keyed as the
// catalogue says; and any picture with an explicit key (balls, pipes, coins).
void DrawPanelPicture(platform::DeviceContext& dc, int entry, int x, int y);
void DrawPanelBitmap(platform::DeviceContext& dc, const platform::Bitmap* picture, int x, int y,
                     std::int32_t key);
// The colour wheel picture, which exists at one size only, stretched to the
// screen's dpi at a logical point.
void DrawColourWheel(platform::DeviceContext& dc, int x, int y);

}  // namespace popup
