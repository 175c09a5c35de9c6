#include <gtest/gtest.h>

#include "platform/resources/resources.hpp"
#include "render/bitmap_catalogue.hpp"
#include "support/headless_fixture.hpp"

namespace {

using namespace render;

class BackgroundsOnFirstUse : public testing_support::HeadlessTest {
 protected:
  void TearDown() override {
    ReleaseCatalogue();
    HeadlessTest::TearDown();
  }
};

TEST_F(BackgroundsOnFirstUse, OnlyTheBackgroundDrawnIsDecodedAndOnlyWhileACatalogueIsLoaded) {
  testing_support::StartScreen(240, 320);
  LoadCatalogue();
  for (int entry = HiScoreBackground; entry <= MenuPortrait; ++entry) {
    EXPECT_TRUE(Pictures[entry].Empty()) << entry;
  }
  EXPECT_FALSE(Pictures[ShinyBalls].Empty());
  // Released pages of the packed pictures come back when they are wanted.
  platform::ReleaseResourcePages();
  ASSERT_NE(PictureOf(MenuSquare), nullptr);
  EXPECT_EQ(Pictures[MenuSquare].Width(), 240);
  EXPECT_EQ(Pictures[MenuSquare].Height(), 240);
  EXPECT_TRUE(Pictures[MenuPortrait].Empty());
  ReleaseCatalogue();
  EXPECT_EQ(PictureOf(MenuPortrait), nullptr);
  EXPECT_TRUE(Pictures[MenuPortrait].Empty());
}

}  // namespace
