#pragma once

namespace engine {

// Every 100 ticks: find the resting lines at the idle pipes, then settle the
// competing lines, pay the kept ones and hand them to their pipes.
void DetectGroups();
void ResolveGroups();

// HEAT: choose the hot pipes anew (not during the game-over show).
void DrawHotPipes();

// The suction rules, applied on the paints: one ball of pipe p's run arrives
// in the pipe; a frame of a sucking pipe p passes; a pipe's run is finished.
void SwallowBall(int p);
void CoolPipes(int p);
void EndSuction();

// 1 for heat 0..2, 2 for 3..5, 3 for 6..9, 4 for 10 and above.
int HeatClass(int heat);

// Asks for the pipe sound of pipe p, with its heat class and board side.
void PlayPipeSound(int p);

}  // namespace engine
