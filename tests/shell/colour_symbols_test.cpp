#include <gtest/gtest.h>

#include <algorithm>

#include "platform/colour.hpp"
#include "platform/desktop_preferences.hpp"
#include "platform/messages.hpp"
#include "shell_fixture.hpp"

// F2 puts a symbol on every paint colour of the game screen and takes it off
// again; the records never hear of it.
namespace {

using namespace shell_test;

// Red, yellow, blue, green, purple, orange and black, then a lettered red.
constexpr const char* kBoard = "RYBGPO / K..... / R..... / ...... / ...... / ......";
constexpr const char* kLetters = "...... / ...... / 1..... / ...... / ...... / ......";

// Pixels that differ inside a logical rectangle of the portrait screen.
int Changed(const platform::Bitmap& a, const platform::Bitmap& b, int x, int y, int w, int h) {
  const int s = a.Width() / 240;
  int n = 0;
  for (int py = y * s; py < (y + h) * s; ++py)
    for (int px = x * s; px < (x + w) * s; ++px) n += a.Pixel(px, py) != b.Pixel(px, py);
  return n;
}

// The weakest channel of a pixel at a logical point: high only for near white.
int Whiteness(const platform::Bitmap& b, int x, int y) {
  const int s = b.Width() / 240;
  const platform::Colour c = b.Pixel(x * s, y * s);
  return std::min({platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c)});
}

class ColourSymbolsTest : public ShellTest {
 protected:
  void TearDown() override {
    ShellTest::TearDown();
    platform::ResetDesktopPreferences();
  }
  void StartOn(int width, int height) {
    Keep({.mode = 1, .paintColour = 6, .reserve = 60, .board = kBoard, .letters = kLetters});
    ASSERT_EQ(Start(width, height), shell::StartOutcome::Run);
    FirstPaintOfTheGame();
    platform::headless::Pump();
  }
  static void Press(unsigned key, bool repeat = false) {
    platform::SendMessage(platform::MainWindow(), platform::msg::KeyDown, key,
                          repeat ? platform::KeyRepeat : 0);
    platform::headless::Pump();
  }
  static platform::Bitmap Shot() { return platform::headless::Screen(); }
  static int CellX(int cell) { return 18 + 30 * (cell % 6); }
  static int CellY(int cell) { return 31 + 18 + 30 * (cell / 6); }
};

TEST_F(ColourSymbolsTest, F2MarksEveryPaintAndThePillAndAgainRestoresThePictureExactly) {
  StartOn(240, 320);
  ASSERT_FALSE(platform::ColourSymbols());
  const platform::Bitmap off = Shot();
  store.writes = 0;

  Press(platform::vk::F2, true);  // a held key's repeat changes nothing
  platform::headless::KeyUp(platform::vk::F2);
  platform::headless::Pump();
  EXPECT_FALSE(platform::ColourSymbols());

  Press(platform::vk::F2);
  ASSERT_TRUE(platform::ColourSymbols());
  const platform::Bitmap on = Shot();
  for (int cell = 0; cell < 6; ++cell) {
    // The symbol sits in the ball's middle, drawn over it.
    EXPECT_GT(Changed(off, on, CellX(cell) + 11, CellY(cell) + 11, 8, 8), 20) << "colour " << cell;
    // Its light face is there only when asked for.
    EXPECT_LT(Whiteness(off, CellX(cell) + 15, CellY(cell) + 15), 150) << "colour " << cell;
    EXPECT_GT(Whiteness(on, CellX(cell) + 15, CellY(cell) + 15), 180) << "colour " << cell;
  }
  EXPECT_EQ(Changed(off, on, CellX(6), CellY(6), 30, 30), 0) << "black has none";
  // A lettered ball keeps its coin whole in the middle; the symbol goes lower right.
  EXPECT_EQ(Changed(off, on, CellX(12) + 12, CellY(12) + 9, 6, 6), 0);
  EXPECT_GT(Changed(off, on, CellX(12) + 18, CellY(12) + 18, 6, 6), 10);
  EXPECT_GT(Changed(off, on, 217, 48, 18, 25), 20) << "the next-colour pill";
  // Nothing else on the screen moved.
  EXPECT_EQ(Changed(off, on, 0, 0, 240, 31 + 18), 0);
  EXPECT_EQ(Changed(off, on, 0, 31 + 198, 240, 320 - 229), 0);

  Press(platform::vk::F2);
  EXPECT_FALSE(platform::ColourSymbols());
  EXPECT_EQ(Changed(off, Shot(), 0, 0, 240, 320), 0);
  EXPECT_EQ(store.writes, 0) << "the records are not the place for it";
}

}  // namespace
