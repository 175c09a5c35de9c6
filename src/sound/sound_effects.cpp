#include "sound/sound_effects.hpp"

namespace sound {

int PipeSoundClass = 0;
int PipeSoundSide = 0;

namespace {
EventObserver observer = nullptr;
}

void SetEventObserver(EventObserver o) { observer = o; }

void PlaySoundEffect(int event) {
  if (observer) observer(event);
}

}  // namespace sound
