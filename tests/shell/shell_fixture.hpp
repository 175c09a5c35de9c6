#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/game_state.hpp"
#include "engine/game_tick.hpp"
#include "platform/desktop/single_instance.hpp"
#include "platform/drawing/software_drawing.hpp"
#include "platform/files/value_store.hpp"
#include "platform/headless/headless.hpp"
#include "platform/system/private_runtime_folder.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/window_system.hpp"
#include "platform/window/window_system_internal.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "shell/start_up.hpp"
#include "support/headless_fixture.hpp"
#include "support/kept_game_fixture.hpp"

namespace shell_test {

// A store that counts its writes and notes whether a box was up during one.
class WatchedStore : public platform::MemoryStore {
 public:
  bool SetValue(std::string_view name, const void* data, std::size_t size) override {
    ++writes;
    if (platform::ModalDepth() != 0) writtenUnderABox = true;
    return MemoryStore::SetValue(name, data, size);
  }
  int writes = 0;
  bool writtenUnderABox = false;
};

inline bool GameTimerRunning() {
  platform::Window* main = platform::MainWindow();
  if (!main) return false;
  for (const platform::WindowTimer& t : main->timers) {
    if (t.id == engine::GameTimer) return true;
  }
  return false;
}

// Marks a corner of the top bar on the screen; a refresh of the game's frame
// paints over it, a paint of what changed does not.
inline constexpr platform::Colour kScribble = platform::Rgb(255, 0, 255);
inline void ScribbleOnTheFrame() {
  platform::DeviceContext dc = platform::GetDC(platform::MainWindow());
  platform::FillRect(dc, platform::Rect{0, 0, 4, 4}, kScribble);
}
inline bool FrameRefreshed() {
  return platform::headless::Screen().Pixel(1, 1) != kScribble;
}

// True when the game's tick countdowns moved during `ms` milliseconds.
inline bool TicksDuring(std::uint32_t ms) {
  std::array<std::int32_t, engine::countdown::Count> before;
  std::memcpy(before.data(), engine::Game.TickCountdown, sizeof before);
  platform::headless::Advance(ms);
  return std::memcmp(before.data(), engine::Game.TickCountdown, sizeof before) != 0;
}

// Runs the whole program on the headless back end, with its own store and its
// own one-copy lock, so tests never meet each other or a game being played.
class ShellTest : public testing_support::HeadlessTest {
 protected:
  void SetUp() override {
    static const platform::PrivateRuntimeFolder runtime("shell");
    platform::UseStore(&store);
    ForgetEverything();
  }
  void TearDown() override {
    // While the windows still exist: the popup goes with them.
    popup::ResetPopup();
    platform::ReleaseSingleInstance();
    testing_support::HeadlessTest::TearDown();
    platform::UseStore(nullptr);
    ForgetEverything();
  }

  // What a new process starts with: nothing read, nothing shown.
  static void ForgetEverything() {
    platform::TakeShownMessageBoxes();
    std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
    std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
    shell::ResetShell();
  }

  void Keep(const fixture::KeptGame& game) {
    std::string error;
    ASSERT_TRUE(fixture::WriteKeptGame(game, &error)) << error;
    store.writes = 0;
    ForgetEverything();
  }

  // Starts the program as a fresh process would, on the given screen.
  shell::StartOutcome Start(int width = 240, int height = 320, std::uint32_t clock = 1000) {
    platform::headless::Start(platform::ScreenConfig{width, height, 0, 0}, clock);
    return shell::StartUp();
  }

  // The end of one run and the start of the next, on the same store.
  void Restart() {
    popup::ResetPopup();
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
    ForgetEverything();
    store.writes = 0;
    ASSERT_EQ(Start(), shell::StartOutcome::Run);
  }

  // The game screen's first full redraw starts the engine; this does it where
  // the painter has not yet.
  static void FirstPaintOfTheGame() {
    platform::headless::Pump();
    if (engine::Game.Phase == engine::phase::Start) engine::GameTick(platform::MainWindow());
  }

  WatchedStore store;
};

}  // namespace shell_test
