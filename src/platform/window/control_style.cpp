#include "platform/window/control_style.hpp"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/backend/backend.hpp"
#include "platform/resources/resources.hpp"
#include "platform/window/window_system.hpp"

namespace platform::style {

int Unit() {
  return std::max(1, ScreenDpiY() / 96);
}

const Font& WidgetFont(int cellHeight, int weight) {
  // Made on first use and kept: opening a face at a new size is slow, and the
  // widgets ask for the same two or three again and again.
  // A face that failed stays empty and is not tried again.
  struct Made {
    int cellHeight;
    int weight;
    Font font;
  };
  static std::vector<std::unique_ptr<Made>> made;
  for (const auto& m : made) {
    if (m->cellHeight == cellHeight && m->weight == weight) return m->font;
  }
  made.push_back(
      std::make_unique<Made>(Made{cellHeight, weight, LoadFontResource(cellHeight, weight)}));
  return made.back()->font;
}

}  // namespace platform::style
