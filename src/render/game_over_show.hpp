#pragma once

#include "engine/paint_advance.hpp"

// One frame of the game-over show.
namespace render {

void DrawGameOverShow(const engine::GameOverFrameResult& frame);

}  // namespace render
