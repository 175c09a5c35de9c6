#pragma once

namespace engine {

// The level-up sequence, one call per game-screen paint while LevelUpPending is
// set and Level is at most 9 (the call checks both).
struct LevelUpFrameResult {
  bool ShowBanner;  // draw the level-up banner on this frame
  bool Finished;    // the sequence ended: redraw the level tile and the board
};
LevelUpFrameResult LevelUpFrame();

// The game-over show, one call per game-screen paint while Phase is 2. The show
// blackens the board on step 0, asks for the game-over sound on step 20, starts
// the run-out on step 70 and ends on step 110.
struct GameOverFrameResult {
  int Step;            // the step this frame performed (0 black board and banner,
                       // 31..105 result box and banner, 60 result box again), or -1
  bool ComposeResult;  // the result box must be composed first (once per show)
  bool ResultShown;    // the result box belongs on the board now
};
GameOverFrameResult GameOverShowFrame();

// One tick of the show's clock. The show keeps its 111 steps and their order,
// but takes one at most every ShowTicksPerStep ticks, so the result stays on
// the board for three seconds at the desktop's pace (a hand-held's slow paints
// once gave it that), whatever the paint rate.
constexpr int ShowTicksPerStep = 4;
void ShowTick();
// A tap or a key during the show: once the result has been up for a second,
// the rest of the show runs at the paint's pace.
void HurryTheShow();

// Gives the six lines of run-out pattern 0..9 to their pipes, full length.
void StartRunOut(int pattern);

}  // namespace engine
