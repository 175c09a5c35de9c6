#pragma once

// The screens' ways into a game and out of one. A game made ready here is
// taken up by the game screen's next full redraw (FullRedrawTick).
namespace engine {

// A new game of the kept Mode: the redraw deals it.
void ReadyNewGame();
// The kept game: the redraw resumes it with its own colour and hot pipes, and
// HARD and PANIC give it a while before the next drip.
void ReadyKeptGame();
// The game under a closed panel comes back as it was, drawn whole.
void KeepGameAsItIs();
// The menu wipes the last game: an empty board of no mode, ready to start.
void ClearGame();
// A finished game is wiped and parked: no tick runs until the next one starts.
void ParkGame();
// The "next:" pill is drawn again on the next paint.
void RedrawNextColour();

}  // namespace engine
