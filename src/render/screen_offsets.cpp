#include "render/screen_offsets.hpp"

namespace render {

int ScreenOffsetX = 0;
int ScreenOffsetY = 0;

}  // namespace render
