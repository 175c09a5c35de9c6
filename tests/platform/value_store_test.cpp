#include <gtest/gtest.h>

#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_store.hpp"
#include "support/disk_faults.hpp"

namespace fs = std::filesystem;
using testing_support::FileSizeLimit;

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

// Puts an environment variable back as it was (set or unset), however the test ends.
class EnvironmentGuard {
 public:
  explicit EnvironmentGuard(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) saved_ = value;
  }
  ~EnvironmentGuard() {
    if (saved_) {
      setenv(name_, saved_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  EnvironmentGuard(const EnvironmentGuard&) = delete;
  EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

// Lets the process open no more descriptors until the guard ends.
class NoMoreDescriptors {
 public:
  NoMoreDescriptors() {
    getrlimit(RLIMIT_NOFILE, &saved_);
    const int lowestFree = dup(0);
    close(lowestFree);
    rlimit limit = saved_;
    limit.rlim_cur = static_cast<rlim_t>(lowestFree);
    setrlimit(RLIMIT_NOFILE, &limit);
  }
  ~NoMoreDescriptors() { setrlimit(RLIMIT_NOFILE, &saved_); }
  NoMoreDescriptors(const NoMoreDescriptors&) = delete;
  NoMoreDescriptors& operator=(const NoMoreDescriptors&) = delete;

 private:
  rlimit saved_{};
};

std::ptrdiff_t OpenDescriptors() {
  return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
}

// Sends the game back to its own store however the test ends.
struct StoreGuard {
  ~StoreGuard() { platform::UseStore(nullptr); }
};

// Runs work on a thread of its own. Work stuck opening a pipe is let go by
// opening the pipe's other end, so a fault shows as a failure rather than a test
// run that never ends. False when the work had to be let go.
bool FinishesWithoutWaiting(const std::function<void()>& work, const std::vector<fs::path>& pipes) {
  std::future<void> done = std::async(std::launch::async, work);
  if (done.wait_for(std::chrono::seconds(10)) == std::future_status::ready) return true;
  while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
    for (const fs::path& pipe : pipes) {
      const int writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (writer >= 0) close(writer);
    }
  }
  return false;
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
  // Made private to the player, every folder of the way that was not there before.
  EXPECT_EQ(fs::status(folder_).permissions(), fs::perms::owner_all);
  EXPECT_EQ(fs::status(root_ / "kestrelnet").permissions(), fs::perms::owner_all);

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

  // The smallest values, and the longest name a value may have.
  const std::string longest(200, 'v');
  const unsigned char one = 0x5A;
  ASSERT_TRUE(again.SetValue("One", &one, 1));
  ASSERT_TRUE(again.SetValue("None", &one, 0));
  ASSERT_TRUE(again.SetValue(longest, &one, 1));
  EXPECT_FALSE(again.SetValue(longest + "v", &one, 1));
  EXPECT_EQ(again.QueryValue("One", record.data(), record.size(), &got),
            platform::QueryOutcome::Read);
  EXPECT_EQ(got, 1u);
  EXPECT_EQ(record[0], 0x5A);
  EXPECT_EQ(again.QueryValue("None", record.data(), record.size(), &got),
            platform::QueryOutcome::Read);
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(FileBytes(folder_ / longest), std::vector<unsigned char>{0x5A});

  // A closed key reads and writes nothing.
  again.CloseKey();
  EXPECT_EQ(again.QueryValue("One", record.data(), record.size(), &got),
            platform::QueryOutcome::Failed);
  EXPECT_FALSE(again.SetValue("Two", &one, 1));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 5);
}

TEST_F(FileStoreTest, WithoutAFolderGivenTheKeyIsInTheUsersDataFolder) {
  const EnvironmentGuard dataGuard("XDG_DATA_HOME");
  setenv("XDG_DATA_HOME", root_.c_str(), 1);
  platform::FileStore store;
  EXPECT_EQ(store.Location(), folder_.string());
  ASSERT_TRUE(store.OpenKey());
  EXPECT_EQ(store.Folder(), folder_.string());
  EXPECT_TRUE(fs::is_directory(folder_));
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
  fs::create_directory(folder_ / "inner");
  { std::ofstream(folder_ / "inner" / "Prefs") << "not a value"; }
  EXPECT_EQ(store.QueryValue("inner/Prefs", table.data(), table.size(), &got),
            platform::QueryOutcome::Failed);
  EXPECT_FALSE(store.SetValue("inner/Prefs", table.data(), table.size()));
  EXPECT_EQ(
      store.QueryValue(std::string_view("PrefsHard\0x", 11), table.data(), table.size(), &got),
      platform::QueryOutcome::Failed);
  EXPECT_EQ(store.QueryValue("PrefsHard", table.data(), 0, &got), platform::QueryOutcome::TooLong);

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
  EXPECT_EQ(store.LastFailure(), std::strerror(ENOTDIR));
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
    store.interruption = platform::FileStore::Interruption::None;
    {
      const FileSizeLimit diskFull(300);
      EXPECT_FALSE(store.SetValue("GameStatus", newValue.data(), newValue.size()));
      EXPECT_FALSE(store.SetValue("Prefs", newValue.data(), newValue.size()));
    }
    // A failed write takes its half-made value away at once, and says why.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
    EXPECT_EQ(store.LastFailure(), std::strerror(EFBIG));
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

TEST_F(FileStoreTest, ValuesThatAreNotFilesAreRefusedWithoutWaitingAndLeftAlone) {
  platform::FileStore store(folder_.string());
  ASSERT_TRUE(store.OpenKey());
  const fs::path pipe = folder_ / "Prefs";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  fs::create_directory(folder_ / "PrefsHeat");
  { std::ofstream(folder_ / "PrefsHeat" / "inside") << "kept"; }
  // A socket's path must be short, so it is made beside the temporary folder and moved in.
  const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  ASSERT_GE(listener, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const fs::path shortPath = fs::temp_directory_path() / ("fds-" + std::to_string(getpid()));
  fs::remove(shortPath);
  ASSERT_LT(shortPath.string().size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, shortPath.c_str(), shortPath.string().size() + 1);
  ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  fs::rename(shortPath, folder_ / "PrefsHard");
  // A device only where nodes may be made (as root); the null device is harmless.
  const bool device = mknod((folder_ / "PrefsPanic").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
  // A link could lead a value anywhere, to a pipe as easily as to a file.
  const fs::path outside = root_ / "outside-pipe";
  ASSERT_EQ(mkfifo(outside.c_str(), 0600), 0);
  fs::create_symlink(outside, folder_ / "PrefsChroma");

  const char* const names[] = {"Prefs", "PrefsHeat", "PrefsHard", "PrefsPanic", "PrefsChroma"};
  std::vector<platform::QueryOutcome> outcomes;
  std::array<unsigned char, 144> table;
  table.fill(0xEE);
  testing::internal::CaptureStderr();
  const bool inTime = FinishesWithoutWaiting(
      [&] {
        for (const char* name : names) {
          std::size_t got = 0;
          outcomes.push_back(store.QueryValue(name, table.data(), table.size(), &got));
        }
      },
      {pipe, outside});
  const std::string said = testing::internal::GetCapturedStderr();
  close(listener);
  ASSERT_TRUE(inTime) << "a pipe held the load up";

  ASSERT_EQ(outcomes.size(), 5u);
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    EXPECT_EQ(outcomes[i], platform::QueryOutcome::Failed) << names[i];
    if (!device && i == 3) continue;
    EXPECT_NE(said.find((folder_ / names[i]).string() + " "), std::string::npos) << names[i];
  }
  for (unsigned char b : table) ASSERT_EQ(b, 0xEE);
  // Saving does not replace them either: the program's exits save, and a close
  // of the window must not turn a pipe into a file.
  for (const char* name : names) EXPECT_FALSE(store.SetValue(name, table.data(), 144)) << name;
  EXPECT_EQ(store.LastFailure(), "something that is not a plain file is in its place");
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
  EXPECT_TRUE(fs::is_fifo(outside));
  EXPECT_TRUE(fs::is_socket(fs::symlink_status(folder_ / "PrefsHard")));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder_ / "PrefsChroma")));
  EXPECT_EQ(fs::is_character_file(fs::symlink_status(folder_ / "PrefsPanic")), device);
  const auto inside = FileBytes(folder_ / "PrefsHeat" / "inside");
  EXPECT_EQ(std::string(inside.begin(), inside.end()), "kept");
}

TEST_F(FileStoreTest, ASaveAFolderStandsInTheWayOfFailsWithItsReason) {
  platform::FileStore store(folder_.string());
  ASSERT_TRUE(store.OpenKey());
  fs::create_directories(folder_ / "PrefsHeat" / "player's");
  const auto table = Pattern(144, 4);
  EXPECT_FALSE(store.SetValue("PrefsHeat", table.data(), table.size()));
  EXPECT_EQ(store.LastFailure(), std::strerror(EISDIR));
  EXPECT_TRUE(store.SetValue("Prefs", table.data(), table.size()));
  // The folder and what it holds stay; no half-made value is left beside them.
  EXPECT_TRUE(fs::is_directory(folder_ / "PrefsHeat" / "player's"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

TEST_F(FileStoreTest, NoDescriptorIsKeptAndRunningOutOfThemLosesNothing) {
  const auto table = Pattern(144, 5);
  {
    platform::FileStore store(folder_.string());
    ASSERT_TRUE(store.OpenKey());
    ASSERT_TRUE(store.SetValue("Prefs", table.data(), table.size()));
  }
  { std::ofstream(folder_ / ".saving-Prefs-leftover") << "crash"; }
  std::array<unsigned char, 144> buffer{};
  std::size_t got = 0;
  const std::ptrdiff_t before = OpenDescriptors();
  {
    platform::FileStore store(folder_.string());
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(store.OpenKey());  // opening again closes the key first
      EXPECT_EQ(store.QueryValue("Prefs", buffer.data(), buffer.size(), &got),
                platform::QueryOutcome::Read);
      EXPECT_EQ(store.QueryValue("PrefsHard", buffer.data(), buffer.size(), &got),
                platform::QueryOutcome::Missing);
      EXPECT_TRUE(store.SetValue("Prefs", table.data(), table.size()));
    }
  }
  EXPECT_EQ(OpenDescriptors(), before);

  platform::FileStore store(folder_.string());
  ASSERT_TRUE(store.OpenKey());
  buffer.fill(0xEE);
  const auto other = Pattern(144, 6);
  platform::QueryOutcome outcome;
  bool saved = true;
  bool reopened = true;
  std::string reopenFailure;
  {
    const NoMoreDescriptors none;
    outcome = store.QueryValue("Prefs", buffer.data(), buffer.size(), &got);
    saved = store.SetValue("Prefs", other.data(), other.size());
    platform::FileStore again(folder_.string());
    reopened = again.OpenKey();
    reopenFailure = again.LastFailure();
  }
  EXPECT_EQ(outcome, platform::QueryOutcome::Failed);
  for (unsigned char b : buffer) ASSERT_EQ(b, 0xEE);
  EXPECT_FALSE(saved);
  EXPECT_FALSE(reopened);
  EXPECT_EQ(store.LastFailure(), std::strerror(EMFILE));
  EXPECT_EQ(reopenFailure, std::strerror(EMFILE));
  EXPECT_EQ(FileBytes(folder_ / "Prefs"), table);
}

TEST(DefaultStoreFolder, FollowsXdgDataHomeElseHome) {
  const EnvironmentGuard dataGuard("XDG_DATA_HOME");
  const EnvironmentGuard homeGuard("HOME");

  setenv("XDG_DATA_HOME", "/data/here", 1);
  EXPECT_EQ(platform::DefaultStoreFolder(), "/data/here/kestrelnet/Quillmoor/Fandriass2");
  setenv("XDG_DATA_HOME", "relative/ignored", 1);
  setenv("HOME", "/home/player", 1);
  EXPECT_EQ(platform::DefaultStoreFolder(),
            "/home/player/.local/share/kestrelnet/Quillmoor/Fandriass2");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(platform::DefaultStoreFolder(),
            "/home/player/.local/share/kestrelnet/Quillmoor/Fandriass2");
  // Without a usable HOME, the user's entry in the password database says where home is.
  unsetenv("HOME");
  const passwd* user = getpwuid(getuid());
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(platform::DefaultStoreFolder(),
            std::string(user->pw_dir) + "/.local/share/kestrelnet/Quillmoor/Fandriass2");
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

  store.unreadable.insert("Prefs");
  buffer[0] = 7;
  EXPECT_EQ(store.QueryValue("Prefs", buffer, 4, &got), platform::QueryOutcome::Failed);
  EXPECT_EQ(buffer[0], 7);

  {
    const StoreGuard guard;
    platform::UseStore(&store);
    EXPECT_EQ(&platform::ActiveStore(), &store);
  }
  EXPECT_NE(&platform::ActiveStore(), &store);
}

}  // namespace
