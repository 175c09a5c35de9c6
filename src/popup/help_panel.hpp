#pragma once

#include <cstdint>

#include "platform/drawing/device_context.hpp"

namespace platform {
class Window;
}

// The help panel: a mode's page of slides, shown one after another.
namespace popup {

// The help panel's slide timer on the popup window.
constexpr unsigned HelpTimerId = 1324;
constexpr unsigned HelpSlideMs = 10000;

// The help panel's demonstration area, cleared by every page, and its check box.
constexpr int DemoLeft = 10, DemoTop = 28, DemoRight = 230, DemoBottom = 206;

void PaintHelpPanel(platform::Window* popup, platform::DeviceContext& dc);

// The last slide of the page of PendingMode, where the slide show stops.
std::uint32_t LastHelpSlide();
// The slide on show invites a tap to replay (the show has run its course).
bool HelpDemoEnded();
// One tick of the slide timer: on to the next slide, none past the last.
void AdvanceHelpDemo();

}  // namespace popup
