#pragma once

// Every sound effect the game has: one row per WAVE resource, in the bank's load
// order, with its format, its exact length and what it sounds like. Plain data,
// so the sound generator makes exactly what the bank loads, at the lengths the
// game's timings were made for.

namespace sound {

// Which ears a clip sounds in. The side variants are stereo with one channel silent.
enum class Ear : int { Both, LeftOnly, RightOnly };

// What a clip sounds like, for the generator.
enum class Timbre : int {
  BonusCell,
  Refusal,
  Drop,
  GameOver,
  LevelUp,
  WordFanfare,
  Landing,
  BlipUp,  // the two spare clips, loaded and never played
  BlipDown,
  Splash,
  PipeSlurp,  // by the pipe's heat class
  LetterChime,
};

struct SoundRow {
  int id;
  int channels;
  int dataBytes;  // 8-bit samples at 22050 Hz, all channels
  Ear ear;
  Timbre timbre;
  int heatClass;  // 1..4 for a pipe sound, else 0
};

constexpr int SoundBankSize = 23;

// clang-format off
inline constexpr SoundRow kSoundTable[SoundBankSize] = {
    {744, 1, 15904, Ear::Both, Timbre::BonusCell, 0},
    {745, 1, 4048, Ear::Both, Timbre::Refusal, 0},
    {746, 1, 6382, Ear::Both, Timbre::Drop, 0},
    {747, 1, 25649, Ear::Both, Timbre::GameOver, 0},
    {748, 1, 13693, Ear::Both, Timbre::LevelUp, 0},
    {749, 1, 10032, Ear::Both, Timbre::WordFanfare, 0},
    {750, 1, 7761, Ear::Both, Timbre::Landing, 0},
    {751, 1, 4368, Ear::Both, Timbre::BlipUp, 0},
    {752, 1, 4368, Ear::Both, Timbre::BlipDown, 0},
    {753, 1, 2896, Ear::Both, Timbre::Splash, 0},
    {754, 1, 12256, Ear::Both, Timbre::PipeSlurp, 1},
    {755, 1, 9694, Ear::Both, Timbre::PipeSlurp, 2},
    {756, 2, 19388, Ear::LeftOnly, Timbre::PipeSlurp, 2},
    {757, 2, 19388, Ear::RightOnly, Timbre::PipeSlurp, 2},
    {735, 1, 6468, Ear::Both, Timbre::PipeSlurp, 3},
    {736, 2, 12936, Ear::LeftOnly, Timbre::PipeSlurp, 3},
    {737, 2, 12936, Ear::RightOnly, Timbre::PipeSlurp, 3},
    {738, 1, 3357, Ear::Both, Timbre::PipeSlurp, 4},
    {739, 2, 6714, Ear::LeftOnly, Timbre::PipeSlurp, 4},
    {740, 2, 6714, Ear::RightOnly, Timbre::PipeSlurp, 4},
    {741, 1, 5261, Ear::Both, Timbre::LetterChime, 0},
    {742, 2, 24512, Ear::LeftOnly, Timbre::PipeSlurp, 1},
    {743, 2, 24512, Ear::RightOnly, Timbre::PipeSlurp, 1},
};
// clang-format on

// The clips the events play.
constexpr int BallLandedSound = 750;
constexpr int BallDroppingSound = 746;
constexpr int PaintRefusedSound = 745;
constexpr int PaintSplashSound = 753;
constexpr int LevelUpSound = 748;
constexpr int GameOverSound = 747;
constexpr int BonusCellSound = 744;
constexpr int LetterCollectedSound = 741;
constexpr int WordCompleteSound = 749;

// Pipe sounds by heat class 1..4: the centre clip, and the stereo variants that
// sound only in the ear of the side the pipe is on.
inline constexpr int kPipeCentreSound[4] = {754, 755, 735, 738};
inline constexpr int kPipeRightSound[4] = {743, 757, 737, 740};
inline constexpr int kPipeLeftSound[4] = {742, 756, 736, 739};

}  // namespace sound
