#pragma once

#include "platform/drawing/device_context.hpp"

// The bonus cell's blinking marker and the extra points label over a taken one.
namespace render {

void DrawBonusCellMarker(bool restart);
// The extra points label over a taken bonus cell, for the next 20 paints
// (drawn on the screen after the board).
void StartExtraLabel(int cell);
void DrawExtraLabel(platform::DeviceContext& screen);

}  // namespace render
