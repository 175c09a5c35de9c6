#pragma once

namespace engine {

// A ball swallowed from cell c: its letter pays and fills the bonus word.
void CollectLetter(int c);

// The word's blink after completion, one step per 6 ticks.
void WordBlink();
// For the game screen: the blink has run its course (step 24 or past it). Clears
// it, so letters fill the word again, and says whether it did.
bool EndWordBlinkIfOver();

// Every 100 ticks: choose, count down and remove the bonus cell.
void BonusCellTimer();
// After each kept group: pays for every run covering the bonus cell.
void CheckBonusCell();

}  // namespace engine
