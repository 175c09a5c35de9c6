#pragma once

#include <array>
#include <cstdint>
#include <string>

// What the soak expects the stored records to hold, kept apart from the game's
// own code: the hi-score tables follow only the insertions the soak caused, by
// the insertion rule written out again here; the settings and a kept game are
// what the game held when it saved.
namespace soak {

struct Table {
  std::array<std::u16string, 5> name;
  std::array<std::int32_t, 5> score{};
  std::int32_t lastInsert = 0;
  bool operator==(const Table&) const = default;
};
using Tables = std::array<Table, 5>;  // EASY .. CHROMA

// A result goes in below every entry it does not beat, unless it earns no place
// or the same name with the same score stands just above; names keep 10 units.
void Insert(Table& table, std::u16string name, std::int32_t score);
// The name the name entry proposes: the latest insertion's.
std::u16string Proposal(const Table& table);
// The scores of the first-run tables, best first.
extern const std::int32_t kDefaultScores[5][5];

struct Settings {
  std::int32_t volume;
  std::uint8_t help, joystick, sound, stereo;
  std::uint32_t speed, style;
  bool operator==(const Settings&) const = default;
};
inline constexpr Settings kDefaultSettings{100, 1, 1, 1, 0, 1, 1};

struct KeptGame {
  std::int32_t mode = 0, score = 0, level = 0, reserve = 0, paint = 0;
  std::array<std::int32_t, 36> board{};
  bool operator==(const KeptGame&) const = default;
};

// The records as the game holds them now.
Tables TablesNow();
Settings SettingsNow();
KeptGame KeptNow();

struct Records {
  Tables tables;
  Settings settings;
  KeptGame kept;
};

// The first difference between what the game loaded and what was expected, or
// an empty text when there is none.
std::string Difference(const Records& loaded, const Records& expected);
std::string Difference(const Tables& held, const Tables& expected);

}  // namespace soak
