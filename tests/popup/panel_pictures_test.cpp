#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <png.h>

#include "platform/colour.hpp"
#include "platform/window.hpp"
#include "popup/panels.hpp"
#include "popup_fixture.hpp"
#include "records/hiscore_table.hpp"
#include "support/fingerprint.hpp"

// Every panel and help slide, as the player sees it, is held to a fingerprint of
// its pixels, so a moved text or picture is noticed. After a deliberate change,
// look at the pictures and take the new fingerprints:
//   FANDRIASS_PANEL_SHOTS=/tmp/popup_shots build/fandriass_tests --gtest_filter='*PanelPictures*'
// writes each panel there and prints the table to paste below.
namespace {

using namespace popup_test;

void WritePicture(const platform::Bitmap& screen, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(screen.Width()),
               static_cast<png_uint_32>(screen.Height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<unsigned char> row(static_cast<std::size_t>(screen.Width()) * 3);
  for (int y = 0; y < screen.Height(); ++y) {
    for (int x = 0; x < screen.Width(); ++x) {
      const platform::Colour c = screen.Pixel(x, y);
      row[3 * x] = static_cast<unsigned char>(platform::RedOf(c));
      row[3 * x + 1] = static_cast<unsigned char>(platform::GreenOf(c));
      row[3 * x + 2] = static_cast<unsigned char>(platform::BlueOf(c));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

// Filled from a run with FANDRIASS_PANEL_SHOTS set.
const std::map<std::string, std::uint64_t> kExpected = {
#include "panel_fingerprints.inc"
};

TEST_F(PopupTest, PanelPictures) {
  const char* shots = std::getenv("FANDRIASS_PANEL_SHOTS");
  std::string table;
  const auto check = [&](const std::string& name) {
    const platform::Bitmap& panel = *platform::GetDC(popup::PopupWindow).surface;
    const std::uint64_t print = testing_support::Fingerprint(panel);
    if (shots) {
      WritePicture(panel, std::string(shots) + "/" + name + ".png");
      char line[96];
      std::snprintf(line, sizeof line, "    {\"%s\", 0x%016llxull},\n", name.c_str(),
                    static_cast<unsigned long long>(print));
      table += line;
      return;
    }
    const auto expected = kExpected.find(name);
    ASSERT_NE(expected, kExpected.end()) << name;
    EXPECT_EQ(print, expected->second) << name << " changed: look at it and take new fingerprints";
  };
  for (const auto& [width, height] : {std::pair{240, 320}, std::pair{480, 640}}) {
    StartOn(width, height);
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    for (std::uint32_t mode = 1; mode <= 5; ++mode) {
      ASSERT_TRUE(OpenHelp(mode));
      for (std::uint32_t slide = 0; slide <= popup::LastHelpSlide(); ++slide) {
        popup::HelpDemoStep = slide;
        platform::InvalidateRect(popup::PopupWindow, nullptr);
        platform::headless::Pump();
        check("help" + std::to_string(mode) + "_" + std::to_string(slide) + "_" + size);
      }
      TapCloseBox();
    }
    ASSERT_TRUE(popup::OpenPopup(popup::kind::ColourWheel));
    platform::headless::Pump();
    check("wheel_" + size);
    TapCloseBox();
    ASSERT_TRUE(popup::OpenPopup(popup::kind::About));
    platform::headless::Pump();
    check("about_" + size);
    TapCloseBox();
    records::ResetHiScores();
    render::HiScoreTab = 2;
    ASSERT_TRUE(popup::OpenPopup(popup::kind::ExportCode));
    platform::headless::Pump();
    check("export_explained_" + size);
    TapCloseBox();
    records::GameStatus.GamesPlayed = 250;
    records::TableOfMode(2)->Entry[0].Score = 1234567;
    ASSERT_TRUE(popup::OpenPopup(popup::kind::ExportCode));
    platform::headless::Pump();
    check("export_code_" + size);
    TapCloseBox();
    std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
  }
  if (shots) std::printf("%s", table.c_str());
}

}  // namespace
