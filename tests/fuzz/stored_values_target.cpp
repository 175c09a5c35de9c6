// Feeds arbitrary bytes to the game as its six stored values: through the file
// store, the loader and the start-up's choice of first screen, then a few
// seconds of whatever comes up (a resumed game, the menu) with taps taken from
// the input, then a save. Besides crashes and sanitizer reports it checks what
// the loader promises, and that what was saved loads and saves again unchanged.
//
// The input, value by value in the stored order (Prefs, GameStatus, PrefsHard,
// PrefsPanic, PrefsHeat, PrefsChroma): a header byte H, then the value's bytes.
//   H 0x00..0x3F  no such value; nothing more is taken for it
//   H 0x40..0x7F  exactly the record's size
//   H 0x80..0xBF  short: (H & 0x3F) 64ths of the record's size, rounded down (0: empty)
//   H 0xC0..0xFF  too long: the record's size + 1 + (H & 0x3F) * 71 bytes
// Bytes wanted past the end of the input are zero, and so is a header there: the
// empty input is the first run. What follows the six values is read three bytes
// at a time as taps: x and y scaled from 0..255 to the screen, then a byte F whose
// bit 0 answers a message box raised meanwhile with its first button (Yes, OK)
// instead of its last (No), and whose F >> 1 is the wait after the tap, in 10 ms
// steps after a first one.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "engine/game_state.hpp"
#include "platform/file_store.hpp"
#include "platform/headless.hpp"
#include "platform/message_box_log.hpp"
#include "platform/runtime.hpp"
#include "platform/single_instance.hpp"
#include "platform/window.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "records/kept_game_check.hpp"
#include "records/new_hiscore_screen.hpp"
#include "records/record_store.hpp"
#include "records/settings.hpp"
#include "render/screen_state.hpp"
#include "shell/quit_program.hpp"
#include "shell/start_up.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Value = std::optional<Bytes>;
constexpr int kValueCount = 6;

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
// Every run starts at the same time, so a resumed game deals the same balls and
// a finding replays alike.
constexpr std::uint32_t kClockStart = 50000;
// About 300 ticks of the game timer, taps included; the first taps come after
// the first screen has settled.
constexpr std::uint32_t kRunMs = 3000;
constexpr std::uint32_t kSettleMs = 200;
constexpr std::size_t kMostTaps = 24;

struct Tap {
  int x;
  int y;
  bool answerYes;
  std::uint32_t waitMs;
};

struct Framed {
  Value values[kValueCount];
  std::vector<Tap> taps;
};

std::size_t RecordSize(int index) {
  return index == 1 ? sizeof(records::GameStatusRecord) : sizeof(records::HiScoreTable);
}

void* RecordOf(int index) {
  return index == 1 ? static_cast<void*>(&records::GameStatus)
                    : static_cast<void*>(&records::HiScoreTables[index == 0 ? 0 : index - 1]);
}

Framed Frame(const std::uint8_t* data, std::size_t size) {
  std::size_t at = 0;
  const auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
  Framed framed;
  for (int i = 0; i < kValueCount; ++i) {
    const std::uint8_t header = next();
    const std::size_t record = RecordSize(i);
    const std::size_t steps = header & 0x3Fu;
    std::size_t length = 0;
    switch (header >> 6) {
      case 0:
        continue;
      case 1:
        length = record;
        break;
      case 2:
        length = record * steps / 64;
        break;
      default:
        length = record + 1 + steps * 71;
        break;
    }
    Bytes bytes(length);
    for (std::uint8_t& byte : bytes) byte = next();
    framed.values[i] = std::move(bytes);
  }
  while (at + 3 <= size && framed.taps.size() < kMostTaps) {
    const int x = data[at] * kScreenWidth / 256;
    const int y = data[at + 1] * kScreenHeight / 256;
    const std::uint8_t flags = data[at + 2];
    at += 3;
    framed.taps.push_back(Tap{x, y, (flags & 1u) != 0, 10u + (flags >> 1) * 10u});
  }
  return framed;
}

[[noreturn]] void Finding(const char* what) {
  std::fprintf(stderr, "stored values: %s\n", what);
  std::abort();
}

void Check(bool holds, const char* what) {
  if (!holds) Finding(what);
}

// The program's store and its one-copy lock live in a private folder, in memory
// where the machine has one: every save syncs each value to the disk.
struct Folders {
  std::string root;
  std::string store;
};

Folders MakeFolders() {
  const char* tmp = std::getenv("TMPDIR");
  std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (tmp != nullptr ? tmp : "/tmp");
  std::string pattern = base + "/fandriass-fuzz-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) Finding("no private folder for the store");
  Folders folders{pattern, pattern + "/store"};
  if (mkdir(folders.store.c_str(), 0700) != 0) Finding("no store folder");
  return folders;
}

std::string ValuePath(const std::string& folder, std::string_view name) {
  return folder + "/" + std::string(name);
}

void WriteValue(const std::string& path, const Value& value) {
  unlink(path.c_str());
  if (!value) return;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) Finding("a value could not be put in place");
  const bool written = value->empty() || std::fwrite(value->data(), value->size(), 1, file) == 1;
  if (std::fclose(file) != 0 || !written) Finding("a value could not be put in place");
}

Value ReadValue(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  Bytes bytes;
  std::uint8_t chunk[4096];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  std::fclose(file);
  return bytes;
}

class Harness {
 public:
  static Harness& Get() {
    static Harness harness;
    return harness;
  }

  const std::string& Store() const { return folders_.store; }
  const records::HiScoreTable& DefaultTable(int mode) const { return defaults_[mode - 1]; }

  // Puts the program back as a fresh process has it, as far as the records and the
  // screens go, keeping the window, the pictures and the sounds of the one start.
  // Done at the end of each run, so that a run frees what it took and the fuzzer
  // only looks for leaks where there could be one.
  void EndRun() {
    if (platform::headless::QuitPosted() || shell::Leaving()) StartProgram();
    popup::ResetPopup();
    records::DestroyNameEntryControls();
    platform::KillTimer(platform::MainWindow(), engine::GameTimer);
    platform::headless::Pump();
    platform::ForgetMessageBoxAnswers();
    platform::TakeShownMessageBoxes();
    DrainFaults();
    ForgetRecords();
    shell::ResetShell();
    platform::headless::SetClock(kClockStart);
    platform::Srand(1);
  }

  // The main window shows what the first screen chose, with the focus it has
  // after the start.
  void ShowFirstScreen() {
    platform::Window* main = platform::MainWindow();
    if (platform::GetFocus() != main) {
      platform::SetFocus(main);
    } else {
      platform::SendMessage(main, platform::msg::SetFocus, 0, 0);
    }
    platform::InvalidateRect(main, nullptr);
    platform::UpdateWindow(main);
  }

  static void ForgetRecords() {
    std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
    std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
  }

  // A stuck loop or a box nobody could answer is a finding like a crash.
  static void DrainFaults() {
    const std::vector<std::string> faults = platform::headless::TakeFaults();
    if (!faults.empty()) Finding(faults.front().c_str());
  }

  static bool answerYes;

  // Only files are touched at exit: the program's own statics may be gone by then.
  ~Harness() {
    std::error_code ignored;
    std::filesystem::remove_all(folders_.root, ignored);
  }
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

 private:
  Harness() : folders_(MakeFolders()), store_(folders_.store) {
    setenv("XDG_RUNTIME_DIR", folders_.root.c_str(), 1);
    platform::UseStore(&store_);
    // The tables a first run writes are the defaults every damaged table is measured by.
    StartProgram();
    std::memcpy(defaults_, records::HiScoreTables, sizeof defaults_);
    EndRun();
  }

  void StartProgram() {
    popup::ResetPopup();
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
    ForgetRecords();
    shell::ResetShell();
    platform::headless::Start(platform::ScreenConfig{kScreenWidth, kScreenHeight, 0, 0},
                              kClockStart);
    if (shell::StartUp() != shell::StartOutcome::Run) Finding("the program did not start");
    platform::headless::SetModalWaitHandler(&AnswerBox);
  }

  static void AnswerBox() {
    platform::headless::Key(answerYes ? platform::vk::Return : platform::vk::Escape);
  }

  Folders folders_;
  platform::FileStore store_;
  records::HiScoreTable defaults_[5] = {};
};

bool Harness::answerYes = false;

bool IsFlag(std::uint8_t flag) {
  return flag <= 1;
}

// What the loader promises, whatever it was given.
void CheckLoaded(const Framed& input) {
  const records::GameStatusRecord& status = records::GameStatus;
  Check(status.Initialised != 0, "the record is not set up after loading");
  Check(IsFlag(status.HelpEnabled) && IsFlag(status.UseJoystick) && IsFlag(status.SoundOn) &&
            IsFlag(status.StereoSound),
        "a setting flag is neither 0 nor 1");
  Check(status.VolumePercent >= 0 && status.VolumePercent <= 100, "the volume is out of 0..100");
  Check(status.GameSpeed >= records::game_speed::Normal &&
            status.GameSpeed <= records::game_speed::Fastest,
        "the game speed is unknown");
  Check(status.BallStyle >= records::ball_style::Shiny &&
            status.BallStyle <= records::ball_style::Rock,
        "the ball style is unknown");
  if (status.Mode != 0) {
    Check(status.Mode >= 1 && status.Mode <= 5, "a kept game of no mode");
    Check(status.Level >= 1 && status.Level <= 9 && status.PaintColour >= 1 &&
              status.PaintColour <= 7 && status.Reserve >= records::KeptReserveLowest &&
              status.Reserve <= records::KeptReserveHighest && status.SupplyStart <= 1 &&
              (status.Mode != 3 || (status.PanicTime >= 0 && status.PanicTime <= 99)),
          "a kept game outside what play can produce");
    for (int cell = 0; cell < 36; ++cell) {
      Check(status.BallColour[cell] >= 0 && status.BallColour[cell] <= 7 &&
                status.BallLetter[cell] >= 0 && status.BallLetter[cell] <= 7,
            "a kept cell outside what play can produce");
      Check(status.BallColour[cell] != 0 || status.BallLetter[cell] == 0,
            "a letter on an empty kept cell");
    }
  }

  // A table stored whole is read as it is; a set-up record keeps whatever a table
  // that is not whole left behind, and one never set up puts the defaults there.
  const Value& stored = input.values[1];
  const bool wasSetUp = stored && stored->size() <= sizeof(records::GameStatusRecord) &&
                        stored->size() > offsetof(records::GameStatusRecord, Initialised) &&
                        (*stored)[offsetof(records::GameStatusRecord, Initialised)] != 0;
  if (!wasSetUp) Check(status.Mode == 0, "a record never set up kept a game");
  for (int i = 0; i < kValueCount; ++i) {
    if (i == 1) continue;
    const Value& value = input.values[i];
    const auto* table = static_cast<const std::uint8_t*>(RecordOf(i));
    const int mode = i == 0 ? 1 : i;
    if (value && value->size() == sizeof(records::HiScoreTable)) {
      Check(std::memcmp(table, value->data(), value->size()) == 0, "a whole table was changed");
    } else if (!wasSetUp) {
      Check(std::memcmp(table, &Harness::Get().DefaultTable(mode), sizeof(records::HiScoreTable)) ==
                0,
            "a damaged table of a first run did not get its defaults");
    }
  }

  // Loading writes nothing.
  std::vector<std::string_view> names = records::StoredValueNames();
  for (int i = 0; i < kValueCount; ++i) {
    Check(ReadValue(ValuePath(Harness::Get().Store(), names[static_cast<std::size_t>(i)])) ==
              input.values[i],
          "loading changed a stored value");
  }
}

void CheckFirstScreen() {
  const bool kept = records::GameStatus.Mode != 0;
  Check(render::ScreenState == (kept ? render::screen::Game : render::screen::MainMenu),
        "the first screen does not follow the kept game");
  Check(records::ActiveBallStyle >= 1 && records::ActiveBallStyle <= 3 && records::BallStep > 0 &&
            records::FallStep > 0,
        "the settings did not take effect");
}

void Play(const std::vector<Tap>& taps) {
  std::uint32_t elapsed = kSettleMs;
  Harness::answerYes = false;
  platform::headless::Advance(kSettleMs);
  for (const Tap& tap : taps) {
    if (elapsed >= kRunMs || platform::headless::QuitPosted()) break;
    Harness::answerYes = tap.answerYes;
    platform::headless::Tap(tap.x, tap.y);
    const std::uint32_t wait = std::min(tap.waitMs, kRunMs - elapsed);
    platform::headless::Advance(wait);
    elapsed += wait;
  }
  Harness::answerYes = false;
  if (elapsed < kRunMs && !platform::headless::QuitPosted()) {
    platform::headless::Advance(kRunMs - elapsed);
  }
  Harness::DrainFaults();
}

std::vector<Value> ReadAllValues() {
  std::vector<Value> values;
  for (std::string_view name : records::StoredValueNames()) {
    values.push_back(ReadValue(ValuePath(Harness::Get().Store(), name)));
  }
  return values;
}

// A save writes every value whole, as the records are; loading that again
// changes nothing, and neither does saving it once more.
void CheckSavedValuesAreStable() {
  Check(records::SaveAllRecords(), "the save failed");
  const std::vector<Value> saved = ReadAllValues();
  for (int i = 0; i < kValueCount; ++i) {
    const Value& value = saved[static_cast<std::size_t>(i)];
    Check(value && value->size() == RecordSize(i) &&
              std::memcmp(value->data(), RecordOf(i), RecordSize(i)) == 0,
          "a saved value is not its record");
  }
  Harness::ForgetRecords();
  records::LoadAllRecords();
  Check(records::SaveAllRecords(), "the second save failed");
  const std::vector<Value> again = ReadAllValues();
  for (std::size_t i = 0; i < saved.size(); ++i) {
    if (again[i] == saved[i]) continue;
    std::size_t at = 0;
    while (at < RecordSize(static_cast<int>(i)) && (*again[i])[at] == (*saved[i])[at]) ++at;
    std::fprintf(stderr, "stored values: %s changed at byte %zu: %u, saved as %u\n",
                 std::string(records::StoredValueNames()[i]).c_str(), at, (*again[i])[at],
                 (*saved[i])[at]);
    Finding("saved values changed on loading them again");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Harness& harness = Harness::Get();
  const Framed input = Frame(data, size);
  std::vector<std::string_view> names = records::StoredValueNames();
  for (int i = 0; i < kValueCount; ++i) {
    WriteValue(ValuePath(harness.Store(), names[static_cast<std::size_t>(i)]), input.values[i]);
  }
  records::LoadAllRecords();
  CheckLoaded(input);
  shell::OpenFirstScreen();
  CheckFirstScreen();
  harness.ShowFirstScreen();
  Play(input.taps);
  CheckSavedValuesAreStable();
  harness.EndRun();
  return 0;
}
