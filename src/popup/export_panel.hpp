#pragma once

#include "platform/drawing/device_context.hpp"

namespace platform {
class Window;
}

namespace popup {
// The score export code of the best result of render::HiScoreTab, or what it takes to earn one.
void PaintExportPanel(platform::Window* popup, platform::DeviceContext& dc);
}  // namespace popup
