#pragma once

#include <cstdint>
#include <string_view>

#include "platform/drawing/device_context.hpp"
#include "render/bitmap_catalogue.hpp"

namespace platform {
class Window;
}

// What the popup window and its panels share: the painters it dispatches to,
// the help demonstration's slide rules and a few drawing steps.
namespace popup {

// The OK button every panel places on the popup.
constexpr int OkButtonId = 58632;
// The help panel's slide timer on the popup window.
constexpr unsigned HelpTimerId = 1324;
constexpr unsigned HelpSlideMs = 10000;

// The help panel's demonstration area, cleared by every page, and its check box.
constexpr int DemoLeft = 10, DemoTop = 28, DemoRight = 230, DemoBottom = 206;

void PaintAboutPanel(platform::Window* popup, platform::DeviceContext& dc);
void PaintColourWheelPanel(platform::Window* popup, platform::DeviceContext& dc);
void PaintHelpPanel(platform::Window* popup, platform::DeviceContext& dc);
// The score export code of the best result of render::HiScoreTab, or what it takes to earn one.
void PaintExportPanel(platform::Window* popup, platform::DeviceContext& dc);

// Draws one slide of the help page of a mode (1..5) into the cleared area;
// a slide past the last draws the last.
void PaintEasyPage(platform::DeviceContext& dc, std::uint32_t slide);
void PaintModePage(platform::DeviceContext& dc, std::uint32_t mode, std::uint32_t slide);

// The last slide of the page of PendingMode, where the slide show stops.
std::uint32_t LastHelpSlide();
// The slide on show invites a tap to replay (the show has run its course).
bool HelpDemoEnded();
// One tick of the slide timer: on to the next slide, none past the last.
void AdvanceHelpDemo();

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
