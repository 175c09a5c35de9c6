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
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "engine/game_state.hpp"
#include "platform/backend/runtime.hpp"
#include "platform/desktop/single_instance.hpp"
#include "platform/files/file_store.hpp"
#include "platform/headless/headless.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/window_system.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "records/kept_game_check.hpp"
#include "records/record_store.hpp"
#include "records/settings.hpp"
#include "render/screen_state.hpp"
#include "screens/new_hiscore_screen.hpp"
#include "shell/quit_program.hpp"
#include "shell/start_up.hpp"

namespace {

namespace headless = platform::headless;
using Bytes = std::vector<std::uint8_t>;
using Value = std::optional<Bytes>;
using records::GameStatusRecord;
using records::HiScoreTable;
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
  int x, y;
  bool answerYes;
  std::uint32_t waitMs;
};

struct Framed {
  Value values[kValueCount];
  std::vector<Tap> taps;
};

std::size_t RecordSize(int i) {
  return i == 1 ? sizeof(GameStatusRecord) : sizeof(HiScoreTable);
}

const void* RecordOf(int i) {
  if (i == 1) return &records::GameStatus;
  return &records::HiScoreTables[i == 0 ? 0 : i - 1];
}

Framed Frame(const std::uint8_t* data, std::size_t size) {
  std::size_t at = 0;
  const auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
  Framed framed;
  for (int i = 0; i < kValueCount; ++i) {
    const std::uint8_t header = next();
    const std::size_t record = RecordSize(i), steps = header & 0x3Fu, kind = header >> 6;
    if (kind == 0) continue;
    Bytes bytes(kind == 1 ? record : kind == 2 ? record * steps / 64 : record + 1 + steps * 71);
    for (std::uint8_t& byte : bytes) byte = next();
    framed.values[i] = std::move(bytes);
  }
  for (; at + 3 <= size && framed.taps.size() < kMostTaps; at += 3) {
    framed.taps.push_back(Tap{data[at] * kScreenWidth / 256, data[at + 1] * kScreenHeight / 256,
                              (data[at + 2] & 1u) != 0, 10u + (data[at + 2] >> 1) * 10u});
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

bool answerYes = false;

void ForgetRecords() {
  std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
  std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
}

// A stuck loop or a box nobody could answer is a finding like a crash.
void DrainFaults() {
  const std::vector<std::string> faults = headless::TakeFaults();
  if (!faults.empty()) Finding(faults.front().c_str());
}

void StartProgram() {
  popup::ResetPopup();
  platform::ReleaseSingleInstance();
  headless::Stop();
  ForgetRecords();
  shell::ResetShell();
  headless::Start(platform::ScreenConfig{kScreenWidth, kScreenHeight, 0, 0}, kClockStart);
  if (shell::StartUp() != shell::StartOutcome::Run) Finding("the program did not start");
  headless::SetModalWaitHandler(
      [] { headless::Key(answerYes ? platform::vk::Return : platform::vk::Escape); });
}

// Puts the program back as a fresh process has it, as far as the records and the
// screens go, keeping the window, the pictures and the sounds of the one start.
// Done at the end of each run, so that a run frees what it took and the fuzzer
// only looks for leaks where there could be one.
void EndRun() {
  if (headless::QuitPosted() || shell::Leaving()) StartProgram();
  popup::ResetPopup();
  screens::DestroyNameEntryControls();
  platform::KillTimer(platform::MainWindow(), engine::GameTimer);
  headless::Pump();
  platform::ForgetMessageBoxAnswers();
  platform::TakeShownMessageBoxes();
  DrainFaults();
  ForgetRecords();
  shell::ResetShell();
  headless::SetClock(kClockStart);
  platform::Srand(1);
}

// The program's store and its one-copy lock live in a private folder, in memory
// where the machine has one: every save syncs each value to the disk.
std::string MakeFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (tmp != nullptr ? tmp : "/tmp");
  folder += "/fandriass-fuzz-XXXXXX";
  if (mkdtemp(folder.data()) == nullptr || mkdir((folder + "/store").c_str(), 0700) != 0) {
    Finding("no private folder for the store");
  }
  return folder;
}

struct Harness {
  std::string root = MakeFolder();
  platform::FileStore store{root + "/store"};
  HiScoreTable defaults[5] = {};

  Harness() {
    setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
    platform::UseStore(&store);
    // The tables a first run writes are the defaults every damaged table is measured by.
    StartProgram();
    std::memcpy(defaults, records::HiScoreTables, sizeof defaults);
    EndRun();
  }
  // Only files are touched at exit: the program's own statics may be gone by then.
  ~Harness() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }
};

Harness& TheHarness() {
  static Harness harness;
  return harness;
}

std::string PathOf(int i) {
  return TheHarness().root + "/store/" + std::string(records::StoredValueNames()[i]);
}

Value ReadValue(int i) {
  std::ifstream in(PathOf(i), std::ios::binary);
  if (!in) return std::nullopt;
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteValue(int i, const Value& value) {
  unlink(PathOf(i).c_str());
  if (!value) return;
  std::ofstream out(PathOf(i), std::ios::binary);
  out.write(reinterpret_cast<const char*>(value->data()),
            static_cast<std::streamsize>(value->size()));
  if (!out.flush()) Finding("a value could not be put in place");
}

bool IsFlag(std::uint8_t flag) {
  return flag <= 1;
}

// What the loader promises, whatever it was given.
void CheckLoaded(const Framed& input) {
  const GameStatusRecord& status = records::GameStatus;
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
  constexpr std::size_t kSetUp = offsetof(GameStatusRecord, Initialised);
  const bool wasSetUp = stored && stored->size() <= sizeof(GameStatusRecord) &&
                        stored->size() > kSetUp && (*stored)[kSetUp] != 0;
  if (!wasSetUp) Check(status.Mode == 0, "a record never set up kept a game");
  for (int i = 0; i < kValueCount; ++i) {
    const Value& value = input.values[i];
    if (i == 1) continue;
    if (value && value->size() == sizeof(HiScoreTable)) {
      Check(std::memcmp(RecordOf(i), value->data(), value->size()) == 0,
            "a whole table was changed");
    } else if (!wasSetUp) {
      Check(std::memcmp(RecordOf(i), &TheHarness().defaults[i == 0 ? 0 : i - 1],
                        sizeof(HiScoreTable)) == 0,
            "a damaged table of a first run did not get its defaults");
    }
  }
  for (int i = 0; i < kValueCount; ++i) {
    Check(ReadValue(i) == input.values[i], "loading changed a stored value");
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

void Play(const std::vector<Tap>& taps) {
  std::uint32_t elapsed = kSettleMs;
  headless::Advance(kSettleMs);
  for (const Tap& tap : taps) {
    if (elapsed >= kRunMs || headless::QuitPosted()) break;
    answerYes = tap.answerYes;
    headless::Tap(tap.x, tap.y);
    const std::uint32_t wait = std::min(tap.waitMs, kRunMs - elapsed);
    headless::Advance(wait);
    elapsed += wait;
  }
  answerYes = false;
  if (elapsed < kRunMs && !headless::QuitPosted()) headless::Advance(kRunMs - elapsed);
  DrainFaults();
}

// A save writes every value whole, as the records are; loading that again
// changes nothing, and neither does saving it once more.
void CheckSavedValuesAreStable() {
  Check(records::SaveAllRecords(), "the save failed");
  Value saved[kValueCount];
  for (int i = 0; i < kValueCount; ++i) {
    saved[i] = ReadValue(i);
    Check(saved[i] && saved[i]->size() == RecordSize(i) &&
              std::memcmp(saved[i]->data(), RecordOf(i), RecordSize(i)) == 0,
          "a saved value is not its record");
  }
  ForgetRecords();
  records::LoadAllRecords();
  Check(records::SaveAllRecords(), "the second save failed");
  for (int i = 0; i < kValueCount; ++i) {
    Check(ReadValue(i) == saved[i], "saved values changed on loading them again");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TheHarness();
  const Framed input = Frame(data, size);
  for (int i = 0; i < kValueCount; ++i) WriteValue(i, input.values[i]);
  records::LoadAllRecords();
  CheckLoaded(input);
  shell::OpenFirstScreen();
  CheckFirstScreen();
  ShowFirstScreen();
  Play(input.taps);
  CheckSavedValuesAreStable();
  EndRun();
  return 0;
}
