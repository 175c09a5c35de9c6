#include "records/record_store.hpp"

#include <cstddef>
#include <cstring>
#include <iterator>
#include <string_view>

#include "platform/message_box.hpp"
#include "platform/value_store.hpp"
#include "platform/window.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "records/kept_game_check.hpp"
#include "records/settings.hpp"

namespace records {

namespace {

struct StoredValue {
  std::string_view name;
  void* record;
  std::size_t size;
  int mode;  // the table's GameMode, 0 for GameStatus
};

// The order in which the values are both read and written.
const StoredValue StoredValues[] = {
    {"Prefs", &HiScoreTables[0], sizeof(HiScoreTable), 1},
    {"GameStatus", &GameStatus, sizeof(GameStatusRecord), 0},
    {"PrefsHard", &HiScoreTables[1], sizeof(HiScoreTable), 2},
    {"PrefsPanic", &HiScoreTables[2], sizeof(HiScoreTable), 3},
    {"PrefsHeat", &HiScoreTables[3], sizeof(HiScoreTable), 4},
    {"PrefsChroma", &HiScoreTables[4], sizeof(HiScoreTable), 5},
};
constexpr std::size_t StoredValueCount = std::size(StoredValues);

// The one failure the player is told about; the game carries on either way.
bool OpenStore(platform::ValueStore& store) {
  if (store.OpenKey()) return true;
  platform::MessageBox(platform::MainWindow(), u"Cannot read values", u"Fandriass II",
                       platform::message_box::Ok);
  return false;
}

}  // namespace

std::vector<std::string_view> StoredValueNames() {
  std::vector<std::string_view> names;
  for (const StoredValue& value : StoredValues) names.push_back(value.name);
  return names;
}

void LoadAllRecords() {
  platform::ValueStore& store = platform::ActiveStore();
  const bool open = OpenStore(store);
  // A value that is missing, too long or unreadable leaves its record as it was;
  // a short one fills only its first bytes.
  bool whole[StoredValueCount] = {};
  for (std::size_t i = 0; i < StoredValueCount; ++i) {
    const StoredValue& value = StoredValues[i];
    std::size_t bytesRead = 0;
    whole[i] = store.QueryValue(value.name, value.record, value.size, &bytesRead) ==
                   platform::QueryOutcome::Read &&
               bytesRead == value.size;
  }
  if (open) store.CloseKey();

  // A GameStatus never set up (missing, unreadable, too long, cut short or left so by
  // another tool) starts the settings afresh. The tables stand on their own values:
  // such a GameStatus must not cost the player the tables stored beside it, so only
  // a table that is itself missing or damaged gets its defaults.
  if (GameStatus.Initialised == 0) {
    DefaultSettings();
    for (std::size_t i = 0; i < StoredValueCount; ++i) {
      const StoredValue& value = StoredValues[i];
      if (whole[i] || value.mode == 0) continue;
      // Nothing of a table cut short is kept, not even behind the names.
      std::memset(value.record, 0, value.size);
      ResetHiScoreTable(value.mode);
    }
    return;
  }
  NormaliseSettings();
  CheckKeptGame();
}

bool SaveAllRecords() {
  platform::ValueStore& store = platform::ActiveStore();
  const bool open = OpenStore(store);
  bool written = open;
  for (const StoredValue& value : StoredValues) {
    // Every value is tried even after one fails: each one kept is one less lost.
    if (!store.SetValue(value.name, value.record, value.size)) written = false;
  }
  if (open) store.CloseKey();
  return written;
}

}  // namespace records
