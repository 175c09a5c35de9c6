#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "records/game_status_record.hpp"
#include "records/settings.hpp"
#include "records_test_support.hpp"

using records::GameStatus;

namespace {

class SettingsTest : public records_test::RecordsTest {};

TEST_F(SettingsTest, SpeedAndStyleBecomeStepsAndBallSetWithUnknownValuesAsTheFirst) {
  const std::uint32_t values[] = {1, 2, 3, 0, 4, 0xFFFFFFFFu};
  const std::int32_t steps[] = {6, 10, 15, 6, 6, 6};
  const std::uint32_t styles[] = {1, 2, 3, 1, 1, 1};
  for (int i = 0; i < 6; ++i) {
    GameStatus.GameSpeed = GameStatus.BallStyle = values[i];
    records::ApplySettings();
    EXPECT_EQ(records::BallStep, steps[i]) << values[i];
    EXPECT_EQ(records::FallStep, steps[i]) << values[i];
    EXPECT_EQ(records::ActiveBallStyle, styles[i]) << values[i];
  }
}

// Runs death-style checks in a fresh run of the test binary until the guard ends.
struct FreshProcessChecks {
  FreshProcessChecks() { ::testing::GTEST_FLAG(death_test_style) = "threadsafe"; }
  ~FreshProcessChecks() { ::testing::GTEST_FLAG(death_test_style) = saved; }
  const std::string saved = ::testing::GTEST_FLAG(death_test_style);
};

TEST(SettingsAtStart, BallsMoveAtNormalSpeedUntilTheSettingsAreApplied) {
  // Other tests change the derived values, so they are read in a run of their own.
  const FreshProcessChecks fresh;
  EXPECT_EXIT(std::exit(records::BallStep == 6 && records::FallStep == 6 &&
                                records::ActiveBallStyle == records::ball_style::Shiny
                            ? 0
                            : 1),
              ::testing::ExitedWithCode(0), "");
}

TEST_F(SettingsTest, VolumeIsPercentTimes655Point35TruncatedAndNeverLeavesTheLowWord) {
  const std::int32_t percents[] = {37, 100, 1, 0, -1, INT32_MIN, 101, INT32_MAX};
  const std::uint32_t volumes[] = {24247, 65535, 655, 0, 0, 0, 65535, 65535};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(records::WaveVolumeOfPercent(percents[i]), volumes[i]);
}

TEST_F(SettingsTest, ForeignSettingsAreReadAsTheNearestSensibleValues) {
  records::LoadAllRecords();
  GameStatus.HelpEnabled = 0xFF, GameStatus.UseJoystick = 2, GameStatus.SoundOn = 0x80;
  GameStatus.StereoSound = 0x40;
  GameStatus.VolumePercent = -40, GameStatus.GameSpeed = 9, GameStatus.BallStyle = 0;
  GameStatus.reserved2E = 0xAB;
  records::GameStatusRecord expected = GameStatus;
  expected.HelpEnabled = expected.UseJoystick = expected.SoundOn = expected.StereoSound = 1;
  expected.VolumePercent = 0, expected.GameSpeed = 1, expected.BallStyle = 1;
  Restart();
  EXPECT_EQ(records_test::StatusBytes(), records_test::BytesOf(&expected, sizeof expected));

  GameStatus.VolumePercent = 101;
  Restart();
  EXPECT_EQ(GameStatus.VolumePercent, 100);
}

}  // namespace
