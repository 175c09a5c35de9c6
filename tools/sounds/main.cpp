// Synthesises the game's sound effects as WAVE files: wave_<id>.wav in the
// folder given, then touches the stamp file given second.
#include <cstdio>
#include <string>

#include "effects.hpp"
#include "sound/sound_table.hpp"
#include "wave_file.hpp"

namespace {

using sound::Timbre;
using sounds::Placement;
using sounds::Signal;

Placement PlacementOf(sound::Ear ear) {
  switch (ear) {
    case sound::Ear::LeftOnly:
      return Placement::LeftOnly;
    case sound::Ear::RightOnly:
      return Placement::RightOnly;
    default:
      return Placement::Mono;
  }
}

Signal Make(const sound::SoundRow& row, std::size_t frames) {
  switch (row.timbre) {
    case Timbre::BonusCell:
      return sounds::BonusCell(frames);
    case Timbre::Refusal:
      return sounds::Refusal(frames);
    case Timbre::Drop:
      return sounds::Drop(frames);
    case Timbre::GameOver:
      return sounds::GameOver(frames);
    case Timbre::LevelUp:
      return sounds::LevelUp(frames);
    case Timbre::WordFanfare:
      return sounds::WordFanfare(frames);
    case Timbre::Landing:
      return sounds::Landing(frames);
    case Timbre::BlipUp:
      return sounds::Blip(frames, true);
    case Timbre::BlipDown:
      return sounds::Blip(frames, false);
    case Timbre::Splash:
      return sounds::Splash(frames);
    case Timbre::PipeSlurp:
      return sounds::PipeSlurp(frames, row.heatClass);
    case Timbre::LetterChime:
      return sounds::LetterChime(frames);
  }
  return Signal(frames, 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <output folder> <stamp file>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  // Every clip at the exact length the game's timings were made for.
  for (const sound::SoundRow& row : sound::kSoundTable) {
    const auto bytes = static_cast<std::size_t>(row.dataBytes);
    const std::size_t frames = bytes / static_cast<std::size_t>(row.channels);
    const auto samples = sounds::Finish(Make(row, frames), PlacementOf(row.ear));
    const std::string path = folder + "/wave_" + std::to_string(row.id) + ".wav";
    if (samples.size() != bytes ||
        !sounds::WriteFile(path, sounds::WaveFile(samples, row.channels))) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  if (!sounds::WriteFile(argv[2], {})) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
