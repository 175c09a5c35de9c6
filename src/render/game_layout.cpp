#include "render/game_layout.hpp"

namespace render {

GameLayout CurrentLayout = GameLayoutOf(platform::ScreenClass::Tall);

GameLayout GameLayoutOf(platform::ScreenClass displayClass) {
  if (platform::IsWide(displayClass)) return {320, 320, 31, 0, 31, 31, 302, 1};
  if (platform::IsSquare(displayClass)) return {240, 320, 0, 0, 0, 31, 217, 13};
  if (platform::IsLarge(displayClass)) return {320, 320, 31, 31, 31, 0, 302, 1};
  return {240, 320, 0, 31, 0, 0, 217, 13};
}

}  // namespace render
