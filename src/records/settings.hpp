#pragma once

#include <cstdint>

namespace records {

// The player's settings are fields of the stored record (records::GameStatus):
// VolumePercent, HelpEnabled, UseJoystick, SoundOn, StereoSound, GameSpeed, BallStyle.

namespace game_speed {
constexpr std::uint32_t Normal = 1;
constexpr std::uint32_t Fast = 2;
constexpr std::uint32_t Fastest = 3;
}  // namespace game_speed

namespace ball_style {
constexpr std::uint32_t Shiny = 1;
constexpr std::uint32_t Moon = 2;
constexpr std::uint32_t Rock = 3;
}  // namespace ball_style

// Derived by ApplySettings, not stored: logical pixels per animation step of a
// ball dropping in or being sucked away (BallStep) and of a ball falling (FallStep).
extern std::int32_t BallStep;
extern std::int32_t FallStep;
// The ball set every ball is drawn from (a ball_style code, always 1..3); the
// drawing side picks its pictures by it.
extern std::uint32_t ActiveBallStyle;

// The first-run settings and bookkeeping: clears the kept game and GamesPlayed,
// sets every setting to its default and marks the record as set up.
void DefaultSettings();

// Turns GameSpeed and BallStyle into BallStep, FallStep and ActiveBallStyle.
void ApplySettings();

// A stored record can come from anywhere: reads every setting as the nearest
// value the game understands (any non-zero flag is 1, the volume 0..100, an
// unknown speed or style the first one) and touches nothing else.
void NormaliseSettings();

// The wave-out volume for a percent: percent x 655.35 truncated, low word only.
// The percent is clamped to 0..100 first.
std::uint32_t WaveVolumeOfPercent(std::int32_t percent);

}  // namespace records
