#pragma once

#include <cstdint>

#include "platform/drawing/device_context.hpp"

namespace popup {
// Draws one slide of the EASY help page into the cleared area; a slide past
// the last draws the last.
void PaintEasyPage(platform::DeviceContext& dc, std::uint32_t slide);
}  // namespace popup
