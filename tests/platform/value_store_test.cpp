#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/file_store.hpp"

namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> Pattern(std::size_t size, unsigned seed) {
  std::vector<unsigned char> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(seed + i * 7);
  return bytes;
}

std::vector<unsigned char> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ =
        fs::temp_directory_path() /
        ("fandriass-store-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    folder_ = root_ / "kestrelnet" / "Quillmoor" / "Fandriass2";
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
  fs::path folder_;
};

TEST_F(FileStoreTest, CreatesTheKeyAndRoundTripsEveryByte) {
  platform::FileStore store(folder_.string());
  ASSERT_TRUE(store.OpenKey());
  EXPECT_TRUE(fs::is_directory(folder_));

  const auto status = Pattern(632, 3);
  const auto table = Pattern(144, 200);
  ASSERT_TRUE(store.SetValue("GameStatus", status.data(), status.size()));
  ASSERT_TRUE(store.SetValue("Prefs", table.data(), table.size()));
  store.CloseKey();

  // The files are exactly the values: nothing added, nothing else left in the folder.
  EXPECT_EQ(FileBytes(folder_ / "GameStatus"), status);
  EXPECT_EQ(FileBytes(folder_ / "Prefs"), table);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);

  platform::FileStore again(folder_.string());
  ASSERT_TRUE(again.OpenKey());
  std::array<unsigned char, 632> record{};
  std::size_t got = 0;
  EXPECT_EQ(again.QueryValue("GameStatus", record.data(), record.size(), &got),
            platform::QueryOutcome::Read);
  EXPECT_EQ(got, 632u);
  EXPECT_TRUE(std::equal(record.begin(), record.end(), status.begin()));

  EXPECT_EQ(again.QueryValue("PrefsHeat", record.data(), record.size(), &got),
            platform::QueryOutcome::Missing);
}

TEST_F(FileStoreTest, ShorterValueFillsTheFrontAndLongerOneLeavesTheBufferAlone) {
  platform::FileStore store(folder_.string());
  ASSERT_TRUE(store.OpenKey());
  const auto shortValue = Pattern(100, 9);
  const auto longValue = Pattern(145, 50);
  ASSERT_TRUE(store.SetValue("PrefsHard", shortValue.data(), shortValue.size()));
  ASSERT_TRUE(store.SetValue("PrefsPanic", longValue.data(), longValue.size()));

  std::array<unsigned char, 144> table;
  table.fill(0xEE);
  std::size_t got = 0;
  EXPECT_EQ(store.QueryValue("PrefsHard", table.data(), table.size(), &got),
            platform::QueryOutcome::Read);
  EXPECT_EQ(got, 100u);
  EXPECT_TRUE(std::equal(shortValue.begin(), shortValue.end(), table.begin()));
  EXPECT_EQ(table[100], 0xEE);
  EXPECT_EQ(table[143], 0xEE);

  table.fill(0xEE);
  EXPECT_EQ(store.QueryValue("PrefsPanic", table.data(), table.size(), &got),
            platform::QueryOutcome::TooLong);
  for (unsigned char b : table) ASSERT_EQ(b, 0xEE);

  // A value that is not a plain file, or a name that would leave the folder, is a failure.
  fs::create_directory(folder_ / "PrefsHeat");
  EXPECT_EQ(store.QueryValue("PrefsHeat", table.data(), table.size(), &got),
            platform::QueryOutcome::Failed);
  EXPECT_EQ(store.QueryValue("../escape", table.data(), table.size(), &got),
            platform::QueryOutcome::Failed);
  EXPECT_FALSE(store.SetValue("../escape", table.data(), table.size()));

  // Rewriting with a shorter value truncates: no tail of the old one survives.
  ASSERT_TRUE(store.SetValue("PrefsPanic", shortValue.data(), shortValue.size()));
  EXPECT_EQ(FileBytes(folder_ / "PrefsPanic"), shortValue);
}

TEST_F(FileStoreTest, UncreatableFolderIsTheOpenFailureAndLosesNothing) {
  // Tests may run as root, which ignores permissions: a regular file in the path is
  // what makes the folder impossible to create.
  fs::create_directories(root_);
  const fs::path blocker = root_ / "kestrelnet";
  { std::ofstream(blocker, std::ios::binary) << "player's own file"; }

  platform::FileStore store(folder_.string());
  EXPECT_FALSE(store.OpenKey());
  const unsigned char byte = 1;
  EXPECT_FALSE(store.SetValue("Prefs", &byte, 1));
  std::size_t got = 0;
  unsigned char buffer[4] = {};
  EXPECT_EQ(store.QueryValue("Prefs", buffer, sizeof buffer, &got), platform::QueryOutcome::Failed);

  ASSERT_TRUE(fs::is_regular_file(blocker));
  const auto kept = FileBytes(blocker);
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "player's own file");
}

TEST_F(FileStoreTest, InterruptedSaveKeepsTheOldValue) {
  const auto oldValue = Pattern(632, 1);
  const auto newValue = Pattern(632, 2);
  {
    platform::FileStore store(folder_.string());
    ASSERT_TRUE(store.OpenKey());
    ASSERT_TRUE(store.SetValue("GameStatus", oldValue.data(), oldValue.size()));

    store.interruption = platform::FileStore::Interruption::AfterTemporaryFile;
    EXPECT_FALSE(store.SetValue("GameStatus", newValue.data(), newValue.size()));
    store.interruption = platform::FileStore::Interruption::DiskFull;
    EXPECT_FALSE(store.SetValue("GameStatus", newValue.data(), newValue.size()));
    EXPECT_FALSE(store.SetValue("Prefs", newValue.data(), newValue.size()));
  }
  EXPECT_EQ(FileBytes(folder_ / "GameStatus"), oldValue);
  EXPECT_FALSE(fs::exists(folder_ / "Prefs"));

  // The next start reads the old value and sweeps the crash's leftovers away.
  platform::FileStore store(folder_.string());
  ASSERT_TRUE(store.OpenKey());
  std::array<unsigned char, 632> record{};
  std::size_t got = 0;
  ASSERT_EQ(store.QueryValue("GameStatus", record.data(), record.size(), &got),
            platform::QueryOutcome::Read);
  EXPECT_TRUE(std::equal(record.begin(), record.end(), oldValue.begin()));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST(DefaultStoreFolder, FollowsXdgDataHomeElseHome) {
  const char* savedData = std::getenv("XDG_DATA_HOME");
  const char* savedHome = std::getenv("HOME");
  const std::string keepData = savedData ? savedData : "";
  const std::string keepHome = savedHome ? savedHome : "";

  setenv("XDG_DATA_HOME", "/data/here", 1);
  EXPECT_EQ(platform::DefaultStoreFolder(), "/data/here/kestrelnet/Quillmoor/Fandriass2");
  setenv("XDG_DATA_HOME", "relative/ignored", 1);
  setenv("HOME", "/home/player", 1);
  EXPECT_EQ(platform::DefaultStoreFolder(),
            "/home/player/.local/share/kestrelnet/Quillmoor/Fandriass2");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(platform::DefaultStoreFolder(),
            "/home/player/.local/share/kestrelnet/Quillmoor/Fandriass2");

  if (savedData) setenv("XDG_DATA_HOME", keepData.c_str(), 1);
  if (savedHome) setenv("HOME", keepHome.c_str(), 1);
}

TEST(MemoryStore, HasTheFileStoreOutcomes) {
  platform::MemoryStore store;
  unsigned char buffer[4] = {9, 9, 9, 9};
  std::size_t got = 0;
  EXPECT_EQ(store.QueryValue("Prefs", buffer, 4, &got), platform::QueryOutcome::Failed);
  store.failOpen = true;
  EXPECT_FALSE(store.OpenKey());
  EXPECT_FALSE(store.SetValue("Prefs", buffer, 4));
  store.failOpen = false;
  ASSERT_TRUE(store.OpenKey());

  EXPECT_EQ(store.QueryValue("Prefs", buffer, 4, &got), platform::QueryOutcome::Missing);
  const unsigned char two[2] = {1, 2};
  const unsigned char five[5] = {1, 2, 3, 4, 5};
  ASSERT_TRUE(store.SetValue("Prefs", two, 2));
  ASSERT_TRUE(store.SetValue("GameStatus", five, 5));
  EXPECT_EQ(store.QueryValue("Prefs", buffer, 4, &got), platform::QueryOutcome::Read);
  EXPECT_EQ(got, 2u);
  EXPECT_EQ(buffer[0], 1);
  EXPECT_EQ(buffer[2], 9);
  EXPECT_EQ(store.QueryValue("GameStatus", buffer, 4, &got), platform::QueryOutcome::TooLong);
  EXPECT_EQ(buffer[2], 9);

  platform::UseStore(&store);
  EXPECT_EQ(&platform::ActiveStore(), &store);
  platform::UseStore(nullptr);
  EXPECT_NE(&platform::ActiveStore(), &store);
}

}  // namespace
