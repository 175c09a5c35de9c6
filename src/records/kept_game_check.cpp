#include "records/kept_game_check.hpp"

#include <span>

#include "records/game_status_record.hpp"

namespace records {

namespace {

bool InRange(std::int32_t value, std::int32_t lowest, std::int32_t highest) {
  return value >= lowest && value <= highest;
}

bool AllInRange(std::span<const std::int32_t> values, std::int32_t lowest, std::int32_t highest) {
  for (std::int32_t value : values) {
    if (!InRange(value, lowest, highest)) return false;
  }
  return true;
}

// The GameMode of PANIC, the one mode that sets and reads the clock: a game of
// another mode keeps whatever an earlier record left there, and must not be lost for it.
constexpr std::int32_t PanicMode = 3;

bool KeptGameFieldsPlayable(const GameStatusRecord& record) {
  return InRange(record.Level, 1, 9) && InRange(record.PaintColour, 1, 7) &&
         InRange(record.Reserve, KeptReserveLowest, KeptReserveHighest) &&
         (record.Mode != PanicMode || InRange(record.PanicTime, 0, 99)) &&
         record.SupplyStart <= 1 && AllInRange(record.BallColour, 0, 7) &&
         AllInRange(record.BallLetter, 0, 7) && AllInRange(record.PipeHeatTop, 0, 10) &&
         AllInRange(record.PipeHeatBottom, 0, 10) && AllInRange(record.PipeHeatLeft, 0, 10) &&
         AllInRange(record.PipeHeatRight, 0, 10) && AllInRange(record.WordSlot, 0, 1) &&
         AllInRange(record.PipeActive, 0, 1);
}

}  // namespace

bool CheckKeptGame() {
  GameStatusRecord& record = GameStatus;
  if (record.Mode == 0) return false;
  if (!InRange(record.Mode, 1, 5) || !KeptGameFieldsPlayable(record)) {
    record.Mode = 0;
    return false;
  }
  // An empty cell never carries a letter; a stray one would be collected from nowhere.
  for (int cell = 0; cell < 36; ++cell) {
    if (record.BallColour[cell] == 0) record.BallLetter[cell] = 0;
  }
  return true;
}

}  // namespace records
