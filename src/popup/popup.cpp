#include "popup/popup.hpp"

// Placeholder until the popup window lands.
namespace popup {

std::int32_t PopupKind = kind::None;
std::uint32_t PopupStep = 0;
platform::Window* PopupWindow = nullptr;
std::int32_t PopupHeight = 0;
std::uint32_t PendingMode = 0;
std::uint8_t HelpShown = 0;
std::uint32_t HelpDemoStep = 0;

bool OpenPopup(std::int32_t) {
  return false;
}

void SetStartGameHandler(StartGameHandler) {}

void ResetPopup() {
  PopupKind = kind::None;
  PopupStep = 0;
  PopupWindow = nullptr;
  PopupHeight = 0;
  PendingMode = 0;
  HelpShown = 0;
  HelpDemoStep = 0;
}

}  // namespace popup
