#pragma once

namespace render {

// How far down the screen being shown sits, set by its painter; the volume
// slider is drawn by it.
extern int ScreenOffsetY;

}  // namespace render
