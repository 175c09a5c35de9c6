#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include <png.h>

#include "platform/colour.hpp"
#include "platform/window.hpp"
#include "popup/panels.hpp"
#include "popup_fixture.hpp"

// Not run by default: writes every panel as the player sees it, for looking at.
//   build/fandriass_tests --gtest_also_run_disabled_tests --gtest_filter='*PanelPictures*'
namespace {

using namespace popup_test;

void WriteScreen(const std::string& name) {
  const platform::Bitmap screen = platform::headless::Screen();
  const std::string path = "/tmp/popup_shots/" + name + ".png";
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

TEST_F(PopupTest, DISABLED_PanelPictures) {
  std::system("mkdir -p /tmp/popup_shots");
  for (const auto& [width, height] : {std::pair{240, 320}, std::pair{480, 640}}) {
    StartOn(width, height);
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    for (std::uint32_t mode = 1; mode <= 5; ++mode) {
      ASSERT_TRUE(OpenHelp(mode));
      platform::headless::Pump();
      WriteScreen("help" + std::to_string(mode) + "_first_" + size);
      platform::headless::Advance(10000 * 9);
      WriteScreen("help" + std::to_string(mode) + "_last_" + size);
      for (std::uint32_t slide = 1; slide < popup::LastHelpSlide(); ++slide) {
        popup::HelpDemoStep = slide;
        platform::InvalidateRect(popup::PopupWindow, nullptr);
        platform::headless::Pump();
        WriteScreen("help" + std::to_string(mode) + "_" + std::to_string(slide) + "_" + size);
      }
      TapCloseBox();
    }
    ASSERT_TRUE(popup::OpenPopup(popup::kind::ColourWheel));
    platform::headless::Pump();
    WriteScreen("wheel_" + size);
    TapCloseBox();
    ASSERT_TRUE(popup::OpenPopup(popup::kind::About));
    platform::headless::Pump();
    WriteScreen("about_" + size);
    TapCloseBox();
  }
}

}  // namespace
