#include "records/settings.hpp"

#include "records/game_status_record.hpp"

namespace records {

std::int32_t BallStep = 6;
std::int32_t FallStep = 6;
std::uint32_t ActiveBallStyle = ball_style::Shiny;

void DefaultSettings() {
  GameStatus.reserved0 = 0;
  GameStatus.reserved4 = 0;
  GameStatus.GamesPlayed = 0;
  GameStatus.VolumePercent = 100;
  GameStatus.HelpEnabled = 1;
  GameStatus.SoundOn = 1;
  GameStatus.GameSpeed = game_speed::Normal;
  GameStatus.UseJoystick = 1;
  GameStatus.reserved2E = 0;
  GameStatus.Mode = 0;
  GameStatus.BallStyle = ball_style::Shiny;
  GameStatus.StereoSound = 0;
  GameStatus.Initialised = 1;
}

void ApplySettings() {
  std::int32_t step = 6;
  if (GameStatus.GameSpeed == game_speed::Fast) step = 10;
  if (GameStatus.GameSpeed == game_speed::Fastest) step = 15;
  BallStep = step;
  FallStep = step;

  const std::uint32_t style = GameStatus.BallStyle;
  ActiveBallStyle =
      (style == ball_style::Moon || style == ball_style::Rock) ? style : ball_style::Shiny;
}

namespace {

// A toggle written as 1 - flag must only ever see 0 or 1.
void NormaliseFlag(std::uint8_t& flag) {
  if (flag != 0) flag = 1;
}

}  // namespace

void NormaliseSettings() {
  NormaliseFlag(GameStatus.HelpEnabled);
  NormaliseFlag(GameStatus.UseJoystick);
  NormaliseFlag(GameStatus.SoundOn);
  NormaliseFlag(GameStatus.StereoSound);
  if (GameStatus.VolumePercent < 0) GameStatus.VolumePercent = 0;
  if (GameStatus.VolumePercent > 100) GameStatus.VolumePercent = 100;
  // ApplySettings reads these as Normal and Shiny anyway; saying so in the record
  // keeps the settings screen and the sounds in step with what is drawn.
  if (GameStatus.GameSpeed < game_speed::Normal || GameStatus.GameSpeed > game_speed::Fastest) {
    GameStatus.GameSpeed = game_speed::Normal;
  }
  if (GameStatus.BallStyle < ball_style::Shiny || GameStatus.BallStyle > ball_style::Rock) {
    GameStatus.BallStyle = ball_style::Shiny;
  }
}

std::uint32_t WaveVolumeOfPercent(std::int32_t percent) {
  if (percent < 0) percent = 0;
  if (percent > 100) percent = 100;
  return static_cast<std::uint32_t>(percent * 655.35) & 0xFFFFu;
}

}  // namespace records
