#pragma once

#include <cstddef>
#include <string_view>

#include "platform/window/window_system.hpp"

// The two standard controls the game places on its windows: a push button and a
// single-line edit field. They are child windows: DestroyWindow, SetFocus and
// the parent's destruction work on them as on any window, and they are drawn by
// the platform over the parent's own painting.
namespace platform {

// The notification code of a button click, in the high word of a command's wParam.
constexpr unsigned ButtonClicked = 0;

// Command messages carry the control id in the low 16 bits of wParam.
constexpr int CommandId(WParam wParam) {
  return static_cast<int>(wParam & 0xFFFF);
}

// A push button at a rectangle in its parent's device pixels. A tap (down and up
// on it) sends the parent Command with the id, the control in lParam.
Window* CreatePushButton(Window* parent, std::u16string_view text, const Rect& rect, int id);

// A bordered single-line edit field holding text, with a caret when it has the focus.
Window* CreateEditField(Window* parent, std::u16string_view text, const Rect& rect, int id);

// The most UTF-16 code units typing and pasting may bring the text to (text set
// by the program is not cut). A pair of surrogates is never split.
void SetEditLimit(Window* edit, std::size_t units);
// Selects the whole text, so the next typed character replaces it.
void SelectAllText(Window* edit);
// Enter and Escape in the field send the parent these commands (0: unbound), as
// a dialog's default and cancel buttons would.
void BindEditKeys(Window* edit, int enterId, int escapeId);

// Copies the text into a buffer of size units, always closed by a zero unit, and
// returns how many units were copied (never half a surrogate pair).
std::size_t GetWindowText(Window* control, char16_t* buffer, std::size_t size);
int ControlId(const Window* control);

}  // namespace platform
