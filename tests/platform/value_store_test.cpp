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
#include <map>
#include <string>
#include <vector>

#include "platform/files/file_store.hpp"
#include "support/disk_faults.hpp"
#include "support/table_file.hpp"

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;
using platform::QueryOutcome;

namespace {

Bytes Pattern(std::size_t size, unsigned seed) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(seed + i * 7);
  return bytes;
}

Bytes FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::ptrdiff_t Entries(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// Gives an environment variable a value (null: unset) until the guard ends.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) saved_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnvironment() { had_ ? setenv(name_, saved_.c_str(), 1) : unsetenv(name_); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  bool had_ = false;
  std::string saved_;
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

// Runs work on a thread of its own; work stuck opening a pipe is let go by
// opening the pipe's other end, so a fault fails the test instead of hanging
// it. False when the work had to be let go.
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
  const testing_support::ScratchFolder scratch{"store"};
  const fs::path folder_ = scratch.root / "kestrelnet" / "Quillmoor" / "Fandriass2";
};

// Makes what a row says stands under a value's name: missing, file:N (N bytes),
// folder (with a file of the player's in it), fifo, socket, device, link-fifo,
// link-file. False when this machine cannot make it.
bool Make(const fs::path& path, const std::string& what, const fs::path& outside) {
  fs::create_directories(path.parent_path());
  if (what.rfind("file:", 0) == 0) {
    const Bytes bytes = Pattern(std::stoul(what.substr(5)), 9);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  } else if (what == "folder") {
    fs::create_directory(path);
    std::ofstream(path / "player's") << "kept";
  } else if (what == "fifo" || what == "link-fifo") {
    mkfifo(outside.c_str(), 0600);
    if (what == "fifo") fs::rename(outside, path);
    if (what == "link-fifo") fs::create_symlink(outside, path);
  } else if (what == "link-file") {
    std::ofstream(outside) << "elsewhere";
    fs::create_symlink(outside, path);
  } else if (what == "device") {
    return mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;  // as root only
  } else if (what == "socket") {
    // A socket's path must be short: it is made in the temporary folder and moved in.
    const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string spot = "/tmp/fds-" + std::to_string(getpid());
    fs::remove(spot);
    std::memcpy(address.sun_path, spot.c_str(), spot.size() + 1);
    const bool bound =
        bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(listener);
    if (bound) fs::rename(spot, path);
    return bound;
  }
  return true;
}

// What stands under a name now, in the rows' words.
std::string Found(const fs::path& path) {
  const fs::file_status status = fs::symlink_status(path);
  if (fs::is_symlink(status)) return fs::is_fifo(path) ? "link-fifo" : "link-file";
  if (fs::is_regular_file(status)) return "file:" + std::to_string(fs::file_size(path));
  if (fs::is_directory(status))
    return FileBytes(path / "player's") == Bytes{'k', 'e', 'p', 't'} ? "folder" : "?";
  if (fs::is_fifo(status)) return "fifo";
  if (fs::is_socket(status)) return "socket";
  if (fs::is_character_file(status)) return "device";
  return "missing";
}

// Rows of what stands under a value's name and what reading 144 bytes and
// saving 144 bytes there do (tests/data/store_values.txt).
TEST_F(FileStoreTest, EachValueReadsAndSavesAsItsRowSays) {
  platform::FileStore store(folder_.string());
  ASSERT_TRUE(store.OpenKey());
  const char* const outcomes[] = {"Read", "Missing", "TooLong", "Failed"};
  const Bytes saved = Pattern(144, 4);
  const std::map<std::string, std::string> reasons = {
      {"not-plain", "something that is not a plain file is in its place"},
      {"EISDIR", std::strerror(EISDIR)},
      {"EINVAL", std::strerror(EINVAL)}};
  for (const testing_support::Row& row : testing_support::ReadTable("store_values.txt")) {
    SCOPED_TRACE(row.where);
    std::string name = row[0];
    if (name.rfind("v*", 0) == 0) name = std::string(std::stoul(name.substr(2)), 'v');
    if (const auto nul = name.find("\\0"); nul != std::string::npos) name.replace(nul, 2, 1, '\0');
    const fs::path path = folder_ / name, outside = scratch.root / "outside";
    fs::remove_all(outside);
    if (!Make(path, row[1], outside)) continue;
    std::array<unsigned char, 144> buffer;
    buffer.fill(0xEE);
    std::size_t got = 999;
    QueryOutcome outcome{};
    bool wrote = false;
    testing::internal::CaptureStderr();
    const bool inTime = FinishesWithoutWaiting(
        [&] {
          outcome = store.QueryValue(name, buffer.data(), buffer.size(), &got);
          wrote = store.SetValue(name, saved.data(), saved.size());
        },
        {path, outside});
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(inTime) << "a pipe held the store up";
    EXPECT_EQ(outcomes[static_cast<int>(outcome)], row[2]);
    const std::size_t read = outcome == QueryOutcome::Read ? got : 0;
    EXPECT_EQ(row[3], outcome == QueryOutcome::Read ? std::to_string(got) : "-");
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + read, Pattern(read, 9).begin()));
    EXPECT_TRUE(std::all_of(buffer.begin() + read, buffer.end(), [](auto b) { return b == 0xEE; }));
    const bool refused = row[1] != "missing" && row[1].rfind("file:", 0) != 0;
    EXPECT_EQ(said.find(path.string() + " ") != std::string::npos, refused) << said;
    EXPECT_EQ(wrote, row[4] == "saved");
    EXPECT_EQ(wrote ? "saved" : store.LastFailure(), wrote ? "saved" : reasons.at(row[4]));
    EXPECT_EQ(Found(path), row[5]);
    EXPECT_EQ(row[5] == "file:144", Found(path) == "file:144" && FileBytes(path) == saved);
    EXPECT_EQ(fs::is_regular_file(outside) ? fs::file_size(outside) : 0,
              row[1] == "link-file" ? 9u : 0u);
    for (const auto& entry : fs::directory_iterator(folder_)) {
      EXPECT_NE(entry.path().filename().string().rfind(".saving-", 0), 0u) << "a half-made value";
    }
    for (const auto& entry : fs::directory_iterator(folder_)) fs::remove_all(entry.path());
  }
}

TEST_F(FileStoreTest, TheKeyIsAPrivateFolderHoldingExactlyTheValues) {
  platform::FileStore store(folder_.string());
  ASSERT_TRUE(store.OpenKey());
  // Every folder of the way that was not there before is made private to the player.
  EXPECT_EQ(fs::status(folder_).permissions(), fs::perms::owner_all);
  EXPECT_EQ(fs::status(scratch.root / "kestrelnet").permissions(), fs::perms::owner_all);
  const Bytes status = Pattern(632, 3);
  ASSERT_TRUE(store.SetValue("GameStatus", status.data(), status.size()));
  ASSERT_TRUE(store.SetValue("Prefs", status.data(), 144));
  store.CloseKey();
  EXPECT_EQ(FileBytes(folder_ / "GameStatus"), status);
  EXPECT_EQ(Entries(folder_), 2);
  // A closed key reads and writes nothing.
  std::array<unsigned char, 632> record{};
  std::size_t got = 0;
  EXPECT_EQ(store.QueryValue("Prefs", record.data(), record.size(), &got), QueryOutcome::Failed);
  EXPECT_FALSE(store.SetValue("Two", record.data(), 1));
  EXPECT_EQ(store.LastFailure(), "the folder is not open");
  ASSERT_TRUE(store.OpenKey());
  EXPECT_EQ(store.QueryValue("GameStatus", record.data(), record.size(), &got), QueryOutcome::Read);
  EXPECT_EQ(Bytes(record.begin(), record.end()), status);
  EXPECT_EQ(Entries(folder_), 2);

  // A file where a folder of the way should be: the open fails and the file stays.
  const fs::path blocker = scratch.root / "blocked";
  { std::ofstream(blocker) << "player's own file"; }
  platform::FileStore blocked((blocker / "Fandriass2").string());
  EXPECT_FALSE(blocked.OpenKey());
  EXPECT_EQ(blocked.LastFailure(), std::strerror(ENOTDIR));
  EXPECT_FALSE(blocked.SetValue("Prefs", status.data(), 1));
  EXPECT_EQ(FileBytes(blocker).size(), 17u);
}

TEST(DefaultStoreFolder, FollowsXdgDataHomeElseHomeElseThePasswordEntry) {
  const std::string tail = "/kestrelnet/Quillmoor/Fandriass2";
  ScopedEnvironment data("XDG_DATA_HOME", "/data/here"), home("HOME", "/home/player");
  EXPECT_EQ(platform::DefaultStoreFolder(), "/data/here" + tail);
  EXPECT_EQ(platform::FileStore().Location(), "/data/here" + tail);
  setenv("XDG_DATA_HOME", "relative/ignored", 1);
  EXPECT_EQ(platform::DefaultStoreFolder(), "/home/player/.local/share" + tail);
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(platform::DefaultStoreFolder(), "/home/player/.local/share" + tail);
  unsetenv("HOME");
  const passwd* user = getpwuid(getuid());
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(platform::DefaultStoreFolder(), std::string(user->pw_dir) + "/.local/share" + tail);
}

TEST_F(FileStoreTest, AnInterruptedOrFailedSaveKeepsTheOldValueAndLeavesNothingBehind) {
  const Bytes oldValue = Pattern(632, 1), newValue = Pattern(632, 2);
  {
    platform::FileStore store(folder_.string());
    ASSERT_TRUE(store.OpenKey());
    ASSERT_TRUE(store.SetValue("GameStatus", oldValue.data(), oldValue.size()));
    store.interruption = platform::FileStore::Interruption::AfterTemporaryFile;
    EXPECT_FALSE(store.SetValue("GameStatus", newValue.data(), newValue.size()));
    store.interruption = platform::FileStore::Interruption::None;
    {
      const testing_support::FileSizeLimit diskFull(300);
      EXPECT_FALSE(store.SetValue("GameStatus", newValue.data(), newValue.size()));
      EXPECT_FALSE(store.SetValue("Prefs", newValue.data(), newValue.size()));
    }
    EXPECT_EQ(Entries(folder_), 2) << "the value and the interruption's leftover";
    EXPECT_EQ(store.LastFailure(), std::strerror(EFBIG));
  }
  EXPECT_EQ(FileBytes(folder_ / "GameStatus"), oldValue);
  // The next start reads the old value and sweeps the crash's leftovers away.
  platform::FileStore store(folder_.string());
  ASSERT_TRUE(store.OpenKey());
  EXPECT_EQ(Entries(folder_), 1);
  std::array<unsigned char, 632> record{};
  std::size_t got = 0;
  ASSERT_EQ(store.QueryValue("GameStatus", record.data(), record.size(), &got), QueryOutcome::Read);
  EXPECT_EQ(Bytes(record.begin(), record.end()), oldValue);
}

TEST_F(FileStoreTest, NoDescriptorIsKeptAndRunningOutOfThemLosesNothing) {
  const Bytes table = Pattern(144, 5), other = Pattern(144, 6);
  std::array<unsigned char, 144> buffer{};
  std::size_t got = 0;
  const std::ptrdiff_t before = Entries("/proc/self/fd");
  {
    platform::FileStore store(folder_.string());
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(store.OpenKey());  // opening again closes the key first
      EXPECT_TRUE(store.SetValue("Prefs", table.data(), table.size()));
      EXPECT_EQ(store.QueryValue("Prefs", buffer.data(), buffer.size(), &got), QueryOutcome::Read);
      EXPECT_EQ(store.QueryValue("PrefsHard", buffer.data(), buffer.size(), &got),
                QueryOutcome::Missing);
    }
  }
  EXPECT_EQ(Entries("/proc/self/fd"), before);
  {
    // Started with standard input closed, the folder's descriptor may be 0.
    const int input = dup(0);
    close(0);
    platform::FileStore store(folder_.string());
    ASSERT_TRUE(store.OpenKey());
    EXPECT_TRUE(store.SetValue("Prefs", table.data(), table.size()));
    store.CloseKey();
    EXPECT_EQ(fcntl(0, F_GETFD), -1) << "the key's descriptor was let go";
    dup2(input, 0);
    close(input);
  }

  platform::FileStore store(folder_.string());
  ASSERT_TRUE(store.OpenKey());
  buffer.fill(0xEE);
  QueryOutcome outcome;
  bool saved = true, reopened = true;
  std::string reopenFailure;
  {
    const NoMoreDescriptors none;
    outcome = store.QueryValue("Prefs", buffer.data(), buffer.size(), &got);
    saved = store.SetValue("Prefs", other.data(), other.size());
    platform::FileStore again(folder_.string());
    reopened = again.OpenKey();
    reopenFailure = again.LastFailure();
  }
  EXPECT_EQ(outcome, QueryOutcome::Failed);
  EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](auto b) { return b == 0xEE; }));
  EXPECT_FALSE(saved);
  EXPECT_FALSE(reopened);
  EXPECT_EQ(store.LastFailure(), std::strerror(EMFILE));
  EXPECT_EQ(reopenFailure, std::strerror(EMFILE));
  EXPECT_EQ(FileBytes(folder_ / "Prefs"), table);
}

}  // namespace
