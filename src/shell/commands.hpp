#pragma once

#include "platform/messages.hpp"

namespace platform {
class Window;
}

// Commands from the child controls of the main window: the name entry's OK and
// Cancel buttons (and Enter and Escape in its name field).
namespace shell {

// Nonzero tells the caller to pass the command on to the default handling too.
platform::LResult OnCommand(platform::Window* window, unsigned message, platform::WParam wParam,
                            platform::LParam lParam);

// The desktop window is being closed while the name entry is on show: the typed
// name goes in as OK would take it (nothing when the field is empty), so the new
// score is not lost.
void FinishNameEntryOnClose(platform::Window* window);

}  // namespace shell
