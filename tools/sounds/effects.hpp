#pragma once

#include <cstddef>

#include "synthesis.hpp"

// One function per effect. Each returns a mono signal of exactly `frames`
// samples at any level: the writer fades the ends and sets the peak.
namespace sounds {

Signal Landing(std::size_t frames);            // a soft wooden tock
Signal Drop(std::size_t frames);               // a short falling whistle ending in a plop
Signal Refusal(std::size_t frames);            // a dull low buzz
Signal Splash(std::size_t frames);             // a wet splat
Signal LevelUp(std::size_t frames);            // a rising three-note phrase
Signal GameOver(std::size_t frames);           // a falling three-note phrase
Signal BonusCell(std::size_t frames);          // a sparkling arpeggio
Signal LetterChime(std::size_t frames);        // one bell-like chime
Signal WordFanfare(std::size_t frames);        // a short fanfare
Signal Blip(std::size_t frames, bool rising);  // the two spare clips: soft blips
// A ball sucked into a pipe; hotter pipes (class 1..4) slurp higher and brighter.
Signal PipeSlurp(std::size_t frames, int heatClass);

}  // namespace sounds
