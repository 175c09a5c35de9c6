#include <gtest/gtest.h>

#include <string>

#include "platform/replay_file.hpp"
#include "platform/replay_session.hpp"
#include "records/record_store.hpp"
#include "shell/replay_runs.hpp"
#include "shell_fixture.hpp"

// A held Enter paints once per press; its repeats must stay repeats through a
// recording, its file and its playback, or the replay paints many times.
namespace {

class ReplayHeldKeyTest : public shell_test::ShellTest {};

TEST_F(ReplayHeldKeyTest, AHeldEnterReplaysAsHeld) {
  const auto names = records::StoredValueNames();
  platform::headless::Start(platform::ScreenConfig{240, 320, 0, 0}, 1000);
  platform::StartRecording(platform::ReadStoredValues(store, names));
  ASSERT_EQ(shell::StartUp(), shell::StartOutcome::Run);
  platform::headless::Advance(700);
  platform::headless::Tap(166, 182);  // EASY
  platform::headless::Advance(400);
  ASSERT_EQ(popup::PopupKind, popup::kind::Help);
  const platform::Rect help = platform::WindowRect(popup::PopupWindow);
  platform::headless::Tap(help.left + 203, help.top + 218);  // its OK
  platform::headless::Advance(2000);
  platform::headless::Key(platform::vk::Down);  // the cursor onto the board
  platform::headless::Advance(200);
  platform::headless::KeyDown(platform::vk::Return);
  for (int k = 0; k < 6; ++k) {
    platform::headless::Advance(100);
    platform::headless::KeyDownRepeated(platform::vk::Return);
  }
  platform::headless::KeyUp(platform::vk::Return);
  platform::headless::Advance(500);
  platform::DesktopCloseRequested();
  platform::headless::Advance(1000);
  const platform::Replay recorded =
      platform::FinishRecording(platform::ReadStoredValues(store, names));
  popup::ResetPopup();
  platform::ReleaseSingleInstance();
  platform::headless::Stop();

  const std::string text = platform::WriteReplay(recorded);
  std::string error;
  const platform::Replay read = platform::ReadReplay(text, error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(platform::WriteReplay(read), text);
  EXPECT_NE(text.find("\n& up "), std::string::npos) << "a tap arrives whole";
  EXPECT_TRUE(shell::RunReplay(read).after == recorded.after);

  // The repeats matter: played as fresh presses, the paint ends otherwise.
  std::string pressed = text;
  for (std::size_t at; (at = pressed.find("keyrepeat")) != std::string::npos;) {
    pressed.replace(at, 9, "keydown");
  }
  ASSERT_NE(pressed, text);
  const platform::Replay unheld = platform::ReadReplay(pressed, error);
  ASSERT_EQ(error, "");
  EXPECT_FALSE(shell::RunReplay(unheld).after == recorded.after);
}

}  // namespace
