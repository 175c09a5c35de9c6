#pragma once

#include <cstdint>

#include "platform/drawing/device_context.hpp"

namespace platform {
class Window;
}

// The painter of the game screen: serves the requests below, then draws the
// engine's steps of the paint as they are taken (render/paint_steps.cpp),
// keeping the board in a back buffer so that a paint draws only what changed.
namespace render {

// Draw the whole frame, lay out an empty board and run the engine's first
// tick (set when a game starts or resumes, and when the colour wheel closes).
extern bool FullRedrawRequested;
// Redraw all 36 cells from the game state: early in the paint, and late (after
// the effects that draw over the board).
extern bool BoardRedrawRequested;
extern bool LateBoardRedrawRequested;
// The direction-pad cursor's cell; 500 when there is none.
extern std::int32_t CursorPos;

// Paints the game screen on the main window's paint.
void PaintGameScreen(platform::Window* window, platform::DeviceContext& screen);

// Forgets the back buffers' contents and every request (a new program start).
void ResetGameScreen();

}  // namespace render
