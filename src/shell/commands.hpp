#pragma once

#include "platform/window/messages.hpp"

namespace platform {
class Window;
}

// Commands from the child controls of the main window: the name entry's OK and
// Cancel buttons (and Enter in its name field, which is OK).
namespace shell {

// Nonzero tells the caller to pass the command on to the default handling too.
platform::LResult OnCommand(platform::Window* window, unsigned message, platform::WParam wParam,
                            platform::LParam lParam);

// The desktop window is being closed while the name entry is on show: the typed
// name goes in as OK would take it, so the new score is not lost; an empty field
// ends the entry as Cancel does. Elsewhere nothing happens.
void FinishNameEntryOnClose(platform::Window* window);

// A tap on the name entry (logical pixels): its panel's close box ends the
// entry as the desktop's close does.
void NameEntryTap(platform::Window* window, int x, int y);

}  // namespace shell
