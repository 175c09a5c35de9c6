#include "sound/sound_effects.hpp"

#include "records/game_status_record.hpp"
#include "records/settings.hpp"
#include "sound/sound_bank.hpp"

namespace sound {

int PipeSoundClass = 0;
int PipeSoundSide = 0;

namespace {

EventObserver observer = nullptr;

// The old library's "play once" flag; our speaker plays every clip once anyway.
constexpr unsigned PlayOnce = 0x10000000;

constexpr int SideRight = 3;
constexpr int SideLeft = 4;

// Pipe sounds by heat class 1..4: the centre clip, and the stereo variants
// that sound only in the ear of the side the pipe is on.
constexpr int PipeCentre[4] = {754, 755, 735, 738};
constexpr int PipeRight[4] = {743, 757, 737, 740};
constexpr int PipeLeft[4] = {742, 756, 736, 739};

int PipeSound() {
  if (PipeSoundClass < 1 || PipeSoundClass > 4) return 0;
  const int row = PipeSoundClass - 1;
  if (records::GameStatus.StereoSound == 1) {
    if (PipeSoundSide == SideRight) return PipeRight[row];
    if (PipeSoundSide == SideLeft) return PipeLeft[row];
  }
  return PipeCentre[row];
}

int SoundOfEvent(int event) {
  switch (event) {
    case effect::BallLanded:
      // Only the shiny balls knock; moon and rock balls land without a sound.
      return records::GameStatus.BallStyle == records::ball_style::Shiny ? 750 : 0;
    case effect::BallDropping:
      return 746;
    case effect::PipeSuction:
      return PipeSound();
    case effect::PaintRefused:
      return 745;
    case effect::PaintSplash:
      return 753;
    case effect::LevelUp:
      return 748;
    case effect::GameOver:
      return 747;
    case effect::BonusCell:
      return 744;
    case effect::LetterCollected:
      return 741;
    case effect::WordComplete:
      return 749;
    default:
      return 0;
  }
}

}  // namespace

void SetEventObserver(EventObserver o) {
  observer = o;
}

void PlaySoundEffect(int event) {
  if (observer) observer(event);
  if (records::GameStatus.SoundOn != 1) return;
  const int resource = SoundOfEvent(event);
  if (resource == 0) return;
  if (const platform::SoundClip* clip = BankSound(resource)) Speaker.PlaySound(*clip, PlayOnce);
}

}  // namespace sound
