#include "platform/desktop/sdl_gamepad.hpp"

#include <algorithm>
#include <vector>

#include "platform/window/gamepad.hpp"

namespace platform {

namespace {

std::vector<SDL_GameController*> controllers;
int stickX = 0;
int stickY = 0;

// The buttons the game uses; the others do nothing.
constexpr struct {
  SDL_GameControllerButton sdl;
  PadButton pad;
} Buttons[] = {
    {SDL_CONTROLLER_BUTTON_A, PadButton::South},
    {SDL_CONTROLLER_BUTTON_B, PadButton::East},
    {SDL_CONTROLLER_BUTTON_START, PadButton::Start},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::Up},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::Down},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::Left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::Right},
};

void Opened(int deviceIndex) {
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (controller == nullptr) return;
  // Added twice (plugged in while SDL was starting): kept once.
  if (std::find(controllers.begin(), controllers.end(), controller) != controllers.end()) {
    SDL_GameControllerClose(controller);
    return;
  }
  controllers.push_back(controller);
}

void Removed(SDL_JoystickID id) {
  const auto gone = std::find_if(controllers.begin(), controllers.end(), [id](auto* c) {
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c)) == id;
  });
  if (gone == controllers.end()) return;
  SDL_GameControllerClose(*gone);
  controllers.erase(gone);
  if (!controllers.empty()) return;
  stickX = stickY = 0;
  PadsUnplugged();
}

}  // namespace

bool HandleControllerEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      Opened(event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      Removed(event.cdevice.which);
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      for (const auto& button : Buttons) {
        if (button.sdl != event.cbutton.button) continue;
        PadButtonChanged(button.pad, event.type == SDL_CONTROLLERBUTTONDOWN);
      }
      return true;
    }
    case SDL_CONTROLLERAXISMOTION:
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) stickX = event.caxis.value;
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) stickY = event.caxis.value;
      PadStickMoved(stickX, stickY);
      return true;
    default:
      return false;
  }
}

void CloseControllers() {
  for (SDL_GameController* controller : controllers) SDL_GameControllerClose(controller);
  controllers.clear();
  stickX = stickY = 0;
}

}  // namespace platform
