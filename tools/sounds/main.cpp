// Synthesises the game's sound effects as WAVE files: wave_<id>.wav in the
// folder given, then touches the stamp file given second.
#include <cstdio>
#include <functional>
#include <string>

#include "effects.hpp"
#include "wave_file.hpp"

namespace {

using sounds::Placement;
using sounds::Signal;

struct Effect {
  int id;
  int channels;
  std::size_t dataBytes;
  Placement placement;
  std::function<Signal(std::size_t)> make;
};

std::function<Signal(std::size_t)> Slurp(int heatClass) {
  return [heatClass](std::size_t frames) { return sounds::PipeSlurp(frames, heatClass); };
}

// Every clip at the exact length the game's timings were made for.
const Effect Effects[] = {
    {735, 1, 6468, Placement::Mono, Slurp(3)},
    {736, 2, 12936, Placement::LeftOnly, Slurp(3)},
    {737, 2, 12936, Placement::RightOnly, Slurp(3)},
    {738, 1, 3357, Placement::Mono, Slurp(4)},
    {739, 2, 6714, Placement::LeftOnly, Slurp(4)},
    {740, 2, 6714, Placement::RightOnly, Slurp(4)},
    {741, 1, 5261, Placement::Mono, sounds::LetterChime},
    {742, 2, 24512, Placement::LeftOnly, Slurp(1)},
    {743, 2, 24512, Placement::RightOnly, Slurp(1)},
    {744, 1, 15904, Placement::Mono, sounds::BonusCell},
    {745, 1, 4048, Placement::Mono, sounds::Refusal},
    {746, 1, 6382, Placement::Mono, sounds::Drop},
    {747, 1, 25649, Placement::Mono, sounds::GameOver},
    {748, 1, 13693, Placement::Mono, sounds::LevelUp},
    {749, 1, 10032, Placement::Mono, sounds::WordFanfare},
    {750, 1, 7761, Placement::Mono, sounds::Landing},
    {751, 1, 4368, Placement::Mono, [](std::size_t n) { return sounds::Blip(n, true); }},
    {752, 1, 4368, Placement::Mono, [](std::size_t n) { return sounds::Blip(n, false); }},
    {753, 1, 2896, Placement::Mono, sounds::Splash},
    {754, 1, 12256, Placement::Mono, Slurp(1)},
    {755, 1, 9694, Placement::Mono, Slurp(2)},
    {756, 2, 19388, Placement::LeftOnly, Slurp(2)},
    {757, 2, 19388, Placement::RightOnly, Slurp(2)},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <output folder> <stamp file>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  for (const Effect& effect : Effects) {
    const std::size_t frames = effect.dataBytes / effect.channels;
    const auto samples = sounds::Finish(effect.make(frames), effect.placement);
    const std::string path = folder + "/wave_" + std::to_string(effect.id) + ".wav";
    if (samples.size() != effect.dataBytes ||
        !sounds::WriteFile(path, sounds::WaveFile(samples, effect.channels))) {
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
