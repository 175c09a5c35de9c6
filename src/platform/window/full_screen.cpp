#include "platform/window/full_screen.hpp"

namespace platform {

// Nothing to prepare: there is no device shell to register with.
void ShellStartUp() {}

// The window already covers the emulated screen, which is the whole device; the
// input panel's part is played by the desktop keyboard, switched on and off with
// the edit field's focus.
void SetFullScreen(Window*, unsigned) {}

}  // namespace platform
