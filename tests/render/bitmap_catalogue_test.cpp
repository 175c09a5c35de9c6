#include "render/bitmap_catalogue.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "platform/colour.hpp"
#include "support/headless_fixture.hpp"
#include "support/scoped_value.hpp"

namespace {

using namespace render;
using platform::Bitmap;
using platform::Colour;

class CatalogueTest : public testing_support::HeadlessTest {
 protected:
  void Load(int width, int height) {
    testing_support::StartScreen(width, height);
    LoadCatalogue();
  }
  void TearDown() override {
    ReleaseCatalogue();
    ApplyBallStyle(BallStyleShiny);
    HeadlessTest::TearDown();
  }
};

Colour KeyColour(std::int32_t key) {
  return platform::Rgb(key & 0xFF, (key >> 8) & 0xFF, (key >> 16) & 0xFF);
}

// Pictures the game also draws opaque, so they must hold no key pixel at all:
// the sound icons (redrawn opaque when toggled) and the check boxes (opaque on
// the settings page).
bool DrawnOpaqueToo(int entry) {
  return entry == SoundOffIcon || entry == SoundOnIcon || entry == CheckBoxEmpty ||
         entry == CheckBoxTicked;
}

// Lettering keeps the insides of its letters see-through.
bool IsLettering(int entry) {
  return entry == BonusBanner || entry == GameOverBanner || entry == TimeUpBanner ||
         entry == LevelUpBanner || (entry >= ModeTitles && entry < ModeTitles + 5);
}

// Counts key pixels that no path of key pixels joins to the picture's border:
// a key colour inside the drawing, which would show as a hole.
int EnclosedKeyPixels(const Bitmap& b, int x0, int y0, int w, int h, Colour key) {
  std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
  std::vector<int> stack;
  auto push = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    const std::size_t i = static_cast<std::size_t>(y * w + x);
    if (seen[i] || b.Pixel(x0 + x, y0 + y) != key) return;
    seen[i] = 1;
    stack.push_back(y * w + x);
  };
  for (int x = 0; x < w; ++x) push(x, 0), push(x, h - 1);
  for (int y = 0; y < h; ++y) push(0, y), push(w - 1, y);
  while (!stack.empty()) {
    const int i = stack.back();
    stack.pop_back();
    push(i % w - 1, i / w), push(i % w + 1, i / w), push(i % w, i / w - 1), push(i % w, i / w + 1);
  }
  int enclosed = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (b.Pixel(x0 + x, y0 + y) == key && !seen[static_cast<std::size_t>(y * w + x)]) ++enclosed;
  return enclosed;
}

bool CornersAre(const Bitmap& b, int x0, int y0, int w, int h, Colour key) {
  return b.Pixel(x0, y0) == key && b.Pixel(x0 + w - 1, y0) == key &&
         b.Pixel(x0, y0 + h - 1) == key && b.Pixel(x0 + w - 1, y0 + h - 1) == key;
}

int CountOf(const Bitmap& b, Colour c) {
  int n = 0;
  for (Colour p : b.Pixels()) n += p == c;
  return n;
}

// Every entry of the set is there at its size, the small-only ones absent on VGA.
void ExpectSetComplete(bool vga) {
  for (int entry = 0; entry < PictureCount; ++entry) {
    const PictureRow& row = kPictureTable[entry];
    const int id = vga ? row.vgaId : row.smallId;
    SCOPED_TRACE(testing::Message() << "entry " << entry << " id " << id);
    if (id == 0) {
      EXPECT_EQ(PictureOf(entry), nullptr);
      continue;
    }
    ASSERT_NE(PictureOf(entry), nullptr);
    EXPECT_EQ(Pictures[entry].Width(), vga ? row.vgaWidth : row.smallWidth);
    EXPECT_EQ(Pictures[entry].Height(), vga ? row.vgaHeight : row.smallHeight);
  }
}

TEST_F(CatalogueTest, SmallClassesLoadTheWholeSmallSet) {
  Load(240, 320);
  ExpectSetComplete(false);
  EXPECT_EQ(Pictures[Menu320].Width(), 320);
  EXPECT_EQ(Pictures[Class7Corners + 3].Width(), 49);
  EXPECT_EQ(Pictures[ShinyBalls].Width(), 30);
}

TEST_F(CatalogueTest, VgaClassesLoadDoubleSizesAndLeaveTheSmallOnlyEntriesEmpty) {
  Load(480, 480);
  ExpectSetComplete(true);
  EXPECT_EQ(PictureOf(Menu320), nullptr);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(PictureOf(Class7Corners + i), nullptr);
  EXPECT_EQ(Pictures[ShinyBalls + 12].Width(), 60);
  EXPECT_EQ(Pictures[MenuLandscape].Width(), 640);
  // Shown stretched on the VGA screens: one picture serves both sets.
  EXPECT_EQ(Pictures[ColourWheel].Width(), 116);
  EXPECT_EQ(Pictures[HiScoreBackground].Height(), 320);
}

TEST_F(CatalogueTest, TableKeepsEveryIdentifierDistinctExceptTheSharedPictures) {
  std::set<int> ids;
  int shared = 0, total = 0;
  for (const PictureRow& row : kPictureTable) {
    ids.insert(row.smallId);
    ++total;
    if (row.vgaId == row.smallId) {
      ++shared;
    } else if (row.vgaId != 0) {
      ids.insert(row.vgaId);
      ++total;
    }
  }
  EXPECT_EQ(static_cast<int>(ids.size()), total);
  EXPECT_EQ(shared, 2);  // the colour wheel and the hi-score background
}

TEST_F(CatalogueTest, UnsupportedClassLoadsNothingAndReleaseEmptiesEverything) {
  {
    const testing_support::ScopedValue unsupported(platform::Display.DisplayClass, 8u);
    LoadCatalogue();
    for (int entry = 0; entry < PictureCount; ++entry) EXPECT_EQ(PictureOf(entry), nullptr);
    EXPECT_TRUE(FontTable[Font14Bold].Empty());
  }

  Load(320, 320);
  ASSERT_NE(PictureOf(Menu320), nullptr);
  ASSERT_FALSE(FontTable[Font20Bold].Empty());
  BackBuffers[BoardBuffer] = Bitmap(216, 216);
  ReleaseCatalogue();
  for (int entry = 0; entry < PictureCount; ++entry) EXPECT_EQ(PictureOf(entry), nullptr);
  for (const platform::Font& f : FontTable) EXPECT_TRUE(f.Empty());
  EXPECT_TRUE(BackBuffers[BoardBuffer].Empty());
  EXPECT_EQ(BallPicture(1, 0), nullptr);
  ReleaseCatalogue();  // twice is harmless
}

TEST_F(CatalogueTest, FontsTakeTheSmallOrTheVgaHeights) {
  Load(240, 320);
  EXPECT_EQ(FontTable[Font14Bold].CellHeight(), 14);
  EXPECT_EQ(FontTable[Font15Heavy].Weight(), 900);
  EXPECT_EQ(FontTable[Font20].CellHeight(), 20);
  EXPECT_EQ(FontTable[Font20].Weight(), 400);
  ReleaseCatalogue();
  platform::headless::Stop();
  Load(640, 480);
  EXPECT_EQ(FontTable[Font14Bold].CellHeight(), 27);
  EXPECT_EQ(FontTable[Font16Heavy].CellHeight(), 31);
  EXPECT_EQ(FontTable[Font20Bold].CellHeight(), 39);
}

// Six shapes side by side, each solid in its middle, and their edge against
// the key is the dark rim only: no light or key-tinted fringe on any ball.
void ExpectSymbolsClean(const Bitmap& b, Colour key) {
  const int cell = b.Height();
  for (int k = 0; k < 6; ++k) {
    EXPECT_TRUE(CornersAre(b, k * cell, 0, cell, cell, key)) << k;
    EXPECT_NE(b.Pixel(k * cell + cell / 2, cell / 2), key) << k;
    EXPECT_EQ(EnclosedKeyPixels(b, k * cell, 0, cell, cell, key), 0) << k;
  }
  for (int y = 1; y + 1 < b.Height(); ++y) {
    for (int x = 1; x + 1 < b.Width(); ++x) {
      const Colour c = b.Pixel(x, y);
      if (c == key || (b.Pixel(x - 1, y) != key && b.Pixel(x + 1, y) != key &&
                       b.Pixel(x, y - 1) != key && b.Pixel(x, y + 1) != key)) {
        continue;
      }
      EXPECT_LT(std::max({platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c)}), 90)
          << x << "," << y;
    }
  }
}

// Keys sit in the corners and nowhere inside, in both sets.
void ExpectKeysClean(bool vga) {
  for (int entry = 0; entry < PictureCount; ++entry) {
    const PictureRow& picture = kPictureTable[entry];
    const std::int32_t rawKey = vga ? picture.vgaKey : picture.smallKey;
    const Bitmap* b = PictureOf(entry);
    if (rawKey < 0 || !b) continue;
    const Colour key = KeyColour(rawKey);
    SCOPED_TRACE(testing::Message() << "entry " << entry << (vga ? " VGA" : " small"));
    if (DrawnOpaqueToo(entry)) {
      EXPECT_EQ(CountOf(*b, key), 0);
      continue;
    }
    if (entry == SplatSheets || entry == SplatSheets + 1) {
      // 3 colours x 4 frames; the third frame is drawn unkeyed, so it holds no white.
      const int cell = b->Width() / 3;
      for (int col = 0; col < 3; ++col) {
        for (int row = 0; row < 4; ++row) {
          const int x = col * cell, y = row * cell;
          if (row == 2) {
            for (int py = 0; py < cell; ++py)
              for (int px = 0; px < cell; ++px) ASSERT_NE(b->Pixel(x + px, y + py), key);
          } else {
            EXPECT_TRUE(CornersAre(*b, x, y, cell, cell, key)) << col << "," << row;
            EXPECT_EQ(EnclosedKeyPixels(*b, x, y, cell, cell, key), 0) << col << "," << row;
          }
        }
      }
      continue;
    }
    if (entry == ColourSymbols) {
      ExpectSymbolsClean(*b, key);
      continue;
    }
    EXPECT_TRUE(CornersAre(*b, 0, 0, b->Width(), b->Height(), key));
    if (IsLettering(entry)) {
      EXPECT_GT(b->Width() * b->Height() - CountOf(*b, key), b->Width() * b->Height() / 5);
      continue;
    }
    if (entry == CursorFrame) {
      // A frame: its middle is meant to be see-through.
      EXPECT_EQ(b->Pixel(b->Width() / 2, b->Height() / 2), key);
      continue;
    }
    EXPECT_NE(b->Pixel(b->Width() / 2, b->Height() / 2), key);
    EXPECT_EQ(EnclosedKeyPixels(*b, 0, 0, b->Width(), b->Height(), key), 0);
  }
}

TEST_F(CatalogueTest, KeyColoursOnlyWhereTransparentInTheSmallSet) {
  Load(240, 320);
  ExpectKeysClean(false);
}

TEST_F(CatalogueTest, KeyColoursOnlyWhereTransparentInTheVgaSet) {
  Load(480, 640);
  ExpectKeysClean(true);
}

TEST_F(CatalogueTest, BallLookupFollowsStyleColourAndHeat) {
  Load(240, 320);
  ApplyBallStyle(BallStyleMoon);
  EXPECT_EQ(BallPicture(1, 0), &Pictures[MoonBalls]);
  EXPECT_EQ(BallPicture(3, 9), &Pictures[MoonBalls + 4]);
  EXPECT_EQ(BallPicture(7, 0), &Pictures[MoonBalls + 12]);
  EXPECT_EQ(BallPicture(2, 10), &Pictures[JokerBalls]);
  EXPECT_EQ(BallPicture(7, 25), &Pictures[JokerBalls]);
  EXPECT_EQ(BallPicture(0, 0), nullptr);
  EXPECT_EQ(BallPicture(8, 12), nullptr);
  EXPECT_EQ(BallPicture(-1, 0), nullptr);

  ApplyBallStyle(BallStyleRock);
  EXPECT_EQ(BallPicture(6, 0), &Pictures[RockBalls + 10]);
  EXPECT_EQ(BallPicture(6, 10), &Pictures[JokerBalls + 1]);
  // The second frame of grey is grey again.
  EXPECT_EQ(BallSet[13], BallSet[12]);
  EXPECT_EQ(BallSet[13], &Pictures[RockBalls + 12]);
  EXPECT_EQ(BallSet[1], &Pictures[RockBalls + 1]);

  // A foreign style draws Shiny.
  ApplyBallStyle(42);
  EXPECT_EQ(BallSetStyle, BallStyleShiny);
  EXPECT_EQ(BallPicture(4, 3), &Pictures[ShinyBalls + 6]);
  EXPECT_EQ(BallPicture(4, 11), &Pictures[JokerBalls + 2]);
}

TEST_F(CatalogueTest, PipeLookupAppliesTheTintOffsetsBySide) {
  Load(240, 320);
  // Heat bands 0-3, 4-6, 7-9, 10+ at their edges; entries counted from the first pipe.
  struct Case {
    int heat, frame, side, entry;
  };
  const Case cases[] = {
      {0, 1, 4, 12},  {3, 1, 4, 12},  {4, 6, 4, 5},   {6, 1, 4, 0},  {7, 1, 4, 18},
      {9, 2, 4, 19},  {10, 1, 4, 6},  {30, 6, 4, 11}, {0, 1, 3, 36}, {5, 1, 3, 24},
      {8, 3, 3, 44},  {10, 6, 3, 35}, {2, 1, 2, 60},  {4, 1, 2, 48}, {7, 1, 2, 66},
      {11, 4, 2, 57}, {1, 6, 1, 89},  {6, 1, 1, 72},  {9, 1, 1, 90}, {10, 1, 1, 78},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PipePicture(c.heat, c.frame, c.side), &Pictures[VerticalPipes + c.entry])
        << c.heat << " " << c.frame << " " << c.side;
  // The left and right sides are vertical pictures, the top and bottom horizontal.
  EXPECT_EQ(PipePicture(0, 1, 4)->Width(), 18);
  EXPECT_EQ(PipePicture(0, 1, 1)->Width(), 30);
  EXPECT_EQ(PipePicture(5, 0, 1), nullptr);
  EXPECT_EQ(PipePicture(5, 7, 1), nullptr);
  EXPECT_EQ(PipePicture(5, 1, 0), nullptr);
  EXPECT_EQ(PipePicture(5, 1, 5), nullptr);
}

TEST_F(CatalogueTest, LetterCoinsByCodeAndByWordPosition) {
  Load(240, 320);
  EXPECT_EQ(LetterCoin(1, false), &Pictures[DimCoins]);
  EXPECT_EQ(LetterCoin(7, true), &Pictures[BrightCoins + 6]);
  EXPECT_EQ(LetterCoin(0, true), nullptr);
  EXPECT_EQ(LetterCoin(8, false), nullptr);
  // F a n d r i a s s: the two a's and the two s's share their coins.
  const int codes[9] = {1, 2, 3, 4, 5, 6, 2, 7, 7};
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(LetterCodeAtPosition(k), codes[k]);
    EXPECT_EQ(WordPositionCoin(k, true), LetterCoin(codes[k], true));
  }
  EXPECT_EQ(WordPositionCoin(6, false), WordPositionCoin(1, false));
  EXPECT_EQ(WordPositionCoin(9, true), nullptr);
  EXPECT_EQ(WordPositionCoin(-1, true), nullptr);
}

}  // namespace
