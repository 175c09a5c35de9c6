#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// Answers every open message box with its last button (No, or OK).
void AnswerOpenBoxesWithLastButton();

// What tests and unattended runs learn about message boxes: every box shown is
// logged, and answers can be given in advance instead of by a player.
struct ShownMessageBox {
  std::u16string text;
  std::u16string caption;
  unsigned flags = 0;
  bool owned = false;  // drawn in a window, rather than on the desktop
  int answer = 0;
};

// The boxes shown since the last call, oldest first; the log is emptied.
std::vector<ShownMessageBox> TakeShownMessageBoxes();

// The next box shown answers with this button id as soon as it is up (one
// answer per box, in order). Given a text, the answer is for a box saying
// exactly that; another box passes it by and waits for the player. Without an
// answer a box waits for the player; where nobody can answer (the headless back
// end) that is a fault, and the box takes the Escape way out.
void AnswerNextMessageBox(int id, std::u16string_view text = {});
void ForgetMessageBoxAnswers();
// Answers given and not yet taken by a box.
std::size_t MessageBoxAnswersLeft();

}  // namespace platform
