#include <gtest/gtest.h>

#include <vector>

#include "platform/message_box.hpp"
#include "platform/message_box_log.hpp"
#include "render/screen_state.hpp"
#include "shell/game_taps.hpp"
#include "shell_fixture.hpp"

namespace {

using namespace shell_test;
using testing_support::ExpectMessageBox;

// A yellow ball resting in the bottom-left corner (cell 30) under red paint.
constexpr const char* kBoard = "...... / ...... / ...... / ...... / ...... / Y.....";

class GameTapsTest : public ShellTest {
 protected:
  void StartOn(int width, int height) {
    Keep({.mode = 1, .paintColour = 1, .reserve = 60, .board = kBoard});
    ASSERT_EQ(Start(width, height), shell::StartOutcome::Run);
    FirstPaintOfTheGame();
  }
};

TEST_F(GameTapsTest, ATapOnABallPaintsItWhereTheBoardIsOnEveryClass) {
  struct Case {
    int width, height, scale, ox, oy;
  };
  for (const Case c : {Case{240, 320, 1, 0, 31}, Case{480, 640, 2, 0, 31}, Case{320, 240, 1, 31, 0},
                       Case{320, 320, 1, 31, 31}, Case{240, 240, 1, 0, 0}}) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
    StartOn(c.width, c.height);
    // Just outside the cell, then its far corner.
    platform::headless::Tap((c.ox + 17) * c.scale, (c.oy + 18 + 150) * c.scale);
    platform::headless::Pump();
    // Right of the row above: past the board, not the next row's first cell.
    platform::headless::Tap((c.ox + 198) * c.scale, (c.oy + 18 + 125) * c.scale);
    platform::headless::Pump();
    EXPECT_EQ(engine::Game.PaintStep[30], 0);
    platform::headless::Tap((c.ox + 18) * c.scale, (c.oy + 18 + 150) * c.scale);
    platform::headless::Pump();
    EXPECT_EQ(engine::Game.PaintStep[30], 1) << "the cell's top-left pixel";
    engine::Game.PaintStep[30] = 0;
    engine::Kept.PaintColour = 1;
    platform::headless::Tap((c.ox + 47) * c.scale + c.scale - 1,
                            (c.oy + 18 + 179) * c.scale + c.scale - 1);
    platform::headless::Pump();
    EXPECT_EQ(engine::Game.PaintStep[30], 1);
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
  }
}

TEST_F(GameTapsTest, DuringTheGameOverShowTheBoardTakesNoPaint) {
  StartOn(240, 320);
  engine::Game.Phase = engine::phase::GameOver;
  platform::headless::Tap(18 + 5, 31 + 18 + 155);
  EXPECT_EQ(engine::Game.PaintStep[30], 0);
}

TEST_F(GameTapsTest, TheSoundIconTogglesTheSoundExceptOnSquareScreensWhereTheIconsMove) {
  StartOn(240, 320);
  const auto soundOn = records::GameStatus.SoundOn;
  const auto soundIcon = [] {
    const platform::Bitmap screen = platform::headless::Screen();
    std::vector<platform::Colour> pixels;
    for (int y = 13; y < 13 + 17; ++y) {
      for (int x = 217 - 36; x < 217 - 36 + 17; ++x) pixels.push_back(screen.Pixel(x, y));
    }
    return pixels;
  };
  const std::vector<platform::Colour> iconBefore = soundIcon();
  platform::headless::Tap(217 - 36, 13);
  platform::headless::Pump();
  EXPECT_NE(records::GameStatus.SoundOn, soundOn);
  EXPECT_NE(soundIcon(), iconBefore);
  platform::headless::Tap(217 - 19, 30);
  platform::headless::Pump();
  EXPECT_EQ(records::GameStatus.SoundOn, soundOn);
  platform::ReleaseSingleInstance();
  platform::headless::Stop();

  StartOn(240, 240);
  const auto soundOnSquare = records::GameStatus.SoundOn;
  platform::headless::Tap(217 - 30, 13);
  platform::headless::Pump();
  EXPECT_EQ(records::GameStatus.SoundOn, soundOnSquare);
  ExpectMessageBox exit(shell::ExitQuestion, platform::IdNo);
  platform::headless::Tap(228, 12);
  platform::headless::Pump();
  ExpectMessageBox abandon(shell::AbandonQuestion, platform::IdNo);
  platform::headless::Tap(216, 0);
  platform::headless::Pump();
}

int tapStep = 0;
void TapUnderTheBox() {
  if (tapStep++ == 0) {
    platform::headless::Tap(18 + 5, 31 + 18 + 155);  // the ball
    platform::headless::Tap(204, 18);                // the abandon icon
  } else {
    platform::headless::KeyDown(platform::vk::Escape);
    platform::headless::KeyUp(platform::vk::Escape);
  }
}

TEST_F(GameTapsTest, WhileABoxIsOpenTapsOnTheGameReachNothing) {
  StartOn(240, 320);
  tapStep = 0;
  platform::headless::SetModalWaitHandler(&TapUnderTheBox);
  platform::headless::Tap(222, 18);
  platform::headless::Pump();
  EXPECT_EQ(platform::TakeShownMessageBoxes().size(), 1u);
  EXPECT_EQ(engine::Game.PaintStep[30], 0);
  EXPECT_FALSE(platform::headless::QuitPosted());
}

}  // namespace
