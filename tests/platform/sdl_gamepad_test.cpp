#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/backend/backend.hpp"
#include "platform/desktop/desktop.hpp"
#include "platform/window/messages.hpp"
#include "platform/window/window_system_internal.hpp"
#include "support/disk_faults.hpp"

// SDL's own virtual controller, plugged into the desktop back end: what the
// controller does reaches the game as the keys it knows.
namespace {

using platform::ReplayInput;
namespace vk = platform::vk;

std::vector<std::string> heard;

void Hear(ReplayInput input, int key, int) {
  const char* what = input == ReplayInput::KeyDown ? "down "
                     : input == ReplayInput::KeyUp ? "up "
                                                   : "held ";
  heard.push_back(what + std::to_string(key));
}

std::vector<std::string> Heard() {
  // Every event SDL has, as the back end's wait takes them.
  for (int round = 0; round < 5; ++round) platform::ActiveBackend()->WaitForInput(0);
  return std::exchange(heard, {});
}

TEST(SdlGamepadTest, AVirtualControllerPlugsInPlaysAndLetsGoWhenUnplugged) {
  const testing_support::ScratchFolder scratch("sdl-gamepad");
  setenv("XDG_DATA_HOME", scratch.root.c_str(), 1);
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  ASSERT_TRUE(platform::StartDesktop(platform::DesktopOptions{}));
  platform::SetInputObserver(&Hear);

  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
  desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
  desc.name = "test pad";
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  ASSERT_GE(index, 0) << SDL_GetError();
  SDL_Joystick* pad = SDL_JoystickOpen(index);
  ASSERT_NE(pad, nullptr) << SDL_GetError();
  EXPECT_TRUE(Heard().empty());

  const auto button = [pad](SDL_GameControllerButton b, bool down) {
    SDL_JoystickSetVirtualButton(pad, b, down ? 1 : 0);
  };
  button(SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(Heard(), std::vector<std::string>{"down 13"});
  button(SDL_CONTROLLER_BUTTON_A, false);
  button(SDL_CONTROLLER_BUTTON_X, true);  // not one of ours
  button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"up 13", "down 37"}));
  button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
  button(SDL_CONTROLLER_BUTTON_START, true);
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 30000);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"down 40", "down 207", "up 37"}));
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 0);
  button(SDL_CONTROLLER_BUTTON_B, true);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"up 40", "down 27"}));

  // Unplugged with Start and B held: both are let go.
  SDL_JoystickClose(pad);
  ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0) << SDL_GetError();
  EXPECT_EQ(Heard(), (std::vector<std::string>{"up 27", "up 207"}));

  platform::SetInputObserver(nullptr);
  platform::StopDesktop();
  unsetenv("SDL_VIDEODRIVER");
  unsetenv("XDG_DATA_HOME");
}

}  // namespace
