#pragma once

#include "engine/paint_advance.hpp"

// The splash of a paint, drawing what its step did.
namespace render {

void DrawSplash(const engine::SplashFrame& splash);

}  // namespace render
