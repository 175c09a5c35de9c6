#pragma once

#include <cstdint>

#include "platform/drawing/device_context.hpp"

namespace popup {
// Draws one slide of the help page of a mode (2..5) into the cleared area; a
// slide past the last draws the last.
void PaintModePage(platform::DeviceContext& dc, std::uint32_t mode, std::uint32_t slide);
}  // namespace popup
