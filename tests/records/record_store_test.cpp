#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_store.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "records/record_store.hpp"
#include "records_test_support.hpp"
#include "support/disk_faults.hpp"

using records::GameStatus;
using records::HiScoreTables;
using records_test::BytesOf;

namespace {

std::vector<unsigned char> AllRecords() {
  std::vector<unsigned char> image = records_test::StatusBytes();
  const auto tables = BytesOf(HiScoreTables, sizeof HiScoreTables);
  image.insert(image.end(), tables.begin(), tables.end());
  return image;
}

class RecordStoreTest : public records_test::RecordsTest {};

TEST_F(RecordStoreTest, SaveThenLoadIsByteIdenticalForAllSixValues) {
  // Odd bytes everywhere (names without their zero, stray indexes, padding),
  // then settings and a kept game a player could have.
  auto* bytes = reinterpret_cast<unsigned char*>(&GameStatus);
  for (std::size_t i = 0; i < sizeof GameStatus; ++i) bytes[i] = static_cast<unsigned char>(i * 37);
  bytes = reinterpret_cast<unsigned char*>(HiScoreTables);
  for (std::size_t i = 0; i < sizeof HiScoreTables; ++i)
    bytes[i] = static_cast<unsigned char>(i * 53);
  records::GameStatusRecord& r = GameStatus;
  r.Initialised = r.HelpEnabled = r.UseJoystick = r.SoundOn = r.StereoSound = 1;
  r.VolumePercent = 37;
  r.GameSpeed = r.BallStyle = 3;
  r.Mode = 5, r.Level = 9, r.SupplyStart = 0, r.PaintColour = 7, r.Reserve = 0, r.PanicTime = 0;
  for (int i = 0; i < 36; ++i) r.BallColour[i] = 1 + i % 7, r.BallLetter[i] = i % 8;
  for (int i = 0; i < 6; ++i) {
    r.PipeHeatTop[i] = r.PipeHeatBottom[i] = r.PipeHeatLeft[i] = r.PipeHeatRight[i] = i;
  }
  for (std::int32_t& flag : r.WordSlot) flag = 1;
  for (std::int32_t& flag : r.PipeActive) flag = 0;
  const std::vector<unsigned char> image = AllRecords();

  Restart();
  EXPECT_EQ(AllRecords(), image);
  EXPECT_EQ(store.values.size(), 6u);
  EXPECT_EQ(store.values["GameStatus"], BytesOf(&GameStatus, 632));
  EXPECT_EQ(store.values["PrefsHeat"], BytesOf(&HiScoreTables[3], 144));

  // With no kept game, its fields are not looked at and come back as they were.
  GameStatus.Mode = 0, GameStatus.Level = -77, GameStatus.BallColour[5] = 1000;
  const std::vector<unsigned char> idle = AllRecords();
  Restart();
  EXPECT_EQ(AllRecords(), idle);
}

TEST_F(RecordStoreTest, AFirstRunGetsTheDefaultsAndWritesNothing) {
  testing::internal::CaptureStderr();
  records::LoadAllRecords();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(store.values.empty());
  const records::GameStatusRecord& r = GameStatus;
  EXPECT_EQ(r.Initialised, 1);
  EXPECT_EQ(r.VolumePercent, 100);
  EXPECT_EQ(r.HelpEnabled + r.UseJoystick + r.SoundOn, 3);
  EXPECT_EQ(r.StereoSound, 0);
  EXPECT_EQ(r.GameSpeed, 1u);
  EXPECT_EQ(r.BallStyle, 1u);
  EXPECT_EQ(r.Mode, 0);
  for (const records::HiScoreTable& table : HiScoreTables) EXPECT_EQ(table.LastInsertIndex, 4);
  EXPECT_EQ(HiScoreTables[4].Entry[0].Score, 2435);
}

TEST_F(RecordStoreTest, ARecordNeverSetUpGetsTheDefaultsWhateverElseIsStored) {
  records::LoadAllRecords();
  GameStatus.Initialised = 0;
  GameStatus.GamesPlayed = 9, GameStatus.reserved0 = GameStatus.reserved4 = 5;
  GameStatus.reserved2E = 0x7F;
  GameStatus.Mode = 2;
  HiScoreTables[2].Entry[0].Score = 99999;
  Restart();
  EXPECT_EQ(GameStatus.GamesPlayed, 0u);
  EXPECT_EQ(GameStatus.reserved0 | GameStatus.reserved4 | GameStatus.reserved2E, 0);
  EXPECT_EQ(GameStatus.Mode, 0);
  EXPECT_EQ(HiScoreTables[2].Entry[0].Score, 99999);  // the table's own value was whole
}

TEST_F(RecordStoreTest, ADamagedGameStatusCostsOnlyTheTablesThatAreDamagedThemselves) {
  records::ResetHiScores();
  const std::vector<unsigned char> defaults = BytesOf(HiScoreTables, sizeof HiScoreTables);
  const std::vector<std::pair<const char*, std::function<void()>>> damages = {
      {"missing", [&] { store.values.erase("GameStatus"); }},
      {"short", [&] { store.values["GameStatus"].resize(8); }},
      {"overlong", [&] { store.values["GameStatus"].push_back(0); }},
      {"unreadable", [&] { store.unreadable.insert("GameStatus"); }},
      {"never set up", [&] { store.values["GameStatus"][8] = 0; }},
  };
  for (const auto& [damage, apply] : damages) {
    // The player's own tables, each with its own latest insertion.
    store.values.clear();
    store.unreadable.clear();
    records_test::ClearRecords();
    records::LoadAllRecords();
    for (int t = 0; t < 5; ++t) {
      records::InsertHiScore(u"Player", 9000 + t, true, t + 1);
      records::InsertHiScore(u"Second", 8900 + t, true, t + 1);
    }
    GameStatus.VolumePercent = 30;
    records::SaveAllRecords();
    store.unreadable.clear();
    const std::vector<unsigned char> easy = store.values["Prefs"];
    const std::vector<unsigned char> chroma = store.values["PrefsChroma"];
    // Beside the damaged GameStatus, three tables are damaged in their own ways.
    store.values["PrefsHard"].pop_back();
    store.values["PrefsPanic"].push_back(0);
    store.unreadable.insert("PrefsHeat");
    apply();

    records_test::ClearRecords();
    records::LoadAllRecords();
    EXPECT_EQ(GameStatus.VolumePercent, 100) << damage;
    EXPECT_EQ(BytesOf(&HiScoreTables[0], 144), easy) << damage;
    EXPECT_EQ(HiScoreTables[0].LastInsertIndex, 1) << damage;
    EXPECT_EQ(BytesOf(&HiScoreTables[4], 144), chroma) << damage;
    for (int t = 1; t <= 3; ++t) {
      EXPECT_EQ(
          BytesOf(&HiScoreTables[t], 144),
          std::vector<unsigned char>(defaults.begin() + 144 * t, defaults.begin() + 144 * (t + 1)))
          << damage << " " << t;
    }
    // The next exit writes the kept tables back as they were.
    store.unreadable.clear();
    records::SaveAllRecords();
    EXPECT_EQ(store.values["Prefs"], easy) << damage;
    EXPECT_EQ(store.values["PrefsChroma"], chroma) << damage;
  }
}

TEST_F(RecordStoreTest, MissingShortAndOverlongValuesNeverOverrunTheirRecords) {
  records::LoadAllRecords();
  records::SaveAllRecords();
  store.values["Prefs"].assign(145, 0x41);  // too long: not read at all
  store.values["PrefsHard"].assign(28, 0);  // short: only its own bytes
  HiScoreTables[0].Entry[0].Score = 1;
  records::LoadAllRecords();
  EXPECT_EQ(HiScoreTables[0].Entry[0].Score, 1);
  EXPECT_EQ(HiScoreTables[1].Entry[0].Score, 0);
  EXPECT_EQ(HiScoreTables[1].Entry[1].Score, 5695);
}

// The first save on a disk that filled up wrote GameStatus and the EASY table
// and nothing more: the next start must not show four empty tables.
TEST_F(RecordStoreTest, ValuesNotSavedAreNamedAndAMissingTableComesBackAsTheDefaults) {
  records::LoadAllRecords();
  records::InsertHiScore(u"Player", 9000, true, 1);
  const std::vector<unsigned char> easy = BytesOf(&HiScoreTables[0], 144);
  const std::vector<unsigned char> defaults = BytesOf(HiScoreTables, sizeof HiScoreTables);
  store.location = "/data/Fandriass2";
  store.unwritable = {"PrefsHard", "PrefsPanic", "PrefsHeat", "PrefsChroma"};
  testing::internal::CaptureStderr();
  EXPECT_FALSE(records::SaveAllRecords());
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Fandriass II: cannot save /data/Fandriass2/PrefsHard: the store refused it\n"
            "Fandriass II: cannot save /data/Fandriass2/PrefsPanic: the store refused it\n"
            "Fandriass II: cannot save /data/Fandriass2/PrefsHeat: the store refused it\n"
            "Fandriass II: cannot save /data/Fandriass2/PrefsChroma: the store refused it\n");
  records_test::ClearRecords();
  records::LoadAllRecords();
  EXPECT_EQ(BytesOf(&HiScoreTables[0], 144), easy);
  EXPECT_EQ(BytesOf(&HiScoreTables[1], 4 * 144),
            std::vector<unsigned char>(defaults.begin() + 144, defaults.end()));
  // Nothing holds the failure: the next save writes all six.
  store.unwritable.clear();
  EXPECT_TRUE(records::SaveAllRecords());
  EXPECT_EQ(store.values.size(), 6u);
  EXPECT_FALSE(store.SetValue("Prefs", nullptr, 0)) << "the save left the key open";
}

TEST_F(RecordStoreTest, AStoreThatCannotBeOpenedIsReportedAndTheGameCarriesOn) {
  store.values["GameStatus"].assign(632, 1);
  store.failOpen = true;
  testing::internal::CaptureStderr();
  records::LoadAllRecords();
  EXPECT_FALSE(records::SaveAllRecords());
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Fandriass II: cannot read the records in memory: it cannot be opened\n"
            "Fandriass II: Cannot read values\n"
            "Fandriass II: cannot save the records in memory: it cannot be opened; not saved: "
            "Prefs, GameStatus, PrefsHard, PrefsPanic, PrefsHeat, PrefsChroma\n");
  EXPECT_EQ(GameStatus.VolumePercent, 100);
  EXPECT_EQ(store.values.size(), 1u);
  EXPECT_EQ(store.values["GameStatus"], std::vector<unsigned char>(632, 1));
}

// The faults of a real disk under a running game: each value not written is
// named with its folder and why, what was saved before stays byte for byte, and
// the next save after the fault is put right writes everything.
TEST_F(RecordStoreTest, OnAFailingDiskNothingSavedIsLostAndTheNextSaveRetries) {
  const testing_support::ScratchFolder scratch("records");
  const std::filesystem::path folder = scratch.root / "Fandriass2";
  platform::FileStore disk(folder.string());
  platform::UseStore(&disk);
  records::LoadAllRecords();
  ASSERT_TRUE(records::SaveAllRecords());
  const auto saved = testing_support::FilesIn(folder);
  ASSERT_EQ(saved.size(), 6u);
  records::InsertHiScore(u"Player", 9000, true, 1);
  GameStatus.VolumePercent = 40;

  std::filesystem::permissions(
      folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  bool written = true;
  const std::string said = testing_support::RunAsAnotherUser(
      scratch.root, [] { return records::SaveAllRecords(); }, written);
  EXPECT_FALSE(written);
  EXPECT_EQ(said, "Fandriass II: cannot save the records in " + folder.string() + ": " +
                      std::strerror(EACCES) +
                      "; not saved: Prefs, GameStatus, PrefsHard, PrefsPanic, PrefsHeat, "
                      "PrefsChroma\n");
  EXPECT_EQ(testing_support::FilesIn(folder), saved);
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all);

  // A full disk: the tables fit, GameStatus does not.
  testing::internal::CaptureStderr();
  {
    const testing_support::FileSizeLimit full(300);
    EXPECT_FALSE(records::SaveAllRecords());
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Fandriass II: cannot save " +
                                                        (folder / "GameStatus").string() + ": " +
                                                        std::strerror(EFBIG) + "\n");
  auto now = testing_support::FilesIn(folder);
  EXPECT_EQ(now.size(), 6u);
  EXPECT_EQ(now["GameStatus"], saved.at("GameStatus"));
  EXPECT_EQ(now["Prefs"], BytesOf(&HiScoreTables[0], 144));

  // The folder taken away: the next save makes it again.
  std::filesystem::remove_all(scratch.root);
  EXPECT_TRUE(records::SaveAllRecords());
  now = testing_support::FilesIn(folder);
  EXPECT_EQ(now.size(), 6u);
  EXPECT_EQ(now["GameStatus"], records_test::StatusBytes());
}

}  // namespace
