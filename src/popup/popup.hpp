#pragma once

#include <cstdint>

namespace platform {
class Window;
}

// The one popup window over the main window, and the panel it shows.
namespace popup {

namespace kind {
constexpr std::int32_t None = 0;
constexpr std::int32_t About = 1;
constexpr std::int32_t ExportCode = 2;
constexpr std::int32_t ColourWheel = 3;
constexpr std::int32_t Help = 12;
}  // namespace kind

extern std::int32_t PopupKind;
extern std::uint32_t PopupStep;
extern platform::Window* PopupWindow;
// The popup's height in device pixels, for the panel frame.
extern std::int32_t PopupHeight;
// The game mode the help panel precedes and explains.
extern std::uint32_t PendingMode;
// Set when the help panel was closed with its OK button: the next start skips it.
extern std::uint8_t HelpShown;
// The help demonstration's current slide.
extern std::uint32_t HelpDemoStep;

// Opens the panel of a kind at its rectangle for the display class. Returns
// false, with PopupKind left at 0, when a popup is already open or the window
// cannot be made.
bool OpenPopup(std::int32_t kind);

// The help panel's OK starts the game of PendingMode through the shell, which
// sits above this layer and installs the call.
using StartGameHandler = void (*)(platform::Window* mainWindow, std::uint32_t mode);
void SetStartGameHandler(StartGameHandler handler);

// Closes any popup without its closing effects and forgets every value above.
void ResetPopup();

}  // namespace popup
