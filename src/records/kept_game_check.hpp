#pragma once

#include <cstdint>

namespace records {

// Play stops on the reserve step that reaches 0, and that step takes at most one
// unit, so a game kept during its game-over run-out holds 0. One tap's cost at the
// dearest rate (18 units) below that is still accepted, so such a game resumes
// (and ends again) whichever way its last cost was charged; lower cannot come from play.
constexpr std::int32_t KeptReserveLowest = -18;
constexpr std::int32_t KeptReserveHighest = 99;

// Checks a kept game read from the store before the engine may see it. A game
// with any field outside what play can produce is dropped (Mode 0) and the rest
// of the record is left exactly as read (the clock counts in PANIC only); a game
// that passes only loses letters lying on empty cells. Returns true when a kept
// game remains.
bool CheckKeptGame();

}  // namespace records
