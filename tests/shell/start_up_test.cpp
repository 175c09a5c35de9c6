#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <vector>

#include "platform/backend.hpp"
#include "platform/display_profile.hpp"
#include "platform/runtime.hpp"
#include "platform/speaker.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"
#include "shell/main_window.hpp"
#include "shell/screen_flow.hpp"
#include "shell_fixture.hpp"
#include "sound/sound_bank.hpp"

namespace {

using shell::StartOutcome;
using namespace shell_test;

using StartUpTest = ShellTest;

constexpr const char* kBoard = "...... / ...... / ...... / ...... / ..R... / RYBGPO";

TEST_F(StartUpTest, AKeptGameOfEveryModeIsResumedAndOnlyHardAndPanicDripAtOnce) {
  for (int mode = 1; mode <= 5; ++mode) {
    SCOPED_TRACE(mode);
    Keep({.mode = mode, .score = 1234, .level = 3, .board = kBoard});
    const auto style = static_cast<unsigned char>(1 + mode % 3);
    store.values["GameStatus"][offsetof(records::GameStatusRecord, BallStyle)] = style;
    ASSERT_EQ(Start(), StartOutcome::Run);
    EXPECT_EQ(render::BallSetStyle, style) << "the player's balls, from the first paint on";
    EXPECT_EQ(render::ScreenState, render::screen::Game);
    // The start paints at once: the kept game is on screen and running, not dealt anew.
    EXPECT_EQ(engine::Game.RestoreKeptGame, 0);
    EXPECT_EQ(engine::Game.Phase, engine::phase::Playing);
    EXPECT_TRUE(GameTimerRunning());
    EXPECT_EQ(engine::Game.DripCountdown, mode == 2 || mode == 3 ? 40 : 0);
    EXPECT_EQ(records::GameStatus.Score, 1234);
    EXPECT_EQ(records::GameStatus.Level, 3);
    EXPECT_EQ(records::GameStatus.BallColour[35], 6);
    EXPECT_EQ(records::GameStatus.BallColour[26], 1);
    EXPECT_GT(records::BallStep, 0) << "the settings take effect";
    EXPECT_TRUE(sound::Speaker.IsOpen());
    EXPECT_FALSE(sound::SoundBank[0].Empty());
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
  }
}

TEST_F(StartUpTest, AResumedGameDealsFromTheTickCountNotFromTheSameSeedEachTime) {
  Keep({.mode = 1});
  std::vector<int> draws[2];
  for (int run = 0; run < 2; ++run) {
    platform::Srand(1);  // what a fresh process starts with
    ASSERT_EQ(Start(240, 320, 5000 + 3000 * run), StartOutcome::Run);
    for (int i = 0; i < 4; ++i) draws[run].push_back(platform::Rand());
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
    ForgetEverything();
  }
  EXPECT_NE(draws[0], draws[1]);
}

TEST_F(StartUpTest, WithoutAKeptGameOrWithAnUnknownModeTheMainMenuComesFirst) {
  ASSERT_EQ(Start(), StartOutcome::Run);
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  EXPECT_EQ(records::GameStatus.VolumePercent, 100);
  EXPECT_EQ(platform::GetWaveOutVolume(), 65535u);
  EXPECT_EQ(store.writes, 0) << "nothing is written at start-up";
  platform::ReleaseSingleInstance();
  platform::headless::Stop();

  Keep({.mode = 9, .board = kBoard});
  ASSERT_EQ(Start(), StartOutcome::Run);
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  platform::headless::Advance(200);
  EXPECT_FALSE(platform::headless::QuitPosted());
}

TEST_F(StartUpTest, ADamagedOrOversizedStoreNeverHoldsUpStartUpAndIsLeftAsItWas) {
  store.values["GameStatus"] = std::vector<unsigned char>(1 << 20, 0xFF);
  store.values["Prefs"] = std::vector<unsigned char>(7, 0x41);
  store.values["PrefsHard"] = std::vector<unsigned char>(144 * 50, 0x01);
  store.unreadable.insert("PrefsPanic");
  const auto before = store.values;
  ASSERT_EQ(Start(), StartOutcome::Run);
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  EXPECT_EQ(records::GameStatus.Initialised, 1);
  platform::headless::Advance(100);
  EXPECT_EQ(store.values, before);
  EXPECT_EQ(store.writes, 0);

  // A foreign kept game that is half garbage opens on something sane as well.
  store.values.clear();
  store.unreadable.clear();
  Keep({.mode = 3, .score = -5, .level = 999, .reserve = -1000, .panicTime = 100000});
  ASSERT_NO_FATAL_FAILURE(Restart());
  platform::headless::Advance(100);
  EXPECT_TRUE(render::ScreenState == render::screen::Game ||
              render::ScreenState == render::screen::MainMenu);
}

// A desktop that cannot show the main window.
class NoWindowBackend final : public platform::Backend {
 public:
  std::uint32_t Now() override { return 0; }
  void WaitForInput(std::uint32_t) override {}
  void Present(const platform::Bitmap&) override {}
  std::uint32_t RefreshInterval() override { return 16; }
  void Sleep(std::uint32_t) override {}
  bool CreateDesktopWindow(const char*) override { return false; }
};

TEST_F(StartUpTest, AMainWindowThatCannotBeMadeEndsTheStartAndFreesTheOneCopyLock) {
  NoWindowBackend backend;
  platform::InstallBackend(&backend, platform::ScreenConfig{240, 320, 0, 0});
  testing::internal::CaptureStderr();
  const StartOutcome outcome = shell::StartUp();
  const std::string said = testing::internal::GetCapturedStderr();
  platform::InstallBackend(nullptr, platform::ScreenConfig{});
  EXPECT_EQ(outcome, StartOutcome::Failed);
  EXPECT_NE(said.find("main window could not be created"), std::string::npos);
  EXPECT_EQ(platform::MainWindow(), nullptr);
  EXPECT_FALSE(sound::Speaker.IsOpen());
  platform::InstanceLock next;
  EXPECT_TRUE(next.Claim()) << "the next start would hand over to a copy showing nothing";
  next.Release();
}

TEST_F(StartUpTest, AnUnsupportedScreenOrASecondCopyLeavesWithoutAWindow) {
  EXPECT_EQ(Start(300, 300), StartOutcome::Leave);
  EXPECT_EQ(platform::MainWindow(), nullptr);
  platform::headless::Stop();

  platform::InstanceLock first;
  ASSERT_TRUE(first.Claim());
  EXPECT_EQ(Start(), StartOutcome::Leave);
  EXPECT_EQ(platform::MainWindow(), nullptr);
  first.Release();
}

TEST_F(StartUpTest, AGameStartedFromTheMenuCountsAndDealsAfreshOnlyForARealMode) {
  ASSERT_EQ(Start(), StartOutcome::Run);
  records::GameStatus.HelpEnabled = 0;
  const auto played = records::GameStatus.GamesPlayed;
  shell::StartGame(platform::MainWindow(), 6);
  EXPECT_EQ(render::ScreenState, render::screen::MainMenu);
  shell::StartGame(platform::MainWindow(), 0);
  EXPECT_EQ(records::GameStatus.GamesPlayed, played);
  engine::Game.Phase = engine::phase::Playing;
  shell::StartGame(platform::MainWindow(), 5);
  EXPECT_EQ(render::ScreenState, render::screen::Game);
  EXPECT_EQ(records::GameStatus.Mode, 5);
  EXPECT_EQ(records::GameStatus.GamesPlayed, played + 1);
  EXPECT_EQ(engine::Game.Phase, engine::phase::Start);
  EXPECT_EQ(engine::Game.RestoreKeptGame, 0);
  EXPECT_TRUE(render::FullRedrawRequested);
}

}  // namespace
