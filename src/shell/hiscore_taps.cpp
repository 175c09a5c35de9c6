#include "shell/hiscore_taps.hpp"

namespace shell {

void HiScoreTap(platform::Window*, int, int) {}

}  // namespace shell
