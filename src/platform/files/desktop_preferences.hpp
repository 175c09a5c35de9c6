#pragma once

#include <string>

// Choices that belong to this desktop rather than to the game: kept in a small
// text file of "name=value" lines beside the records, never inside them.
namespace platform {

// The colour symbols drawn over the paints; off until the player asks.
bool ColourSymbols();
void SetColourSymbols(bool on);

// Reads the file at path and remembers it for saving. A missing file, or any
// line that is not understood, leaves the defaults; lines of other choices
// are kept as they were for the next save.
void LoadDesktopPreferences(const std::string& path);
// Writes the choices to the file read last; false when none was read or the
// write failed (the choices still hold for this session).
bool SaveDesktopPreferences();
// desktop.conf in the records' folder; empty when there is no such folder.
std::string DesktopPreferencesPath();
// Back to the defaults, with no file to save to.
void ResetDesktopPreferences();

}  // namespace platform
