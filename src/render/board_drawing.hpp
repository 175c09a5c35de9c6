#pragma once

// The board and the panels around it, drawn from the game state. Board items
// go into the board back buffer (copied to the screen at the end of every
// paint); panel items go straight to the screen, at canvas positions shifted
// up by the current layout's ViewShiftY.
namespace render {

// Forgets the painters' own counters (gauge blink, marker blink, label countdown).
void ResetBoardDrawing();

}  // namespace render
