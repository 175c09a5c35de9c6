#pragma once

#include <string_view>
#include <vector>

namespace records {

// Reads the six stored values once at start-up, in their fixed order, into
// GameStatus and the five tables. A GameStatus never set up gets the first-run
// settings, and then only the tables not stored whole get their defaults; a table
// with no stored value gets its defaults whatever GameStatus holds. A foreign
// record is made safe (settings read sensibly, an unplayable kept game dropped).
// A store that can be read but not written is read, and the player is told
// once that nothing will be saved. Nothing is written here.
void LoadAllRecords();

// Writes the six values back, unchanged in form, in the same order: on the
// program's own ways out, and at once after a change the player would hate to
// lose (a new hi-score, a reset of the tables). True only when the store opened
// and took every value; a value it refused keeps its old stored contents, and is
// named on standard error with the store's location and the reason (a store
// that is read-only is named once, not at every save).
bool SaveAllRecords();

// The names of the six values, in their order.
std::vector<std::string_view> StoredValueNames();

}  // namespace records
