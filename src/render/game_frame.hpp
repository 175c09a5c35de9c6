#pragma once

#include "platform/drawing/device_context.hpp"

namespace platform {
class Window;
}

// The frame around the board: panels, reserve column, buttons, letters, the
// "next:" pill, the level tile, the score and the PANIC clock.
namespace render {

// Takes the layout of the current display class: CurrentLayout, the screen
// offsets, the icon bar and the engine's tick layout.
void SetGameLayout();

// The frame and an empty board, leaving the game alone (for a screen that
// changed its class in the middle of a game).
void DrawWholeFrame(platform::DeviceContext& screen);

// Draws the whole frame, lays out an empty board (pipes, cells, corners),
// starts or resumes the game with the engine's full-redraw tick and asks for
// the balls to be drawn.
void FullRedraw(platform::Window* window, platform::DeviceContext& screen);

// Draws the frame again over whatever covered it, with the values of the game
// as it stands; leaves the board and the game alone.
void RefreshFrame(platform::DeviceContext& screen);

}  // namespace render
