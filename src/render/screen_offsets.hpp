#pragma once

namespace render {

// The logical layout offsets of the screen being shown, set by its painter's
// entry step; on the game screen they are the board origin.
extern int ScreenOffsetX;
extern int ScreenOffsetY;

}  // namespace render
