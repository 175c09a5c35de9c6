#include "shell/commands.hpp"

#include "platform/window.hpp"

namespace shell {

platform::LResult OnCommand(platform::Window* window, unsigned message, platform::WParam wParam,
                            platform::LParam lParam) {
  return platform::DefWindowProc(window, message, wParam, lParam);
}

void FinishNameEntryOnClose(platform::Window*) {}

}  // namespace shell
