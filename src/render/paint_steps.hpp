#pragma once

#include "platform/drawing/device_context.hpp"

namespace render {

// The game's steps of one paint (engine::AdvancePaint), each drawn as it is
// taken; a requested board redraw follows the level-up's banner.
// `panelsRedrawn`: the whole frame was drawn earlier in this paint.
void PaintSteps(platform::DeviceContext& screen, bool panelsRedrawn);

}  // namespace render
