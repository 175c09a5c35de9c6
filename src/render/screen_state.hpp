#pragma once

#include <cstdint>

// Which screen the main window shows, and the request flags the screens share.
// The shell changes them; the painters read and clear them. They sit here, with
// the painters, because the painters are below the shell.
namespace render {

namespace screen {
constexpr std::uint32_t MainMenu = 0;
constexpr std::uint32_t Game = 1;
constexpr std::uint32_t HiScoreTable = 2;
constexpr std::uint32_t NewHiScore = 3;
constexpr std::uint32_t Settings = 10;
}  // namespace screen

extern std::uint32_t ScreenState;
// 0 makes the next paint of the screen perform its entry step.
extern std::uint32_t ScreenPhase;

// Set after a confirmation box was answered No and on re-activation: the game
// screen refreshes its frame (never a full redraw).
extern std::uint32_t RepaintAll;
// Set when the game screen's sound icon was tapped.
extern std::uint32_t SoundIconChanged;
// 1 while a running game waits for the desktop to give the window back: the
// game screen says so (nothing stored; gone with the next paint after return).
extern std::uint32_t PausedNoticeShown;

// The game mode (1..5) whose table the hi-score screens show and into which a
// new name goes; kept between visits.
extern std::uint32_t HiScoreTab;
// The settings screen's OK button is held down (1) or not (0); the menu and the
// hi-score table clear it when they hand over.
extern std::uint32_t ButtonPressed;

// Puts every value above back to its start-up value.
void ResetScreenState();

}  // namespace render
