#include <gtest/gtest.h>

#include "platform/software_drawing.hpp"
#include "platform/text_drawing.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/drawing_primitives.hpp"
#include "support/headless_fixture.hpp"

namespace {

using namespace platform;
using namespace render;

class FontSizesTest : public testing_support::HeadlessTest {
 protected:
  void TearDown() override {
    ReleaseCatalogue();
    HeadlessTest::TearDown();
  }
};

// The portrait screens, small and VGA: every layout below is logical, so the
// VGA boxes are twice as wide.
struct Screen {
  int width, height, factor;
};
constexpr Screen kScreens[] = {{240, 320, 1}, {480, 640, 2}};

void Load(const Screen& s) {
  ReleaseCatalogue();
  testing_support::StartScreen(s.width, s.height);
  LoadCatalogue();
}

// The rows [top, bottom) where two pictures differ.
struct Rows {
  int top, bottom;
};
Rows ChangedRows(const Bitmap& before, const Bitmap& after) {
  Rows rows{after.Height(), 0};
  for (int y = 0; y < after.Height(); ++y) {
    for (int x = 0; x < after.Width(); ++x) {
      if (before.Pixel(x, y) == after.Pixel(x, y)) continue;
      rows.top = std::min(rows.top, y);
      rows.bottom = y + 1;
    }
  }
  return rows;
}

// A cell height is the face's ascent plus descent, as the layouts were measured:
// Tahoma's capitals then stand 0.60 of the cell tall on a baseline 0.83 down.
TEST_F(FontSizesTest, CapitalsAndBaselinesFollowTheCellHeight) {
  for (const Screen& s : kScreens) {
    Load(s);
    for (int f = 0; f < FontCount; ++f) {
      const Font& font = FontTable[f];
      ASSERT_FALSE(font.Empty());
      const int cell = font.CellHeight();
      const Bitmap blank(4 * cell, cell, Rgb(255, 255, 255));
      Bitmap drawn = blank;
      DeviceContext dc = MemoryContext(drawn);
      dc.font = &font;
      dc.backgroundMode = BackgroundMode::Transparent;
      DrawText(dc, u"H", Rect{0, 0, drawn.Width(), drawn.Height()}, text_format::Left);
      const Rows ink = ChangedRows(blank, drawn);
      SCOPED_TRACE(testing::Message() << "font " << f << " cell " << cell);
      EXPECT_NEAR(ink.bottom - ink.top, cell * 1489.0 / 2472.0, 1.5);
      EXPECT_NEAR(ink.bottom, cell * 2049.0 / 2472.0, 1.0);
    }
  }
}

// The ink a text puts down, black on white: the sum of how dark each pixel is.
long InkOf(const Font& font, std::u16string_view text) {
  Bitmap b(MeasureText(font, text) + font.CellHeight(), font.CellHeight(), Rgb(255, 255, 255));
  DeviceContext dc = MemoryContext(b);
  dc.font = &font;
  dc.backgroundMode = BackgroundMode::Transparent;
  DrawText(dc, text, Rect{0, 0, b.Width(), b.Height()}, text_format::Left);
  long ink = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) ink += 255 - GreenOf(b.Pixel(x, y));
  return ink;
}

// The embedded bold face is bold only in its small bitmaps; elsewhere its
// outlines have the regular stems. Every bold slot must put down clearly more
// ink than the regular face at its size.
TEST_F(FontSizesTest, BoldFontsReadBoldAtEverySize) {
  for (const Screen& s : kScreens) {
    Load(s);
    for (int f = 0; f < FontCount; ++f) {
      const Font& bold = FontTable[f];
      if (bold.Weight() < 700) continue;
      const Font regular = Font::Create(bold.CellHeight(), 400);
      SCOPED_TRACE(testing::Message() << "font " << f << " cell " << bold.CellHeight());
      const double ratio = static_cast<double>(InkOf(bold, u"Hamburgefonstiv 1234567")) /
                           static_cast<double>(InkOf(regular, u"Hamburgefonstiv 1234567"));
      EXPECT_GE(ratio, 1.3);
    }
  }
}

TEST_F(FontSizesTest, TheGameTextsFitTheirBoxesOnOneLine) {
  struct Text {
    int font;
    const char16_t* text;
    int boxWidth;  // logical
  };
  const Text texts[] = {
      {Font18Bold, u"You scored:", 96},      // the end-of-game result
      {Font18Bold, u"123456", 96},           // and its score
      {Font18Bold, u"Played:", 74},          // the hi-score table's heading
      {Font18Heavy, u"9999", 40},            // four digits of games played
      {Font20Bold, u"1234567", 80},          // a seven-digit hi-score
      {Font15Bold, u"Stereo Sound", 90},     // settings labels
      {Font15Bold, u"Enable Help", 110},     //
      {Font15Bold, u"Sound Settings", 140},  //
      {Font16Bold, u"Enter your name below:", 200},
      {Font16Bold, u"Congratulations!", 156},
      {Font14Bold, u"1234567", 60},  // the game screen's score box
  };
  for (const Screen& s : kScreens) {
    Load(s);
    for (const Text& t : texts) {
      const Font& font = FontTable[t.font];
      const int box = t.boxWidth * s.factor;
      SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " font " << t.font << " "
                                      << Utf16ToUtf8(t.text));
      EXPECT_LE(MeasureText(font, t.text), box);
      Bitmap b(box, 2 * font.CellHeight());
      DeviceContext dc = MemoryContext(b);
      dc.font = &font;
      EXPECT_EQ(DrawText(dc, t.text, Rect{0, 0, box, b.Height()}, text_format::WordBreak),
                font.CellHeight());
    }
  }
}

TEST_F(FontSizesTest, ScoreDigitsStayInsideTheScoreBoxFrame) {
  for (const Screen& s : kScreens) {
    Load(s);
    const Bitmap* picture = PictureOf(ScoreBox);
    ASSERT_NE(picture, nullptr);
    Bitmap box(picture->Width(), picture->Height());
    DeviceContext dc = MemoryContext(box);
    DrawBitmap(dc, picture, 60, 20, 0, 0);
    const Bitmap empty = box;
    dc.font = &FontTable[Font14Bold];
    DrawNumberRect(dc, 1234567, 18, 1, 83, 0, 0, 0, 0, 0, 60, 20, 1, text_format::Right);
    // The dark frame is the box's top and bottom two rows (doubled on VGA).
    const Rows digits = ChangedRows(empty, box);
    EXPECT_GE(digits.top, 2 * s.factor);
    EXPECT_LE(digits.bottom, 18 * s.factor);
  }
}

}  // namespace
