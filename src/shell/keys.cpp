#include "shell/keys.hpp"

namespace shell {

void OnKey(platform::Window*, unsigned, bool, bool) {}

void ResetKeys() {}

}  // namespace shell
