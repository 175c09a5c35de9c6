#pragma once

// The application icon a desktop shows in its menus and task bar: the window
// icon's drawing at each size of the hicolor theme, with see-through corners.

#include <string>

namespace art {

// Writes <dir>/<N>.png for every size the desktop looks for; false on failure.
bool WriteDesktopIcons(const std::string& dir);

}  // namespace art
