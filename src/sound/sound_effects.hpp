#pragma once

namespace sound {

// Event numbers the game asks for; game code never names a sound.
namespace effect {
constexpr int BallLanded = 1;
constexpr int BallDropping = 2;
constexpr int PipeSuction = 3;
constexpr int PaintRefused = 4;
constexpr int PaintSplash = 5;
constexpr int LevelUp = 6;
constexpr int GameOver = 7;
constexpr int BonusCell = 8;
constexpr int LetterCollected = 12;
constexpr int WordComplete = 13;
}  // namespace effect

// Set by the engine before it asks for the pipe sound: heat class 1..4 of the
// sucking pipe, and its side (1 top, 2 bottom, 3 right, 4 left).
extern int PipeSoundClass;
extern int PipeSoundSide;

void PlaySoundEffect(int event);

// Tests watch which events the game asks for, whether or not a sound plays.
using EventObserver = void (*)(int event);
void SetEventObserver(EventObserver observer);

}  // namespace sound
