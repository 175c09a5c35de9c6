#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/headless/headless.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/message_box.hpp"

namespace testing_support {

// Starts the headless back end on a screen and measures it, as start-up does.
inline void StartScreen(int width, int height, int dpi = 0) {
  platform::headless::Start(platform::ScreenConfig{width, height, dpi, dpi});
  platform::MeasureDisplay();
}

// Fails the test on anything the back end found wrong (a message box nobody
// expected, a loop that never went idle), then shuts it down.
class HeadlessTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const std::string& fault : platform::headless::TakeFaults()) ADD_FAILURE() << fault;
    platform::ForgetMessageBoxAnswers();
    platform::headless::Stop();
  }
};

// A message box the test expects, while the object lives: the next box shown
// must say exactly `text`, and is answered with the button `answer`. Any other
// box waits for an answer nobody gives, which fails the test; so does the end
// of the scope with the expected box never shown. One at a time.
class ExpectMessageBox {
 public:
  ExpectMessageBox(std::u16string_view text, int answer) : text_(text) {
    platform::AnswerNextMessageBox(answer, text);
  }
  ~ExpectMessageBox() {
    if (platform::MessageBoxAnswersLeft() != 0) {
      ADD_FAILURE() << "an expected message box was never shown: " << testing::PrintToString(text_);
    }
    platform::ForgetMessageBoxAnswers();
  }
  ExpectMessageBox(const ExpectMessageBox&) = delete;
  ExpectMessageBox& operator=(const ExpectMessageBox&) = delete;

 private:
  std::u16string text_;
};

}  // namespace testing_support
