#include "sound/sound_effects.hpp"

#include "records/game_status_record.hpp"
#include "records/settings.hpp"
#include "sound/sound_bank.hpp"
#include "sound/sound_table.hpp"

namespace sound {

int PipeSoundClass = 0;
int PipeSoundSide = 0;

namespace {

EventObserver observer = nullptr;

// The old library's "play once" flag; our speaker plays every clip once anyway.
constexpr unsigned PlayOnce = 0x10000000;

constexpr int SideRight = 3;
constexpr int SideLeft = 4;

int PipeSound() {
  if (PipeSoundClass < 1 || PipeSoundClass > 4) return 0;
  const int row = PipeSoundClass - 1;
  if (records::GameStatus.StereoSound == 1) {
    if (PipeSoundSide == SideRight) return kPipeRightSound[row];
    if (PipeSoundSide == SideLeft) return kPipeLeftSound[row];
  }
  return kPipeCentreSound[row];
}

int SoundOfEvent(int event) {
  switch (event) {
    case effect::BallLanded:
      // Only the shiny balls knock; moon and rock balls land without a sound.
      return records::GameStatus.BallStyle == records::ball_style::Shiny ? BallLandedSound : 0;
    case effect::BallDropping:
      return BallDroppingSound;
    case effect::PipeSuction:
      return PipeSound();
    case effect::PaintRefused:
      return PaintRefusedSound;
    case effect::PaintSplash:
      return PaintSplashSound;
    case effect::LevelUp:
      return LevelUpSound;
    case effect::GameOver:
      return GameOverSound;
    case effect::BonusCell:
      return BonusCellSound;
    case effect::LetterCollected:
      return LetterCollectedSound;
    case effect::WordComplete:
      return WordCompleteSound;
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
