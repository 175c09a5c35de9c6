#pragma once

#include <cstdint>

namespace platform {
class Window;
}

// Moves between screens.
namespace shell {

// Starts a game of mode 1..5 on the game screen; other values do nothing.
// The game screen's first paint starts the engine. With help on and not yet
// shown since the menu was entered, the mode's help panel opens instead and
// its OK starts the game. Nothing starts while a popup is open.
void StartGame(platform::Window* window, int mode);
// The help panel's OK: the game it explained (installed in the popup layer).
void StartGameAfterHelp(platform::Window* window, std::uint32_t mode);

// Moves to a screen: its next paint performs its entry step.
void ShowScreen(std::uint32_t state);

// Puts the kept game back on screen at start-up: its first tick continues it
// instead of dealing a new board.
void ResumeKeptGame();

// The engine's end of a game, once its show is over: the name entry or the
// table of the finished game's mode.
void OnGameOver(int gameMode, int nextScreen);

}  // namespace shell
