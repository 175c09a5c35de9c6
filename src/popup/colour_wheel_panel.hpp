#pragma once

#include "platform/drawing/device_context.hpp"

namespace platform {
class Window;
}

namespace popup {
void PaintColourWheelPanel(platform::Window* popup, platform::DeviceContext& dc);
}  // namespace popup
