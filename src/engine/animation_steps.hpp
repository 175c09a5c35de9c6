#pragma once

namespace engine {

// One game-screen paint of each move under way (taken by AdvancePaint). They
// advance the state and apply the completion rules at the right moment.
// `step` is the settings' pixels per paint (BallStep for drops and suction,
// FallStep for falls).

// The new ball of column k: asks for the drop sound as it passes position 28,
// then lands when it has travelled 48 pixels. Returns true when it landed.
bool StepDrop(int k, int step);

// The ball of fall slot 1..36: lands after 30 pixels. Returns true when it landed.
bool StepFall(int slot, int step);

// The paint splash of cell c: 1, 3, 5, 7, 9, then the paint takes. Returns the
// splash frame to draw (the PaintStep before the advance), or 0 when none runs.
int StepSplash(int c);

// One paint of pipe p's suction: the leading ball moves by step, the pipe sound
// plays at 15, 12 or 10 pixels before the pipe, and at 0 the ball is swallowed.
struct SuctionFrameResult {
  bool Swallowed;  // a ball went in (and the letters slid)
};
SuctionFrameResult StepSuction(int p, int step);

}  // namespace engine
