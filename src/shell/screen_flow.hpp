#pragma once

#include <cstdint>

namespace platform {
class Window;
}

// Moves between screens.
namespace shell {

// The game mode (1..5) whose table the hi-score table screen shows.
extern std::uint32_t HiScoreTab;

// Starts a game of mode 1..5 on the game screen; other values do nothing.
// The game screen's first paint starts the engine.
void StartGame(platform::Window* window, int mode);

// Puts the kept game back on screen at start-up: its first tick continues it
// instead of dealing a new board.
void ResumeKeptGame();

// The engine's end of a game, once its show is over: the name entry or the
// table of the finished game's mode.
void OnGameOver(int gameMode, int nextScreen);

void ResetScreenFlow();

}  // namespace shell
