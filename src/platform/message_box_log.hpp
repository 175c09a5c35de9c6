#pragma once

#include <string>
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
// answer per box, in order). Without one a box waits for the player; where
// nobody can answer (the headless back end) it takes the Escape way out.
void AnswerNextMessageBox(int id);
void ForgetMessageBoxAnswers();

}  // namespace platform
