#pragma once

#include "platform/window/display_profile.hpp"

#include "engine/screen_items.hpp"

// The layout the game screen's frame was last laid out for. Positions come
// from the engine's table of the screen's items (engine/screen_items.hpp).
namespace render {

// The display class of the last full redraw or new layout.
extern platform::ScreenClass LayoutClass;

engine::GameLayout CurrentLayout();
// Where that layout shows an item, and a cell.
platform::Rect Placed(engine::Item item);
platform::Rect PlacedCell(int cell);

}  // namespace render
