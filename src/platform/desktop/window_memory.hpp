#pragma once

#include <string>

#include "platform/desktop/desktop.hpp"

namespace platform {

// How the player left the desktop window, kept for the next start in a small
// text file of its own beside the records (never one of them).
struct RememberedWindow {
  int screenWidth = 0;  // the emulated screen the size was chosen for
  int screenHeight = 0;
  int width = 0;  // the window's size in points, out of full screen
  int height = 0;
  bool fullscreen = false;
};

// "desktop-window.txt" in the records' folder; empty when there is no such folder.
std::string RememberedWindowPath();
// False, with `window` untouched, when the file is missing, damaged, too big or
// not a plain file: the window then opens as it would the first time.
bool ReadRememberedWindow(const std::string& path, RememberedWindow& window);
// Replaces the file whole, so a crash part way leaves the old one.
bool WriteRememberedWindow(const std::string& path, const RememberedWindow& window);

// The window to open: the command line first, then what was remembered, then
// the largest whole zoom that fits the desktop's usable area.
struct WindowPlan {
  int width = 0;  // points
  int height = 0;
  bool fullscreen = false;
};
WindowPlan PlanWindow(const DesktopOptions& options, const RememberedWindow& remembered,
                      int usableWidth, int usableHeight);

}  // namespace platform
