#include "records/record_store.hpp"

#include <cstddef>
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
};

// The order in which the values are both read and written.
const StoredValue StoredValues[] = {
    {"Prefs", &HiScoreTables[0], sizeof(HiScoreTable)},
    {"GameStatus", &GameStatus, sizeof(GameStatusRecord)},
    {"PrefsHard", &HiScoreTables[1], sizeof(HiScoreTable)},
    {"PrefsPanic", &HiScoreTables[2], sizeof(HiScoreTable)},
    {"PrefsHeat", &HiScoreTables[3], sizeof(HiScoreTable)},
    {"PrefsChroma", &HiScoreTables[4], sizeof(HiScoreTable)},
};

// The one failure the player is told about; the game carries on either way.
bool OpenStore(platform::ValueStore& store) {
  if (store.OpenKey()) return true;
  platform::MessageBox(platform::MainWindow(), u"Cannot read values", u"Fandriass II",
                       platform::message_box::Ok);
  return false;
}

}  // namespace

void LoadAllRecords() {
  platform::ValueStore& store = platform::ActiveStore();
  const bool open = OpenStore(store);
  // A value that is missing, too long or unreadable leaves its record as it was.
  for (const StoredValue& value : StoredValues) {
    std::size_t bytesRead = 0;
    store.QueryValue(value.name, value.record, value.size, &bytesRead);
  }
  if (open) store.CloseKey();

  if (GameStatus.Initialised == 0) {
    DefaultSettings();
    ResetHiScores();
    for (HiScoreTable& table : HiScoreTables) table.LastInsertIndex = 4;
    return;
  }
  NormaliseSettings();
  CheckKeptGame();
}

void SaveAllRecords() {
  platform::ValueStore& store = platform::ActiveStore();
  const bool open = OpenStore(store);
  for (const StoredValue& value : StoredValues) {
    store.SetValue(value.name, value.record, value.size);
  }
  if (open) store.CloseKey();
}

}  // namespace records
