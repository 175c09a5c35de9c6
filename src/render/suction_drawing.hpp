#pragma once

#include "engine/paint_advance.hpp"

// The suction of a paint, drawing what its steps did.
namespace render {

// One sucked line with its pipe; the pipes of a side (engine::side codes) not
// sucked (bit n of `sucked` for its pipe n) whose heat changed their tint.
void DrawSuctionLine(const engine::SuctionFrame& frame);
void DrawPipesAtRest(int side, unsigned sucked);

}  // namespace render
