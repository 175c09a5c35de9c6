#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window/display_profile.hpp"

namespace records {

// The tag of a GameMode in the code ("032" EASY .. "036" CHROMA); empty outside 1..5.
std::u16string_view ExportModeTag(int mode);
// The tag of a display class ("09", "10", "11" or "12"; "09" for any unknown class).
std::u16string_view ExportScreenTag(platform::ScreenClass displayClass);

// True when the mode's best score beats its best default score, so the panel
// shows a code rather than the explanation.
bool ExportCodeEarned(int mode);

// The code the player types in on the web site, built from a score, the two
// tags and GamesPlayed. The text lives in one static buffer, zero-ended, and
// each build overwrites it. Tags longer than 3 and 2 units are cut to that width.
std::u16string_view BuildExportCode(std::int32_t score, std::u16string_view modeTag,
                                    std::u16string_view screenTag);

}  // namespace records
