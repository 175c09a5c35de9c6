#include "records/hiscore_defaults.hpp"

#include <string_view>

#include "records/hiscore_table.hpp"

namespace records {

namespace {

struct DefaultEntry {
  std::u16string_view name;
  std::int32_t score;
};

// Five people per mode, best first; every name different, none longer than 10 units.
constexpr DefaultEntry DefaultTables[5][HiScoreEntries] = {
    {{u"Annika", 8569}, {u"Bruno", 6853}, {u"Clara", 5896}, {u"Dmitri", 3596}, {u"Elena", 2685}},
    {{u"Felix", 7852}, {u"Greta", 5695}, {u"Hugo", 4156}, {u"Ingrid", 2856}, {u"Jonas", 1365}},
    {{u"Karla", 7695}, {u"Lorenzo", 6896}, {u"Maren", 5487}, {u"Nils", 4586}, {u"Olivia", 3654}},
    {{u"Pablo", 3984},
     {u"Quentin", 3526},
     {u"Rosalind", 2963},
     {u"Stefan", 2045},
     {u"Tilda", 1023}},
    {{u"Ulrich", 2435}, {u"Vera", 2036}, {u"Maximilian", 1985}, {u"Xenia", 1654}, {u"Yusuf", 1023}},
};

}  // namespace

void ResetHiScoreTable(int mode) {
  HiScoreTable* table = TableOfMode(mode);
  if (table == nullptr) return;
  for (HiScoreEntry& entry : table->Entry) {
    entry.Name[0] = 0;
    entry.Score = 0;
  }
  // Best first, so each lands just below the one before and the index ends at 4.
  for (const DefaultEntry& entry : DefaultTables[mode - 1]) {
    InsertHiScore(entry.name, entry.score, true, mode);
  }
}

void ResetHiScores() {
  for (int mode = 1; mode <= 5; ++mode) ResetHiScoreTable(mode);
}

std::int32_t BestDefaultScore(int mode) {
  if (mode < 1 || mode > 5) return 0;
  return DefaultTables[mode - 1][0].score;
}

}  // namespace records
