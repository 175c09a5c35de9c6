#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Prepares a kept game in the stored records, so a start-up resumes straight
// into a chosen position. Used by in-process tests and by fandriass_keptgame.
namespace fixture {

struct KeptGame {
  std::int32_t mode = 1;  // GameMode 1..5 (any number is written as given)
  std::int32_t score = 0;
  std::int32_t level = 1;
  std::int32_t paintColour = 1;
  std::int32_t reserve = 40;
  std::int32_t panicTime = 99;
  // 36 cells row by row from the top; spaces, '|' and '/' are ignored.
  // '.' or '0' empty; '1'..'7' or R Y B G P O K for Red .. Black. Empty text: an empty board.
  std::string_view board = {};
  // Same layout: '.' or '0' no letter, '1'..'7' a letter code.
  std::string_view letters = {};
  // Up to 9 of '0'/'1': the collected positions of the bonus word.
  std::string_view word = {};
  // Up to 24 of '0'/'1' for pipes 1..24 (top, right, bottom, left): HEAT's hot pipes.
  std::string_view hotPipes = {};
  // Up to 24 of '0'..'9' or 'A' (10) for pipes 1..24: their heat.
  std::string_view pipeHeat = {};
};

// Puts the game into records::GameStatus, first setting up a record that never
// was (default settings and tables). Every game field not named above becomes 0.
// A malformed text changes nothing and returns false with the reason.
bool PutKeptGame(const KeptGame& game, std::string* error = nullptr);

// PutKeptGame, then writes all six values to the active store.
bool WriteKeptGame(const KeptGame& game, std::string* error = nullptr);

}  // namespace fixture
