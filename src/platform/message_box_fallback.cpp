// Stand-in until the in-window message box lands: the text goes to standard
// error and the box answers with its last button, as Escape would.
#include <cstdio>

#include "platform/message_box.hpp"
#include "platform/text_drawing.hpp"

namespace platform {

int MessageBox(Window*, std::u16string_view text, std::u16string_view caption, unsigned flags) {
  std::fprintf(stderr, "%s: %s\n", Utf16ToUtf8(caption).c_str(), Utf16ToUtf8(text).c_str());
  return (flags & 0xF) == message_box::YesNo ? IdNo : IdOk;
}

}  // namespace platform
