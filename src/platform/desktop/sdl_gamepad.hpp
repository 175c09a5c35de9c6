#pragma once

#include <SDL.h>

// SDL's game controllers as the game's direction pad: opened as they are
// plugged in (those plugged in at the start come as plugged in too), closed
// as they go.
namespace platform {

// True when the event was a controller's, and was handled.
bool HandleControllerEvent(const SDL_Event& event);
// Every controller still open is closed (the back end stops).
void CloseControllers();

}  // namespace platform
