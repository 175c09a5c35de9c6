#pragma once

#include <string_view>

namespace platform {

class Window;

namespace message_box {
constexpr unsigned Ok = 0x0;
constexpr unsigned YesNo = 0x4;
constexpr unsigned IconExclamation = 0x30;
}  // namespace message_box

constexpr int IdOk = 1;
constexpr int IdYes = 6;
constexpr int IdNo = 7;

// A modal message box. With an owner it is drawn inside the window and runs a
// nested message loop; without one it goes to the desktop and standard error.
// Returns the chosen button's id.
int MessageBox(Window* owner, std::u16string_view text, std::u16string_view caption,
               unsigned flags);

}  // namespace platform
