#include "records/hiscore_table.hpp"

namespace records {

HiScoreTable HiScoreTables[5]{};

namespace {

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// A name's first `limit` units at most, stopping at a zero unit, and never
// ending in half a surrogate pair: neither the first half of a pair whose
// second half was cut off (or never typed), nor a second half on its own.
// Halves can come in runs from a foreign record, so each is looked at in turn.
std::u16string_view BoundedName(const char16_t* units, std::size_t available, std::size_t limit) {
  std::size_t length = 0;
  while (length < available && units[length] != 0) ++length;
  if (length > limit) length = limit;
  while (length > 0) {
    const char16_t last = units[length - 1];
    const bool pairEnds = IsLowSurrogate(last) && length >= 2 && IsHighSurrogate(units[length - 2]);
    if (pairEnds || (!IsHighSurrogate(last) && !IsLowSurrogate(last))) break;
    --length;
  }
  return {units, length};
}

}  // namespace

HiScoreTable* TableOfMode(int mode) {
  if (mode < 1 || mode > 5) return nullptr;
  return &HiScoreTables[mode - 1];
}

std::u16string_view HiScoreName(const HiScoreEntry& entry) {
  return BoundedName(entry.Name, NameFieldUnits, NameLengthLimit);
}

std::u16string_view LastInsertedName(int mode) {
  const HiScoreTable* table = TableOfMode(mode);
  if (table == nullptr) return {};
  const std::int32_t index = table->LastInsertIndex;
  if (index < 0 || index >= HiScoreEntries) return {};
  return HiScoreName(table->Entry[index]);
}

bool EarnsHiScorePlace(int mode, std::int32_t score) {
  const HiScoreTable* table = TableOfMode(mode);
  return table != nullptr && score > table->Entry[HiScoreEntries - 1].Score;
}

void InsertHiScore(std::u16string_view name, std::int32_t score, bool checkDuplicate, int mode) {
  HiScoreTable* table = TableOfMode(mode);
  if (table == nullptr) return;
  const std::u16string_view kept = BoundedName(name.data(), name.size(), NameLengthLimit);

  int place = HiScoreEntries;
  while (place > 0 && score > table->Entry[place - 1].Score) --place;
  if (place == HiScoreEntries) return;

  if (checkDuplicate && place > 0) {
    const HiScoreEntry& above = table->Entry[place - 1];
    if (above.Score == score && HiScoreName(above) == kept) return;
  }

  for (int i = HiScoreEntries - 1; i > place; --i) table->Entry[i] = table->Entry[i - 1];
  HiScoreEntry& entry = table->Entry[place];
  entry.Score = score;
  // Only the name and its ending zero are written; the units after it stay as they were.
  std::size_t unit = 0;
  for (; unit < kept.size(); ++unit) entry.Name[unit] = kept[unit];
  entry.Name[unit] = 0;
  table->LastInsertIndex = place;
}

}  // namespace records
