#pragma once

// The board's cells and pipes, drawn from the game state into the board back
// buffer (copied to the screen at the end of every paint).
namespace render {

// All 36 cells from the game state: empty cell, ball, letter coin.
void RedrawBoard();
// One cell from the game state.
void RedrawCell(int cell);
// All 24 pipes in the tint of their heat (outside HEAT the board buffer is
// cleared black first).
void DrawPipes();

}  // namespace render
