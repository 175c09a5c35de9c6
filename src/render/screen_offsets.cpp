#include "render/screen_offsets.hpp"

namespace render {

int ScreenOffsetY = 0;

}  // namespace render
