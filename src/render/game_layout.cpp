#include "render/game_layout.hpp"

namespace render {

platform::ScreenClass LayoutClass = platform::ScreenClass::Tall;

engine::GameLayout CurrentLayout() {
  return engine::GameLayoutOf(LayoutClass);
}

platform::Rect Placed(engine::Item item) {
  return engine::ItemOn(item, LayoutClass);
}

platform::Rect PlacedCell(int cell) {
  return engine::CellOn(cell, LayoutClass);
}

}  // namespace render
