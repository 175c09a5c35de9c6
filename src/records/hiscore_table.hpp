#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace records {

constexpr int HiScoreEntries = 5;
// The name field holds 12 units, but no more than 10 are ever written or shown,
// so the ending zero always fits and a foreign field without one is still bounded.
constexpr std::size_t NameFieldUnits = 12;
constexpr std::size_t NameLengthLimit = 10;

// One line of a table; the memory image is the stored format (UTF-16LE name).
struct HiScoreEntry {
  char16_t Name[NameFieldUnits];  // 0: the name, a zero unit, then whatever a longer name left
  std::int32_t Score;             // 24
};

// One mode's five best results, entry 0 the best.
struct HiScoreTable {
  HiScoreEntry Entry[HiScoreEntries];  // 0, 28, 56, 84, 112
  std::int32_t LastInsertIndex;        // 140: where the latest insertion went; 0..4 when ours
};

static_assert(sizeof(HiScoreEntry) == 28);
static_assert(offsetof(HiScoreEntry, Name) == 0);
static_assert(offsetof(HiScoreEntry, Score) == 24);
static_assert(sizeof(HiScoreTable) == 144);
static_assert(offsetof(HiScoreTable, Entry) == 0);
static_assert(offsetof(HiScoreTable, LastInsertIndex) == 140);
static_assert(std::is_trivially_copyable_v<HiScoreTable> &&
                  std::has_unique_object_representations_v<HiScoreTable>,
              "the tables are copied and stored as raw bytes");

// The five tables, EASY at [0] to CHROMA at [4]; all zero until the records are loaded.
extern HiScoreTable HiScoreTables[5];

// The table of GameMode 1..5, or nullptr for any other mode.
HiScoreTable* TableOfMode(int mode);

// The name as the screens show it: up to the zero unit, never more than 10 units,
// never ending in half a surrogate pair. Safe on any stored bytes.
std::u16string_view HiScoreName(const HiScoreEntry& entry);

// The name the name entry proposes: the entry of the latest insertion, or an
// empty name when the stored index points outside the table (or the mode is not 1..5).
std::u16string_view LastInsertedName(int mode);

// A score earns a place exactly when it beats the fifth entry; ties stay out.
bool EarnsHiScorePlace(int mode, std::int32_t score);

// Puts a result into the mode's table when it earns a place. The name is cut to
// 10 units (never inside a surrogate pair); with checkDuplicate the same name
// with the same score just above the new place is refused.
void InsertHiScore(std::u16string_view name, std::int32_t score, bool checkDuplicate, int mode);

}  // namespace records
