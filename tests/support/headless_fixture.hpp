#pragma once

#include <gtest/gtest.h>

#include "platform/display_profile.hpp"
#include "platform/headless.hpp"

namespace testing_support {

// Starts the headless back end on a screen and measures it, as start-up does.
inline void StartScreen(int width, int height, int dpi = 0) {
  platform::headless::Start(platform::ScreenConfig{width, height, dpi, dpi});
  platform::MeasureDisplay();
}

class HeadlessTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::headless::Stop(); }
};

}  // namespace testing_support
