#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/text_drawing.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/screen_state.hpp"
#include "shell/screen_flow.hpp"
#include "shell/shell_fixture.hpp"
#include "support/fingerprint.hpp"

namespace {

using namespace shell_test;

struct Seen {
  std::u16string text;
  platform::Rect rect;
  const platform::Font* font;
  // The ink, as wide as the face draws it, lies inside the rectangle.
  bool Whole() const { return platform::MeasureText(*font, text) + 1 <= rect.Width(); }
};
std::vector<Seen> seen;

class HiScoreScreenTest : public ShellTest {
 protected:
  // Shows the table of `tab`, keeping every text the paint wrote.
  void Show(std::uint32_t tab) {
    render::HiScoreTab = tab;
    shell::ShowScreen(render::screen::HiScoreTable);
    seen.clear();
    platform::SetTextObserver([](const platform::DrawnText& d) {
      seen.push_back(Seen{std::u16string(d.text), d.rect, d.font});
    });
    platform::headless::Pump();
    platform::SetTextObserver(nullptr);
  }
  static std::vector<Seen>::const_iterator Find(std::u16string_view text) {
    return std::find_if(seen.begin(), seen.end(), [&](const Seen& s) { return s.text == text; });
  }
};

// Long names stop before their scores, and no digit of a long score or of the
// games played is cut off by its box.
TEST_F(HiScoreScreenTest, EveryTextStaysInItsBox) {
  ASSERT_EQ(Start(320, 240), shell::StartOutcome::Run);
  const std::u16string scores[5] = {u"2147483647", u"-2147483648", u"4156", u"2856", u"1365"};
  for (int k = 0; k < 2; ++k) {
    std::fill_n(records::HiScoreTables[1].Entry[k].Name, 10, k ? u'M' : u'W');
    records::HiScoreTables[1].Entry[k].Score = k ? -2147483647 - 1 : 2147483647;
  }
  records::GameStatus.GamesPlayed = 4294967295u;
  Show(2);
  for (int k = 0; k < 5; ++k) {
    const auto score = Find(scores[k]);
    ASSERT_NE(score, seen.end()) << k;
    EXPECT_TRUE(score->Whole()) << k;
    EXPECT_EQ(score->rect.left, 152) << k;
    // The name is drawn just before its score.
    EXPECT_LE((score - 1)->rect.right,
              score->rect.right - platform::MeasureText(*score->font, scores[k]) - 1)
        << k;
    EXPECT_TRUE(k < 2 || score->font == &render::FontTable[render::Font20Bold]) << k;
  }
  const auto count = Find(u"4294967295");
  ASSERT_NE(count, seen.end());
  EXPECT_TRUE(count->Whole());
  // No font fits, so the narrowest shows it.
  for (render::FontSlot f : {render::Font18Heavy, render::Font16Heavy, render::Font14Bold}) {
    EXPECT_LE(platform::MeasureText(*count->font, count->text),
              platform::MeasureText(render::FontTable[f], count->text));
  }
}

// The square screen keeps the portrait's columns and shows the background's
// top and shelf in their places; an unknown tab shows no table, and a missing
// background leaves the screen black.
TEST_F(HiScoreScreenTest, SquareScreen) {
  ASSERT_EQ(Start(240, 240), shell::StartOutcome::Run);
  Show(6);
  const auto first = Find(u"1");
  ASSERT_NE(first, seen.end());
  EXPECT_EQ(first->rect.left, 24);
  EXPECT_EQ(first->rect.top, 78);
  EXPECT_EQ(std::count_if(seen.begin(), seen.end(), [](const Seen& s) { return s.text == u"Pt."; }),
            5);
  EXPECT_EQ(Find(u"8569"), seen.end());
  const platform::Bitmap screen = platform::headless::Screen();
  const platform::Bitmap& background = *render::PictureOf(render::HiScoreBackground);
  for (int y : {24, 119}) EXPECT_EQ(screen.Pixel(236, y), background.Pixel(236, y)) << y;
  for (int y : {120, 150, 196, 239}) {
    EXPECT_EQ(screen.Pixel(236, y), background.Pixel(236, y + 80)) << y;
    EXPECT_EQ(screen.Pixel(60, y), background.Pixel(60, y + 80)) << y;
  }
  // A background that covers less than the screen (here one pixel; an empty one
  // would be decoded again) leaves the rest black, not the game's old pixels.
  platform::Bitmap missing(1, 1);
  std::swap(render::Pictures[render::HiScoreBackground], missing);
  Show(6);
  std::swap(render::Pictures[render::HiScoreBackground], missing);
  for (const auto& [x, y] : {std::pair{60, 150}, {0, 239}, {239, 0}}) {
    EXPECT_EQ(platform::headless::Screen().Pixel(x, y), platform::Rgb(0, 0, 0));
  }
}

// Each shape of the screen is held to a fingerprint of its pixels. After a
// deliberate change, look at the screens and take new fingerprints:
//   FANDRIASS_HISCORE_SHOTS=/tmp/shots build/fandriass_tests
//   --gtest_filter='*HiScoreScreenTest.Pictures'
// writes each screen there as a PPM picture and prints the table to paste below.
TEST_F(HiScoreScreenTest, Pictures) {
  const std::map<std::string, std::uint64_t> expected = {
#include "hiscore_fingerprints.inc"
  };
  const char* shots = std::getenv("FANDRIASS_HISCORE_SHOTS");
  const int shapes[5][3] = {
      {240, 320, 1}, {320, 240, 2}, {480, 640, 5}, {240, 240, 3}, {320, 320, 4}};
  for (const auto& [width, height, tab] : shapes) {
    ASSERT_EQ(Start(width, height), shell::StartOutcome::Run);
    std::fill_n(records::HiScoreTables[tab - 1].Entry[0].Name, 10, u'W');
    records::HiScoreTables[tab - 1].Entry[1].Score = 123456789;
    Show(static_cast<std::uint32_t>(tab));
    const platform::Bitmap screen = platform::headless::Screen();
    const std::uint64_t print = testing_support::Fingerprint(screen);
    const std::string name = std::to_string(width) + "x" + std::to_string(height);
    if (shots) {
      std::printf("    {\"%s\", 0x%016llxull},\n", name.c_str(),
                  static_cast<unsigned long long>(print));
      std::string ppm =
          "P6 " + name.substr(0, name.find('x')) + " " + std::to_string(height) + " 255\n";
      for (const platform::Colour c : screen.Pixels()) {
        ppm += {char(platform::RedOf(c)), char(platform::GreenOf(c)), char(platform::BlueOf(c))};
      }
      std::ofstream(std::string(shots) + "/" + name + ".ppm", std::ios::binary) << ppm;
    } else {
      EXPECT_EQ(print, expected.at(name))
          << name << " changed: look at it and take new fingerprints";
    }
    popup::ResetPopup();
    platform::ReleaseSingleInstance();
    platform::headless::Stop();
    ForgetEverything();
  }
}

}  // namespace
