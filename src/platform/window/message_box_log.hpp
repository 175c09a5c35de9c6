#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What tests and unattended runs learn about message boxes: every box shown is
// logged, and answers can be given in advance instead of by a player.
namespace platform {

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
