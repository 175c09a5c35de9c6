#pragma once

#include "platform/drawing/device_context.hpp"

// The panels around the board, drawn straight to the screen at canvas
// positions shifted up by the current layout's ViewShiftY.
namespace render {

// The nine coins of the bonus word over the strip background saved by the last
// full redraw.
void DrawLetterStrip(platform::DeviceContext& screen);
// The "next:" pill of the current paint colour 1..7 (nothing for others).
void DrawNextColour(platform::DeviceContext& screen);
// The level tile x1..x9 at the foot of the reserve column.
void DrawLevelTile(platform::DeviceContext& screen);
// The score box and, in PANIC, the clock, with their current values.
void DrawScoreBox(platform::DeviceContext& screen);
void DrawPanicClock(platform::DeviceContext& screen);
void DrawGauge(platform::DeviceContext& screen);
// The gauge as last drawn, from its back buffer.
void ShowGauge(platform::DeviceContext& screen);
// The score box and, in PANIC, the clock.
void DrawScoreAndClock(platform::DeviceContext& screen);

}  // namespace render
