#pragma once

#include <cstdint>

// The tables as a new player finds them.
namespace records {

// Rebuilds the table of GameMode 1..5 with its default entries (LastInsertIndex 4);
// any other mode changes nothing.
void ResetHiScoreTable(int mode);

// Rebuilds all five tables with their default entries.
void ResetHiScores();

// The best default score of a mode (the export threshold), or 0 outside 1..5.
std::int32_t BestDefaultScore(int mode);

}  // namespace records
