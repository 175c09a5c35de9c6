#pragma once

#include <string>

namespace art {

// Reads the drawn pictures back from their folder and writes, into outDir,
// contact_sheet_small.png and contact_sheet_vga.png (every picture of a set
// with its identifier, keyed ones also shown over a neutral ground), plus
// contact_sheet_screens.png: the main menus with their hot areas outlined and
// the game screen assembled from its pieces.
bool WriteContactSheets(const std::string& generatedDir, const std::string& outDir);

}  // namespace art
