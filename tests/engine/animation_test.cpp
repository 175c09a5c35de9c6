#include <vector>

#include "engine/animation_steps.hpp"
#include "engine/board_geometry.hpp"
#include "engine_fixture.hpp"

namespace {

using namespace engine;
using engine_test::CountEvents;
using engine_test::Events;
using engine_test::GameEngineTest;

// The paints on which a drop sounds and lands, at each speed and at a step of 0.
TEST_F(GameEngineTest, DropsSoundHalfWayAndLandAfter48Pixels) {
  struct Case {
    int step, soundFrame, landFrame;
  };
  for (const Case& c : {Case{6, 4, 8}, Case{10, 2, 5}, Case{15, 2, 4}, Case{0, 20, 48}}) {
    Game.DropRecord[4] = BallDrop{1, colour::Red, 48};
    Kept.BallColour[3] = colour::None;
    Events.clear();
    int soundFrame = 0, landFrame = 0, landings = 0;
    for (int frame = 1; frame <= 60; ++frame) {
      if (StepDrop(4, c.step)) {
        landFrame = frame;
        ++landings;
      }
      if (!soundFrame && CountEvents(sound::effect::BallDropping)) soundFrame = frame;
    }
    EXPECT_EQ(soundFrame, c.soundFrame) << c.step;
    EXPECT_EQ(landFrame, c.landFrame) << c.step;
    EXPECT_EQ(landings, 1);
    EXPECT_EQ(CountEvents(sound::effect::BallDropping), 1);
    EXPECT_EQ(Kept.BallColour[3], colour::Red);
  }
  Game.DropRecord[6] = BallDrop{1, colour::Blue, 6};
  EXPECT_TRUE(StepDrop(6, 6));
  // Element 0 is no column, whatever it holds.
  Game.DropRecord[0] = BallDrop{1, colour::Blue, 6};
  EXPECT_FALSE(StepDrop(0, 6) || StepDrop(7, 6));
}

TEST_F(GameEngineTest, FallsLandAfter30Pixels) {
  for (int step : {6, 0}) {
    SetBoard("4...................................");
    Game.FallRecord[2] = BallFall{1, 0, colour::Green, 30};
    int frames = 1;
    while (!StepFall(2, step)) ++frames;
    EXPECT_EQ(frames, step ? 5 : 30);
    EXPECT_EQ(Kept.BallColour[6], colour::Green);
  }
  for (int slot : {1, 36}) {
    Game.FallRecord[slot] = BallFall{1, 0, colour::Green, 6};
    EXPECT_TRUE(StepFall(slot, 6));
  }
  Game.FallRecord[0] = BallFall{1, 0, colour::Green, 6};
  EXPECT_FALSE(StepFall(0, 6) || StepFall(37, 6) || StepFall(2, 6));
}

TEST_F(GameEngineTest, ASplashShowsFiveFramesThenThePaintTakes) {
  SetBoard("..............................1.....");
  Kept.PaintColour = colour::Blue;
  Game.PaintStep[30] = 1;
  std::vector<int> frames;
  for (int i = 0; i < 7; ++i) frames.push_back(StepSplash(30));
  EXPECT_EQ(frames, (std::vector<int>{1, 3, 5, 7, 9, 0, 0}));
  EXPECT_EQ(Kept.BallColour[30], colour::Blue);
  EXPECT_EQ(CountEvents(sound::effect::PaintSplash), 1);
  SetBoard("2...................................");
  Game.PaintStep[0] = 9;
  Kept.PaintColour = colour::Red;
  EXPECT_EQ(StepSplash(0), 9);
  EXPECT_EQ(Kept.BallColour[0], colour::Red);
  // Only cells of the board splash, whatever lies beside the splash table.
  Game.PaintBeforeMix = 1;
  Game.RefillPending = 1;
  EXPECT_EQ(StepSplash(-1) + StepSplash(36), 0);
  EXPECT_EQ(Game.PaintBeforeMix + Game.RefillPending, 2);
}

// The pipe sounds when the leading ball is 15, 12 or 10 pixels from it; each
// ball goes in at 0 and the next starts a cell away.
TEST_F(GameEngineTest, SuctionSoundsNearThePipeAndSwallowsAtIt) {
  struct Case {
    int step, soundsPerBall, framesPerBall;
  };
  for (const Case& c : {Case{6, 1, 5}, Case{5, 2, 6}, Case{3, 2, 10}, Case{0, 3, 30}}) {
    SetBoard(
        "......"
        "......"
        "......"
        "......"
        "......"
        "333...");
    Game.RunLength[LeftPipe(5)] = 3;
    Events.clear();
    Game.RunHandled[TopPipe(0)] = 1;  // looked at in the last detection
    int frames = 0, swallowed = 0, ended = 0, endedAt = 0;
    while (Game.RunLength[LeftPipe(5)] > 0 && frames < 200) {
      const SuctionFrameResult result = StepSuction(LeftPipe(5), c.step);
      ++frames;
      swallowed += result.Swallowed;
      ended += result.Ended;
      if (result.Ended) endedAt = frames;
      if (Game.RunLength[LeftPipe(5)] > 0) {
        EXPECT_EQ(Game.RunHandled[TopPipe(0)], 1);
      }
    }
    EXPECT_EQ(endedAt, frames);
    EXPECT_EQ(Game.RunHandled[TopPipe(0)], 0);  // the next detection looks everywhere
    EXPECT_EQ(frames, 3 * c.framesPerBall) << c.step;
    EXPECT_EQ(swallowed, 3);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(CountEvents(sound::effect::PipeSuction), 3 * c.soundsPerBall) << c.step;
    EXPECT_EQ(Game.LineProgress[LeftPipe(5)], 30);
    EXPECT_EQ(Kept.BallColour[30], colour::None);
  }
  for (int frame = 0; frame < 5; ++frame) {  // an idle pipe stays idle
    const SuctionFrameResult none = StepSuction(LeftPipe(5), 6);
    EXPECT_FALSE(none.Swallowed || none.Ended);
  }
  EXPECT_EQ(Game.LineProgress[LeftPipe(5)], 30);
  EXPECT_FALSE(StepSuction(0, 6).Swallowed || StepSuction(25, 6).Swallowed);
}

}  // namespace
