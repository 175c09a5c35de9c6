#include "render/game_layout.hpp"

namespace render {

GameLayout CurrentLayout = GameLayoutOf(1);

GameLayout GameLayoutOf(std::uint32_t displayClass) {
  switch (displayClass) {
    case 2:
    case 4:
      return {320, 320, 31, 0, 31, 31, 302, 1};
    case 5:
    case 6:
      return {240, 320, 0, 0, 0, 31, 217, 13};
    case 7:
      return {320, 320, 31, 31, 31, 0, 302, 1};
    default:
      return {240, 320, 0, 31, 0, 0, 217, 13};
  }
}

}  // namespace render
