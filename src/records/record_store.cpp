#include "records/record_store.hpp"

#include <cstddef>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/files/value_store.hpp"
#include "platform/system/complain.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/window_system.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_defaults.hpp"
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

// Why the store failed, or a stand-in when it did not say.
std::string Reason(const platform::ValueStore& store) {
  return store.LastFailure().empty() ? "the store refused it" : store.LastFailure();
}

// Told at the start, or at the first save that found the folder so, and not
// again at every save after it.
bool toldReadOnly = false;

// The failures at start-up the player is told about; the game carries on either way.
bool OpenStoreToRead(platform::ValueStore& store) {
  toldReadOnly = false;
  if (store.OpenKey()) {
    if (!store.ReadOnly()) return true;
    toldReadOnly = true;
    platform::Complain("the records in %s can be read but not saved: %s", store.Location().c_str(),
                       Reason(store).c_str());
    platform::MessageBox(platform::MainWindow(),
                         u"The scores can be read but not saved: their folder is read-only.",
                         u"Fandriass II", platform::message_box::Ok);
    return true;
  }
  platform::Complain("cannot read the records in %s: %s", store.Location().c_str(),
                     Reason(store).c_str());
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
  const bool open = OpenStoreToRead(store);
  // A value that is missing, too long or unreadable leaves its record as it was;
  // a short one fills only its first bytes.
  bool whole[StoredValueCount] = {};
  bool missing[StoredValueCount] = {};
  for (std::size_t i = 0; i < StoredValueCount; ++i) {
    const StoredValue& value = StoredValues[i];
    std::size_t bytesRead = 0;
    const platform::QueryOutcome outcome =
        store.QueryValue(value.name, value.record, value.size, &bytesRead);
    whole[i] = outcome == platform::QueryOutcome::Read && bytesRead == value.size;
    missing[i] = outcome == platform::QueryOutcome::Missing;
  }
  if (open) store.CloseKey();

  // A GameStatus never set up (missing, unreadable, too long, cut short or left so by
  // another tool) starts the settings afresh. The tables stand on their own values:
  // such a GameStatus must not cost the player the tables stored beside it, so only
  // a table that is itself missing or damaged gets its defaults. A table with no
  // value at all beside a good GameStatus (a first save that the disk cut short, a
  // file taken away) gets its defaults too: an empty table is nobody's scores.
  const bool neverSetUp = GameStatus.Initialised == 0;
  if (neverSetUp) DefaultSettings();
  for (std::size_t i = 0; i < StoredValueCount; ++i) {
    const StoredValue& value = StoredValues[i];
    if (value.mode == 0 || !(missing[i] || (neverSetUp && !whole[i]))) continue;
    // Nothing of a table cut short is kept, not even behind the names.
    std::memset(value.record, 0, value.size);
    ResetHiScoreTable(value.mode);
  }
  if (neverSetUp) return;
  NormaliseSettings();
  CheckKeptGame();
}

// A value not saved is the player's latest results lost, so each one is named,
// with where it should have gone and why it did not.
bool SaveAllRecords() {
  platform::ValueStore& store = platform::ActiveStore();
  const bool opened = store.OpenKey();
  if (!opened || store.ReadOnly()) {
    const bool quiet = opened && toldReadOnly;
    if (opened) {
      toldReadOnly = true;
      store.CloseKey();
    }
    if (quiet) return false;
    std::string names;
    for (const StoredValue& value : StoredValues) {
      if (!names.empty()) names += ", ";
      names += value.name;
    }
    platform::Complain("cannot save the records in %s: %s; not saved: %s", store.Location().c_str(),
                       Reason(store).c_str(), names.c_str());
    return false;
  }
  bool written = true;
  for (const StoredValue& value : StoredValues) {
    // Every value is tried even after one fails: each one kept is one less lost.
    if (store.SetValue(value.name, value.record, value.size)) continue;
    written = false;
    platform::Complain("cannot save %s/%.*s: %s", store.Location().c_str(),
                       static_cast<int>(value.name.size()), value.name.data(),
                       Reason(store).c_str());
  }
  store.CloseKey();
  return written;
}

}  // namespace records
