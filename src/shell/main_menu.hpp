#pragma once

#include <cstdint>

#include "platform/drawing/device_context.hpp"
#include "platform/window/display_profile.hpp"

namespace platform {
class Window;
}

// The main menu: one picture per screen shape, and the direction-pad marker.
namespace shell {

// The menu's layout offsets on a display class: added to x, taken from y.
struct MenuOffsets {
  int x;
  int y;
};
MenuOffsets MainMenuOffsets(platform::ScreenClass displayClass);

// Paints the menu. Its first paint after every entry (ScreenPhase 0) first
// wipes the previous game, drops a kept one and applies the settings; every
// paint, that one included, draws the whole menu.
void PaintMainMenu(platform::DeviceContext& dc);

// The logical square (left, top, right, bottom; right and bottom outside) the
// direction-pad marker of entry 1..7 covers on a display class; false for any
// other entry.
bool MenuMarkerSquare(std::int32_t entry, platform::ScreenClass displayClass,
                      platform::Rect& square);
// Invalidates exactly where the marker of an entry is drawn.
void InvalidateMenuMarker(platform::Window* window, std::int32_t entry);

}  // namespace shell
