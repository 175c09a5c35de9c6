#pragma once

namespace platform {
class Window;
}

namespace engine {

// One tick of the game timer (and the first call, from the game screen's full
// redraw, which starts the game and its timer).
void GameTick(platform::Window* window);

// The engine's part of a full redraw of the game screen, once its frame is
// drawn: the "next:" colour is rolled (a resumed game keeps its own), then in
// HEAT the hot pipes are drawn, then the tick runs. Draws come in that order.
// The painter then draws the new colour, the pipes and the board: their
// requests, and the resumed game's mark, are cleared.
void FullRedrawTick(platform::Window* window);

// The 6-tick reserve gauge step.
void ReserveStep(platform::Window* window);

// One second of the PANIC clock: each paint that serves the score box's
// request applies it first.
void PanicSecond();

// The screens above the engine take over when the game-over show is done. The
// handler is called with the finished game's mode and the screen to show: 3 for
// the name entry when the score beats the mode's fifth place, 2 for the
// hi-score table, or -1 when the mode has no table.
using GameOverHandler = void (*)(int gameMode, int nextScreen);
void SetGameOverHandler(GameOverHandler handler);

}  // namespace engine
