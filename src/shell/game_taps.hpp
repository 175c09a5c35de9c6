#pragma once

namespace platform {
class Window;
}

// The stylus on the main window. Coordinates come in device pixels.
namespace shell {

// The second press of a double-click is told, so that it cannot act on a
// screen its first press brought up.
void OnStylusDown(platform::Window* window, int x, int y, bool secondOfDoubleClick = false);
// The exit question, as the game's exit icon asks it.
void AskToExit(platform::Window* window);
// Moves and releases matter only to the settings screen.
void OnStylusMove(platform::Window* window, int x, int y);
void OnStylusUp(platform::Window* window, int x, int y);

// The two questions of the game screen.
inline constexpr char16_t ExitQuestion[] =
    u"Do you want to exit the game but be able to continue another time?";
inline constexpr char16_t AbandonQuestion[] =
    u"Do you want to abandon this game and go back to the main menu?";

}  // namespace shell
