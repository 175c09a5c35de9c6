// Lettering inside small pictures must read at the size the game shows it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/bitmap_catalogue.hpp"
#include "support/headless_fixture.hpp"

namespace {

using namespace render;
using platform::Bitmap;
using platform::Colour;

class PictureLetteringTest : public testing_support::HeadlessTest {
 protected:
  void TearDown() override {
    ReleaseCatalogue();
    HeadlessTest::TearDown();
  }
};

// Each set in turn with its scale factor.
template <typename Check>
void ForBothSets(Check check) {
  for (const int factor : {1, 2}) {
    ReleaseCatalogue();
    testing_support::StartScreen(240 * factor, 320 * factor);
    LoadCatalogue();
    SCOPED_TRACE(factor == 1 ? "small set" : "VGA set");
    check(factor);
  }
}

// Relative luminance (0 black .. 1 white) of an sRGB colour.
double Luminance(Colour c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(platform::RedOf(c)) + 0.7152 * linear(platform::GreenOf(c)) +
         0.0722 * linear(platform::BlueOf(c));
}

double ContrastRatio(double a, double b) {
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Counts the groups of light pixels (8-connected) in a rectangle.
int LightGroups(const Bitmap& b, int x0, int y0, int w, int h, double lightAbove) {
  std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
  auto light = [&](int x, int y) { return Luminance(b.Pixel(x0 + x, y0 + y)) > lightAbove; };
  int groups = 0;
  for (int start = 0; start < w * h; ++start) {
    if (seen[static_cast<std::size_t>(start)] || !light(start % w, start / w)) continue;
    ++groups;
    std::vector<int> stack{start};
    seen[static_cast<std::size_t>(start)] = 1;
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int x = i % w + dx, y = i / w + dy;
          if (x < 0 || y < 0 || x >= w || y >= h) continue;
          const std::size_t j = static_cast<std::size_t>(y * w + x);
          if (seen[j] || !light(x, y)) continue;
          seen[j] = 1;
          stack.push_back(y * w + x);
        }
      }
    }
  }
  return groups;
}

// The word TIME along the label's bottom: four letters, each apart from the
// others and from the pale face above, and drawn in two clean tones only, so
// a 5-pixel M does not smear into an F.
TEST_F(PictureLetteringTest, TheTimeLabelSpellsFourCrispLetters) {
  ForBothSets([](int f) {
    const Bitmap* label = PictureOf(TimeLabel);
    ASSERT_NE(label, nullptr);
    // The bottom band, from under the seconds to the frame.
    const int x0 = 2 * f, y0 = 17 * f, w = 26 * f, h = 6 * f;
    EXPECT_EQ(LightGroups(*label, x0, y0, w, h, 0.3), 4);
    int blurred = 0;
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) {
        const double l = Luminance(label->Pixel(x, y));
        if (l > 0.1 && l < 0.6) ++blurred;
      }
    EXPECT_EQ(blurred, 0);
  });
}

// The tones of a coin's face inside its raised rim, darkest first.
std::vector<double> FaceTones(const Bitmap& coin, int f) {
  std::vector<double> tones;
  const double centre = 15.0 * f, radius = 6.0 * f;
  for (int y = 0; y < coin.Height(); ++y)
    for (int x = 0; x < coin.Width(); ++x)
      if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) < radius)
        tones.push_back(Luminance(coin.Pixel(x, y)));
  std::sort(tones.begin(), tones.end());
  return tones;
}

// The letter covers more than a tenth of the face, so the tenth and the ninetieth
// percentile tones are letter and face (or face and letter) whatever the shading.
double LetterContrast(const std::vector<double>& tones) {
  auto at = [&](double q) {
    return tones[static_cast<std::size_t>(q * static_cast<double>(tones.size() - 1))];
  };
  return ContrastRatio(at(0.1), at(0.9));
}

double Mean(const std::vector<double>& tones) {
  double sum = 0;
  for (double t : tones) sum += t;
  return sum / static_cast<double>(tones.size());
}

// Letters not yet collected must still be read in the strip (R, I, A and S
// drowned in their faces), and the coin must still look unlit beside the gold.
TEST_F(PictureLetteringTest, EveryCoinShowsItsLetterAndDimCoinsStayDarker) {
  ForBothSets([](int f) {
    for (int letter = 0; letter < 7; ++letter) {
      SCOPED_TRACE(testing::Message() << "letter " << letter);
      const Bitmap* dim = PictureOf(DimCoins + letter);
      const Bitmap* bright = PictureOf(BrightCoins + letter);
      ASSERT_NE(dim, nullptr);
      ASSERT_NE(bright, nullptr);
      const std::vector<double> dimTones = FaceTones(*dim, f);
      const std::vector<double> brightTones = FaceTones(*bright, f);
      EXPECT_GE(LetterContrast(dimTones), 3.0);
      EXPECT_GE(LetterContrast(brightTones), 3.0);
      EXPECT_LT(Mean(dimTones), 0.5 * Mean(brightTones));
    }
  });
}

}  // namespace
