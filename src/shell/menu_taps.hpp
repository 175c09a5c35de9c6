#pragma once

namespace platform {
class Window;
}

namespace shell {

// A tap on the main menu at a logical point: the first entry whose area holds
// it acts; a tap that misses them all enters the menu again.
void MainMenuTap(platform::Window* window, int x, int y);

}  // namespace shell
