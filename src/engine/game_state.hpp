#pragma once

#include <cstdint>

#include "records/game_status_record.hpp"

namespace engine {

// Colour codes of balls and paint.
namespace colour {
constexpr int None = 0;
constexpr int Red = 1;
constexpr int Yellow = 2;
constexpr int Blue = 3;
constexpr int Green = 4;
constexpr int Purple = 5;
constexpr int Orange = 6;
constexpr int Black = 7;
}  // namespace colour

// GameMode codes.
namespace mode {
constexpr int None = 0;
constexpr int Easy = 1;
constexpr int Hard = 2;
constexpr int Panic = 3;
constexpr int Heat = 4;
constexpr int Chroma = 5;
}  // namespace mode

// GamePhase codes.
namespace phase {
constexpr int Start = 0;
constexpr int Playing = 1;
constexpr int GameOver = 2;
constexpr int Parked = 10;  // a finished game, where no tick runs
}  // namespace phase

// The four tick countdowns (GameState::TickCountdown), by the work they time.
namespace countdown {
constexpr int Reserve = 0;      // every 6 ticks: reserve gauge, word blink, drip pot
constexpr int Schedule = 1;     // every 100 ticks: difficulty schedule, bonus cell, score box
constexpr int Groups = 2;       // every 100 ticks: group detection
constexpr int Decorations = 3;  // every 30 ticks: side decorations
constexpr int Count = 4;
}  // namespace countdown

constexpr int CellCount = 36;
constexpr int PipeCount = 24;
constexpr int ColumnCount = 6;
constexpr unsigned GameTimer = 1324;

// A new ball entering the top cell of a supply column from above.
struct BallDrop {
  std::int32_t Active;
  std::int32_t Colour;
  std::int32_t Position;  // logical pixels still to travel, 48 down to 0
};

// A ball moving from its cell into the empty cell below.
struct BallFall {
  std::int32_t Active;
  std::int32_t Source;
  std::int32_t Colour;
  std::int32_t Progress;  // logical pixels still to travel, 30 down to 0
};

// Every field of the game in progress that is not kept between runs; the kept
// fields live in records::GameStatus (see Kept below). Tables that the game
// numbers from 1 (supply columns 1..6, fall slots 1..36, pipes 1..24, letter
// codes 1..7) are indexed by that number; element 0 is unused.
struct GameState {
  std::int32_t Phase;
  std::int32_t TimeOut;
  std::uint8_t RestoreKeptGame;

  std::int32_t TickCountdown[countdown::Count];

  // Ball supply and movement.
  std::int32_t IncomingColour[ColumnCount + 1];
  std::int32_t IncomingLetter[ColumnCount + 1];
  std::uint8_t SupplyReady[ColumnCount + 1];
  std::int32_t SupplyWait[ColumnCount + 1];
  BallDrop DropRecord[ColumnCount + 1];
  BallFall FallRecord[CellCount + 1];

  // Paint and reserve.
  std::int32_t PaintStep[CellCount];
  std::int32_t RefillPending;
  std::int32_t DrainPending;
  std::int32_t PaintCost;
  std::int32_t DripInterval;
  std::int32_t DripCountdown;
  std::int32_t ActivePipeCount;

  // Pipes.
  std::int32_t RunLength[PipeCount + 1];
  std::uint8_t RunHandled[PipeCount + 1];
  std::int32_t LineProgress[PipeCount + 1];  // suction: pixels the leading ball still travels
  std::int32_t TapCredit;
  std::int32_t CoolDelay;

  // Bonus word, bonus cell, level-up, game over.
  std::uint8_t LetterTaken[8];
  std::int32_t WordBlinkStep;
  std::int32_t BonusCell;
  std::int32_t BonusLife;
  std::int32_t BonusWait;
  std::int32_t BonusTakenCell;
  std::uint8_t LevelUpPending;
  std::int32_t LevelUpStep;
  std::int32_t GameOverStep;
  std::int32_t RunOutCounter;
  std::int32_t RunOutPattern;
  // The show's steps are paced by ticks: one may be taken when this is 1. A
  // tap or a key once the result has been read for a while hurries the rest.
  std::int32_t ShowStepDue;
  std::int32_t ShowTicks;
  std::int32_t ShowHurried;
  // Swaps of the hazard sign still to show (set when the reserve runs low).
  std::int32_t HazardBlink;
  std::int32_t HazardSecondPhase;  // the sign shows its second picture next

  // Redraw requests: set here, cleared by the paint that serves them.
  std::int32_t GaugeRedraw;
  std::int32_t ScoreRedraw;        // score box and PANIC clock
  std::int32_t WordRedraw;         // letter strip: 1 = changed, 2 = area invalidated
  std::int32_t SwatchRedraw;       // the "next:" paint colour changed
  std::int32_t DecorationsRedraw;  // side decorations blink
  std::int32_t DripRedraw;         // paint pot of HARD and PANIC
  std::int32_t PipesRedraw;        // HEAT drew new hot pipes
  std::int32_t BonusShow;          // the bonus cell paid: show the extra label
  std::int32_t BonusMarkerRestart;
};

extern GameState Game;

// The kept-game fields of the game: stored in place, so keeping a game is a copy.
inline records::GameStatusRecord& Kept = records::GameStatus;

// Puts every engine field back to its value at program start.
void InitialiseGameState();

// Heat of pipe 1..24 (1..6 top, 7..12 right, 13..18 bottom, 19..24 left).
std::int32_t& PipeHeat(int pipe);
// Hot-pipe flag of pipe 1..24 (HEAT).
inline std::int32_t& PipeActive(int pipe) {
  return Kept.PipeActive[pipe - 1];
}
// Bonus-word position 1..9.
inline std::int32_t& WordSlot(int position) {
  return Kept.WordSlot[position - 1];
}
inline constexpr int WordLength = 9;
// The letter code that fills each position 1..9 of "Fandriass" (element 0 is
// unused). Codes 2 and 7 each serve two positions, which fill in order.
inline constexpr int WordLetterCode[WordLength + 1] = {0, 1, 2, 3, 4, 5, 6, 2, 7, 7};

// A draw below n: 0..n-1 from one value of the game's generator.
int Draw(int n);

// Counters that rewards keep raising stop at the largest value instead of wrapping.
void AddClamped(std::int32_t& value, std::int64_t amount);
inline void AddScore(std::int64_t points) {
  AddClamped(Kept.Score, points);
}

}  // namespace engine
