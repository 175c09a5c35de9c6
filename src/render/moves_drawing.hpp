#pragma once

#include "engine/paint_advance.hpp"

// The falls and drops of a paint, each drawing what its step did.
namespace render {

void DrawFall(const engine::FallFrame& fall);
void DrawDrop(const engine::DropFrame& drop);

}  // namespace render
