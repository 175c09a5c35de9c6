#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/resource_pack.hpp"
#include "platform/resources.hpp"

extern "C" const std::uint8_t fandriass_resources_begin[];
extern "C" const std::uint8_t fandriass_resources_end[];

namespace {

using platform::ResourceKind;

// 3x2 RGBA: red, green, blue / the colour key (255,204,255), (10,20,30), and a fully
// transparent pixel that must come out black.
const std::vector<std::uint8_t> kPicture = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x9d,
    0x74, 0x66, 0x1a, 0x00, 0x00, 0x00, 0x1e, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0xf8,
    0xcf, 0xc0, 0xf0, 0x1f, 0x0c, 0x19, 0xfe, 0x03, 0xc9, 0x33, 0xff, 0xff, 0x73, 0x89, 0xc8,
    0xfd, 0x3f, 0x91, 0x62, 0xc4, 0x00, 0x00, 0xa4, 0x88, 0x0c, 0x5d, 0x0b, 0x55, 0xc6, 0x12,
    0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

std::vector<std::uint8_t> MakePack(std::vector<platform::PackEntry> entries) {
  std::vector<std::uint8_t> pack;
  EXPECT_TRUE(platform::BuildResourcePack(std::move(entries), pack));
  return pack;
}

class ResourcesTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::UseEmbeddedResources(); }
};

TEST_F(ResourcesTest, FindsEachKindByIdentifier) {
  const std::vector<std::uint8_t> wave = {'R', 'I', 'F', 'F', 1, 2, 3};
  std::vector<std::uint8_t> truncated(kPicture.begin(), kPicture.begin() + 50);
  const auto pack = MakePack({{ResourceKind::Wave, 5, wave},
                              {ResourceKind::Bitmap, 375, kPicture},
                              {ResourceKind::Icon, platform::MainIconId, kPicture},
                              {ResourceKind::Bitmap, 376, truncated},
                              {ResourceKind::Bitmap, 377, {1, 2, 3}}});
  platform::UseResourcePack(pack);

  const platform::Bitmap picture = platform::LoadBitmapResource(375);
  ASSERT_EQ(picture.Width(), 3);
  ASSERT_EQ(picture.Height(), 2);
  EXPECT_EQ(picture.Pixel(0, 0), platform::Rgb(255, 0, 0));
  EXPECT_EQ(picture.Pixel(2, 0), platform::Rgb(0, 0, 255));
  EXPECT_EQ(picture.Pixel(0, 1), platform::Rgb(255, 204, 255));
  EXPECT_EQ(picture.Pixel(1, 1), platform::Rgb(10, 20, 30));
  EXPECT_EQ(picture.Pixel(2, 1), platform::Rgb(0, 0, 0));

  const auto clip = platform::WaveResource(5);
  EXPECT_EQ(std::vector<std::uint8_t>(clip.begin(), clip.end()), wave);
  EXPECT_FALSE(platform::LoadIconResource(platform::MainIconId).Empty());

  // Same number, other kind; unknown numbers; damaged pictures: all empty, none fatal.
  EXPECT_TRUE(platform::WaveResource(375).empty());
  EXPECT_TRUE(platform::LoadBitmapResource(5).Empty());
  EXPECT_TRUE(platform::LoadBitmapResource(-1).Empty());
  EXPECT_TRUE(platform::LoadBitmapResource(376).Empty());
  EXPECT_TRUE(platform::LoadBitmapResource(377).Empty());
}

TEST_F(ResourcesTest, DamagedPacksReadAsEmpty) {
  const auto good = MakePack({{ResourceKind::Bitmap, 1, kPicture}, {ResourceKind::Wave, 2, {9}}});
  ASSERT_TRUE(platform::ResourcePack(good).Valid());

  auto badMagic = good;
  badMagic[0] = 'X';
  auto badOffset = good;
  badOffset[16 + 8] = 0xFF;  // first entry's offset far past the end
  badOffset[16 + 11] = 0x7F;
  auto hugeCount = good;
  hugeCount[15] = 0x10;
  std::vector<std::uint8_t> cut(good.begin(), good.begin() + 40);
  for (const auto* blob : {&badMagic, &badOffset, &hugeCount, &cut}) {
    const platform::ResourcePack pack(*blob);
    EXPECT_FALSE(pack.Valid());
    EXPECT_TRUE(pack.Find(ResourceKind::Wave, 2).empty());
  }
  platform::UseResourcePack(badOffset);
  EXPECT_TRUE(platform::LoadBitmapResource(1).Empty());

  std::vector<std::uint8_t> refused;
  EXPECT_FALSE(platform::BuildResourcePack(
      {{ResourceKind::Wave, 2, {1}}, {ResourceKind::Wave, 2, {2}}}, refused));
}

TEST_F(ResourcesTest, AnEmptyPackIsValidAndTheLinkedPackOpens) {
  const auto empty = MakePack({});
  const platform::ResourcePack pack(empty);
  EXPECT_TRUE(pack.Valid());
  EXPECT_EQ(pack.Count(), 0u);
  EXPECT_TRUE(pack.Find(ResourceKind::Bitmap, 0).empty());

  // Whatever the generators made (possibly nothing), the build packed it readably.
  const platform::ResourcePack linked(
      {fandriass_resources_begin,
       static_cast<std::size_t>(fandriass_resources_end - fandriass_resources_begin)});
  EXPECT_TRUE(linked.Valid());
}

}  // namespace
