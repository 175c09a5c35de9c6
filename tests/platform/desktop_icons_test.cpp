#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/resources/resources.hpp"

namespace {

std::vector<std::uint8_t> IconBytes(int size) {
  std::ifstream in(std::string(FANDRIASS_DESKTOP_ICON_DIR) + "/" + std::to_string(size) + ".png",
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

platform::Bitmap ReadIcon(int size) {
  return platform::DecodePng(IconBytes(size));
}

// The desktop shows the window icon's picture at every size, inside its rounded
// outline, with corners the menu's background shows through (decoded over black).
TEST(DesktopIcons, EachSizeIsTheWindowIconWithSeeThroughCorners) {
  const platform::Colour black = platform::Rgb(0, 0, 0);
  for (int size : {16, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const platform::Bitmap icon = ReadIcon(size);
    ASSERT_EQ(icon.Width(), size);
    ASSERT_EQ(icon.Height(), size);
    if (size == 16) continue;  // its corner pixels are partly inside the rounding
    const int last = size - 1;
    EXPECT_EQ(icon.Pixel(0, 0), black);
    EXPECT_EQ(icon.Pixel(last, 0), black);
    EXPECT_EQ(icon.Pixel(0, last), black);
    EXPECT_EQ(icon.Pixel(last, last), black);
  }
  // At the window icon's own size the outline's outer edge falls between pixels:
  // the border ring is see-through, and inside it, away from the rounded
  // corners, the two pictures agree.
  const platform::Bitmap window = platform::LoadIconResource(platform::MainIconId);
  const platform::Bitmap icon = ReadIcon(64);
  ASSERT_EQ(window.Width(), 64);
  const int corner = 10;
  int differing = 0, opaqueRing = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const bool ring = x == 0 || y == 0 || x == 63 || y == 63;
      const bool inCorner = (x < corner || x >= 64 - corner) && (y < corner || y >= 64 - corner);
      if (ring && icon.Pixel(x, y) != black) ++opaqueRing;
      if (!ring && !inCorner && icon.Pixel(x, y) != window.Pixel(x, y)) ++differing;
    }
  EXPECT_EQ(opaqueRing, 0);
  EXPECT_EQ(differing, 0);
}

// A damaged picture, or one whose header claims more than any picture of the
// game, decodes to nothing.
TEST(DesktopIcons, ADamagedOrHugePictureDecodesToNothing) {
  const std::vector<std::uint8_t> good = IconBytes(48);
  ASSERT_EQ(platform::DecodePng(good).Width(), 48);
  const std::vector<std::uint8_t> cut(good.begin(), good.begin() + good.size() / 2);
  std::vector<std::uint8_t> huge = good, wide = good;
  huge[16] = huge[20] = 0x01;  // 2^24 + 48 pixels a side
  wide[18] = 0x20;             // 8,192 + 48: one side beyond the largest
  std::vector<std::uint8_t> noise(good.size(), 0x5a);
  for (const std::vector<std::uint8_t>& bytes : {cut, huge, wide, noise}) {
    EXPECT_TRUE(platform::DecodePng(bytes).Empty());
  }
}

}  // namespace
