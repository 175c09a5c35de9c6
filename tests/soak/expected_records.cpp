#include "soak/expected_records.hpp"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/text_drawing.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"

namespace soak {

const std::int32_t kDefaultScores[5][5] = {{8569, 6853, 5896, 3596, 2685},
                                           {7852, 5695, 4156, 2856, 1365},
                                           {7695, 6896, 5487, 4586, 3654},
                                           {3984, 3526, 2963, 2045, 1023},
                                           {2435, 2036, 1985, 1654, 1023}};

void Insert(Table& table, std::u16string name, std::int32_t score) {
  name.resize(std::min<std::size_t>(name.size(), 10));
  int place = 5;
  while (place > 0 && score > table.score[place - 1]) --place;
  if (place == 5) return;
  if (place > 0 && table.name[place - 1] == name && table.score[place - 1] == score) return;
  for (int i = 4; i > place; --i) {
    table.name[i] = table.name[i - 1];
    table.score[i] = table.score[i - 1];
  }
  table.name[place] = name;
  table.score[place] = score;
  table.lastInsert = place;
}

std::u16string Proposal(const Table& table) {
  if (table.lastInsert < 0 || table.lastInsert > 4) return {};
  return table.name[table.lastInsert];
}

Tables TablesNow() {
  Tables tables;
  for (int m = 0; m < 5; ++m) {
    const records::HiScoreTable& stored = records::HiScoreTables[m];
    for (int i = 0; i < 5; ++i) {
      const char16_t* units = stored.Entry[i].Name;
      tables[m].name[i].assign(units, std::find(units, units + records::NameFieldUnits, u'\0'));
      tables[m].score[i] = stored.Entry[i].Score;
    }
    tables[m].lastInsert = stored.LastInsertIndex;
  }
  return tables;
}

Settings SettingsNow() {
  const records::GameStatusRecord& r = records::GameStatus;
  return Settings{r.VolumePercent, r.HelpEnabled, r.UseJoystick, r.SoundOn,
                  r.StereoSound,   r.GameSpeed,   r.BallStyle};
}

KeptGame KeptNow() {
  const records::GameStatusRecord& r = records::GameStatus;
  KeptGame kept{r.Mode, r.Score, r.Level, r.Reserve, r.PaintColour, {}};
  std::memcpy(kept.board.data(), r.BallColour, sizeof r.BallColour);
  return kept;
}

namespace {

std::string Describe(const Table& t) {
  std::string text;
  for (int i = 0; i < 5; ++i) {
    text += platform::Utf16ToUtf8(t.name[i]) + " " + std::to_string(t.score[i]) + ", ";
  }
  return text + "last " + std::to_string(t.lastInsert);
}

std::string Describe(const Settings& s) {
  return "volume " + std::to_string(s.volume) + " help " + std::to_string(s.help) + " joystick " +
         std::to_string(s.joystick) + " sound " + std::to_string(s.sound) + " stereo " +
         std::to_string(s.stereo) + " speed " + std::to_string(s.speed) + " style " +
         std::to_string(s.style);
}

std::string Describe(const KeptGame& k) {
  std::string board;
  for (std::int32_t c : k.board) board += static_cast<char>('0' + c);
  return "mode " + std::to_string(k.mode) + " score " + std::to_string(k.score) + " level " +
         std::to_string(k.level) + " reserve " + std::to_string(k.reserve) + " paint " +
         std::to_string(k.paint) + " board " + board;
}

}  // namespace

std::string Difference(const Tables& held, const Tables& expected) {
  for (int m = 0; m < 5; ++m) {
    if (held[m] != expected[m]) {
      return "table of mode " + std::to_string(m + 1) + " is [" + Describe(held[m]) +
             "], expected [" + Describe(expected[m]) + "]";
    }
  }
  return {};
}

std::string Difference(const Records& loaded, const Records& expected) {
  if (std::string tables = Difference(loaded.tables, expected.tables); !tables.empty()) {
    return tables;
  }
  if (loaded.settings != expected.settings) {
    return "settings are [" + Describe(loaded.settings) + "], expected [" +
           Describe(expected.settings) + "]";
  }
  // Without a kept game the rest of the game's fields are of no interest.
  const bool same = expected.kept.mode == 0 ? loaded.kept.mode == 0 : loaded.kept == expected.kept;
  if (!same) {
    return "kept game is [" + Describe(loaded.kept) + "], expected [" + Describe(expected.kept) +
           "]";
  }
  return {};
}

}  // namespace soak
