#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "platform/files/file_store.hpp"
#include "records/export_code.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_defaults.hpp"
#include "records/hiscore_table.hpp"
#include "records/kept_game_check.hpp"
#include "records/record_store.hpp"
#include "records/settings.hpp"
#include "support/disk_faults.hpp"
#include "support/kept_game_fixture.hpp"
#include "support/scoped_value.hpp"
#include "support/table_file.hpp"

using records::GameStatus;
using records::HiScoreTables;
using testing_support::ReadTable;
using testing_support::Row;
using Bytes = std::vector<unsigned char>;

namespace {

Bytes BytesOf(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  return {bytes, bytes + size};
}

Bytes StatusBytes() {
  return BytesOf(&GameStatus, sizeof GameStatus);
}

// The state before start-up: every record all zero.
void ClearRecords() {
  std::memset(&GameStatus, 0, sizeof GameStatus);
  std::memset(HiScoreTables, 0, sizeof HiScoreTables);
}

// Every test runs on a store in memory from zeroed records, and puts back the values
// derived from the settings however it ends.
class RecordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRecords();
    platform::UseStore(&store);
  }
  void TearDown() override {
    platform::UseStore(nullptr);
    ClearRecords();
  }

  // Saves, forgets and loads again, as an exit and the next start do.
  void Restart() {
    records::SaveAllRecords();
    ClearRecords();
    records::LoadAllRecords();
  }

  // What a player's records could hold: odd bytes wherever no field is named (names
  // without their zero, stray indexes), a HEAT game left mid-play, settings away from
  // their defaults.
  void PutPlayersRecords() {
    ClearRecords();
    auto* bytes = reinterpret_cast<unsigned char*>(&GameStatus);
    for (std::size_t i = 0; i < sizeof GameStatus; ++i)
      bytes[i] = static_cast<unsigned char>(1 + i * 37 % 255);
    bytes = reinterpret_cast<unsigned char*>(HiScoreTables);
    for (std::size_t i = 0; i < sizeof HiScoreTables; ++i)
      bytes[i] = static_cast<unsigned char>(i * 53);
    fixture::KeptGame game{.mode = 4, .score = 4321, .level = 3, .paintColour = 5, .reserve = 47};
    game.board = "RYB.GO/P.K.RY/BGOP../RRYYBB/GGOOPP/KRYBGO";
    game.letters = "1...2./....../..7.../....../.....3/......";
    game.word = "100100000";
    game.hotPipes = "100000 000001 000000 010000";
    game.pipeHeat = "012345 6789A0 000000 00000A";
    ASSERT_TRUE(fixture::PutKeptGame(game));
    records::GameStatusRecord& r = GameStatus;
    r.spare190 = -12345, r.HelpEnabled = 0, r.UseJoystick = r.SoundOn = r.StereoSound = 1;
    r.VolumePercent = 30, r.GameSpeed = 3, r.BallStyle = 2;
  }

  platform::MemoryStore store;
  testing_support::ScopedValue<std::int32_t> ballStep_{records::BallStep, records::BallStep};
  testing_support::ScopedValue<std::int32_t> fallStep_{records::FallStep, records::FallStep};
  testing_support::ScopedValue<std::uint32_t> style_{records::ActiveBallStyle,
                                                     records::ActiveBallStyle};
};

TEST_F(RecordsTest, EachStoredValueLoadsAsTheTableSaysAndNothingIsWritten) {
  records::ResetHiScores();
  const Bytes defaults = BytesOf(HiScoreTables, sizeof HiScoreTables);
  PutPlayersRecords();
  records::SaveAllRecords();
  const auto saved = store.values;
  const std::vector<std::string_view> names = records::StoredValueNames();
  for (const Row& row : ReadTable("stored_values.txt")) {
    SCOPED_TRACE(row.where);
    store.values = saved;
    store.unreadable.clear();
    for (std::size_t i = 0; i < 6; ++i) {
      const std::string name(names[i]), how = row[i];
      Bytes& value = store.values[name];
      if (how == "missing") store.values.erase(name);
      if (how == "unreadable") store.unreadable.insert(name);
      if (how.rfind("cut", 0) == 0) value.resize(std::stoul(how.substr(3)));
      if (how == "long") value.push_back(0);
      if (how == "unset") value[offsetof(records::GameStatusRecord, Initialised)] = 0;
    }
    const auto found = store.values;
    ClearRecords();
    testing::internal::CaptureStderr();
    records::LoadAllRecords();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(store.SetValue("Prefs", nullptr, 0)) << "the load left the key open";
    EXPECT_EQ(store.values, found);
    for (std::size_t i = 0, table = 0; i < 6; ++i) {
      const std::string name(names[i]), holds = row[6 + i];
      const bool status = name == "GameStatus";
      const Bytes now = status ? StatusBytes() : BytesOf(&HiScoreTables[table], 144);
      const auto defaultTable = defaults.begin() + static_cast<std::ptrdiff_t>(144 * table);
      table += !status;
      Bytes expected(now.size(), 0);
      if (holds == "kept") expected = saved.at(name);
      if (holds == "default") expected.assign(defaultTable, defaultTable + 144);
      if (holds == "front")
        std::copy(found.at(name).begin(), found.at(name).end(), expected.begin());
      if (holds != "fresh") {
        EXPECT_EQ(now, expected) << name;
        continue;
      }
      const records::GameStatusRecord& r = GameStatus;
      EXPECT_EQ(std::tuple(r.Initialised, r.VolumePercent, r.HelpEnabled, r.UseJoystick, r.SoundOn,
                           r.StereoSound, r.GameSpeed, r.BallStyle, r.GamesPlayed, r.Mode,
                           r.reserved0 | r.reserved4 | r.reserved2E),
                std::tuple(1, 100, 1, 1, 1, 0, 1u, 1u, 0u, 0, 0));
    }
  }
}

// FIELD=VALUE or FIELD.INDEX=VALUE, joined by commas, written into the record as stored.
void Change(records::GameStatusRecord& record, const std::string& changes) {
  using R = records::GameStatusRecord;
  // clang-format off
#define FIELD(f) {#f, {offsetof(R, f), sizeof(std::remove_all_extents_t<decltype(R::f)>)}}
  // clang-format on
  static const std::map<std::string, std::pair<std::size_t, std::size_t>> fields = {
      FIELD(Mode),        FIELD(Level),          FIELD(PaintColour),   FIELD(Reserve),
      FIELD(PanicTime),   FIELD(SupplyStart),    FIELD(BallColour),    FIELD(BallLetter),
      FIELD(PipeHeatTop), FIELD(PipeHeatBottom), FIELD(PipeHeatLeft),  FIELD(PipeHeatRight),
      FIELD(WordSlot),    FIELD(PipeActive),     FIELD(HelpEnabled),   FIELD(UseJoystick),
      FIELD(SoundOn),     FIELD(StereoSound),    FIELD(VolumePercent), FIELD(GameSpeed),
      FIELD(BallStyle)};
#undef FIELD
  std::stringstream list(changes == "-" || changes == "kept" ? "" : changes);
  for (std::string change; std::getline(list, change, ',');) {
    const std::size_t dot = change.find('.'), equals = change.find('=');
    const auto [offset, size] = fields.at(change.substr(0, std::min(dot, equals)));
    const long long value = std::stoll(change.substr(equals + 1));
    const std::size_t index = dot < equals ? std::stoul(change.substr(dot + 1)) : 0;
    std::memcpy(reinterpret_cast<unsigned char*>(&record) + offset + index * size, &value, size);
  }
}

TEST_F(RecordsTest, ForeignFieldsOfGameStatusAreReadAsTheTableSays) {
  for (const Row& row : ReadTable("game_status_fields.txt")) {
    SCOPED_TRACE(row.where);
    PutPlayersRecords();
    Change(GameStatus, row[0]);
    const records::GameStatusRecord stored = GameStatus;
    records::GameStatusRecord expected = stored;
    Change(expected, row[1]);
    EXPECT_EQ(records::CheckKeptGame(), expected.Mode != 0);
    GameStatus = stored;
    Restart();
    EXPECT_EQ(StatusBytes(), BytesOf(&expected, sizeof expected));
  }
}

TEST_F(RecordsTest, SettingsBecomeStepsBallSetAndVolumeAsTheTableSays) {
  for (const Row& row : ReadTable("settings.txt")) {
    SCOPED_TRACE(row.where);
    GameStatus.GameSpeed = static_cast<std::uint32_t>(row.Int(0));
    GameStatus.BallStyle = static_cast<std::uint32_t>(row.Int(1));
    records::ApplySettings();
    EXPECT_EQ(std::tuple(records::BallStep, records::FallStep, records::ActiveBallStyle),
              std::tuple(row.Int(3), row.Int(3), row.Int(4)));
    EXPECT_EQ(records::WaveVolumeOfPercent(static_cast<std::int32_t>(row.Int(2))), row.Int(5));
  }
}

// A name as UTF-16 units: \uXXXX or \UXXXXXXXX for any character, \0 a zero unit, "" none.
std::u16string Units(const std::string& text) {
  std::u16string units;
  for (std::size_t i = 0; i < text.size() && text != "\"\""; ++i) {
    if (text[i] != '\\') {
      units += static_cast<char16_t>(text[i]);
    } else if (text[++i] == '0') {
      units += u'\0';
    } else {
      const std::size_t digits = text[i] == 'u' ? 4 : 8;
      const unsigned long c = std::stoul(text.substr(i + 1, digits), nullptr, 16);
      i += digits;
      if (c <= 0xFFFF) units += static_cast<char16_t>(c);
      if (c > 0xFFFF) units += {char16_t(0xD7C0 + (c >> 10)), char16_t(0xDC00 | (c & 0x3FF))};
    }
  }
  return units;
}

// NAME:SCORE entries, best first, joined by '/'.
records::HiScoreTable Table(const std::string& text, long lastInsertIndex) {
  records::HiScoreTable table{};
  std::stringstream entries(text);
  int e = 0;
  for (std::string entry; std::getline(entries, entry, '/'); ++e) {
    const std::u16string name = Units(entry.substr(0, entry.rfind(':')));
    std::copy(name.begin(), name.end(), table.Entry[e].Name);
    table.Entry[e].Score = std::stoi(entry.substr(entry.rfind(':') + 1));
  }
  table.LastInsertIndex = static_cast<std::int32_t>(lastInsertIndex);
  return table;
}

TEST_F(RecordsTest, ResultsTakeTheirHiScorePlacesAsTheTableSays) {
  for (const Row& row : ReadTable("hiscore_insertions.txt")) {
    SCOPED_TRACE(row.where);
    const records::HiScoreTable before = Table(row[0], 4);
    std::fill_n(HiScoreTables, 5, before);
    const int score = std::stoi(row[2]), mode = static_cast<int>(row.Int(4));
    EXPECT_EQ(records::EarnsHiScorePlace(mode, score), row[5] != "-");
    records::InsertHiScore(Units(row[1]), score, row[3] == "check", mode);
    for (int t = 0; t < 5; ++t) {
      const bool changed = t == mode - 1 && row[5] != "-" && row[5] != "dup";
      const records::HiScoreTable expected = changed ? Table(row[6], row.Int(5)) : before;
      EXPECT_EQ(BytesOf(&HiScoreTables[t], 144), BytesOf(&expected, 144)) << "table " << t;
    }
  }
}

TEST_F(RecordsTest, NamesAreShownAndProposedAsTheTableSays) {
  for (const Row& row : ReadTable("hiscore_names.txt")) {
    SCOPED_TRACE(row.where);
    const std::u16string field = Units(row[0]);
    for (records::HiScoreTable& table : HiScoreTables) {
      for (records::HiScoreEntry& entry : table.Entry) {
        std::fill_n(entry.Name, records::NameFieldUnits, 0);
        std::copy(field.begin(), field.end(), entry.Name);
      }
      table.LastInsertIndex = static_cast<std::int32_t>(row.Int(2));
    }
    EXPECT_EQ(std::u16string(records::LastInsertedName(static_cast<int>(row.Int(1)))),
              Units(row[3]));
    EXPECT_EQ(std::u16string(records::HiScoreName(HiScoreTables[4].Entry[4])), Units(row[4]));
  }
}

TEST_F(RecordsTest, ExportCodesComeOutAsTheTableSays) {
  for (const Row& row : ReadTable("export_codes.txt")) {
    SCOPED_TRACE(row.where);
    GameStatus.GamesPlayed = static_cast<std::uint32_t>(std::stoul(row[0]));
    const auto tag = [](const std::string& field, auto tagOf) {
      return field[0] == '=' ? Units(field.substr(1)) : std::u16string(tagOf(std::stoi(field)));
    };
    const std::u16string_view code = records::BuildExportCode(
        std::stoi(row[1]), tag(row[2], records::ExportModeTag), tag(row[3], [](int number) {
          return records::ExportScreenTag(static_cast<platform::ScreenClass>(number));
        }));
    EXPECT_EQ(std::u16string(code), Units(row[4]));
    EXPECT_EQ(code.data()[code.size()], 0);  // handed on as a zero-ended string
  }
  records::ResetHiScores();
  for (int mode = 0; mode <= 6; ++mode) EXPECT_FALSE(records::ExportCodeEarned(mode)) << mode;
  for (int mode = 1; mode <= 5; ++mode) {
    HiScoreTables[mode - 1].Entry[0].Score += 1;  // just above the best default
    EXPECT_TRUE(records::ExportCodeEarned(mode)) << mode;
  }
}

TEST_F(RecordsTest, FailedSavesAreNamedAndTheGameCarriesOn) {
  store.values["GameStatus"].assign(632, 1);
  store.failOpen = true;
  testing::internal::CaptureStderr();
  records::LoadAllRecords();
  EXPECT_FALSE(records::SaveAllRecords());
  EXPECT_EQ(store.values.size(), 1u);
  store.failOpen = false;
  store.unwritable = {"PrefsHard", "PrefsChroma"};
  EXPECT_FALSE(records::SaveAllRecords());
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "fandriass: cannot read the records in memory: it cannot be opened\n"
            "fandriass: Cannot read values\n"
            "fandriass: cannot save the records in memory: it cannot be opened; not saved: "
            "Prefs, GameStatus, PrefsHard, PrefsPanic, PrefsHeat, PrefsChroma\n"
            "fandriass: cannot save memory/PrefsHard: the store refused it\n"
            "fandriass: cannot save memory/PrefsChroma: the store refused it\n");
  EXPECT_EQ(GameStatus.VolumePercent, 100);
  EXPECT_EQ(store.values.size(), 4u);
  store.unwritable.clear();
  EXPECT_TRUE(records::SaveAllRecords());
  EXPECT_EQ(store.values.size(), 6u);
  EXPECT_FALSE(store.SetValue("Prefs", nullptr, 0)) << "the save left the key open";
}

// A real disk under a running game: a folder made read-only is named with why and
// loses nothing, and a game started on it still reads it; a folder taken away is
// made again by the next save.
TEST_F(RecordsTest, OnAFailingDiskNothingSavedIsLostAndTheNextSaveRetries) {
  const testing_support::ScratchFolder scratch("records");
  const std::filesystem::path folder = scratch.root / "Fandriass2";
  platform::FileStore disk(folder.string());
  platform::UseStore(&disk);
  records::LoadAllRecords();
  ASSERT_TRUE(records::SaveAllRecords());
  const auto files = testing_support::FilesIn(folder);
  GameStatus.VolumePercent = 40;
  std::filesystem::permissions(
      folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  bool written = true;
  EXPECT_EQ(testing_support::RunAsAnotherUser(
                scratch.root, [] { return records::SaveAllRecords(); }, written),
            "fandriass: cannot save the records in " + folder.string() + ": " +
                std::strerror(EACCES) +
                "; not saved: Prefs, GameStatus, PrefsHard, PrefsPanic, PrefsHeat, PrefsChroma\n");
  EXPECT_FALSE(written);
  EXPECT_EQ(testing_support::FilesIn(folder), files);
  // A game started there reads every record, and says once that none can be saved.
  EXPECT_EQ(testing_support::RunAsAnotherUser(
                scratch.root,
                [] {
                  ClearRecords();
                  records::LoadAllRecords();
                  return GameStatus.Initialised != 0 && !records::SaveAllRecords() &&
                         !records::SaveAllRecords();
                },
                written),
            "fandriass: the records in " + folder.string() +
                " can be read but not saved: " + std::strerror(EACCES) +
                "\nfandriass: The scores can be read but not saved: their folder is "
                "read-only.\n");
  EXPECT_TRUE(written);

  std::filesystem::remove_all(scratch.root);
  EXPECT_TRUE(records::SaveAllRecords());
  EXPECT_EQ(testing_support::FilesIn(folder)["GameStatus"], StatusBytes());
}

}  // namespace
