#pragma once

#include <cstdint>
#include <span>

#include "platform/drawing/bitmap.hpp"
#include "platform/drawing/font.hpp"

// The executable's resources, found by their numeric identifiers as the game's
// own were. A missing or damaged resource gives an empty handle, never a crash.
namespace platform {

// The main window's icon.
constexpr int MainIconId = 133;

// A picture; empty when the identifier is unknown or its PNG data is damaged.
Bitmap LoadBitmapResource(int id);
// A WAVE clip's bytes, as stored; empty when unknown.
std::span<const std::uint8_t> WaveResource(int id);
// A window icon; empty when unknown.
Bitmap LoadIconResource(int id);

// The embedded typeface at a cell height in pixels and a weight (400 regular,
// 700 bold, 900 heavy); empty when the pack holds no face of that weight.
Font LoadFontResource(int cellHeight, int weight);

// Decodes PNG data into an opaque bitmap (any transparency over black).
Bitmap DecodePng(std::span<const std::uint8_t> bytes);

// A back end that downloads the pack (the web page) gives it here, before the
// first resource is looked up; the bytes must stay for the program's life.
// Without one, the pack the build linked in is used.
void UseDownloadedResources(std::span<const std::uint8_t> pack);

// Once everything is decoded the packed bytes are not needed: lets the
// system take back the memory they hold. Later loads still work.
void ReleaseResourcePages();

}  // namespace platform
