#pragma once

// Keeps a press meant for one screen from acting on the next. The second press
// of a double-click whose first changed the screen, opened or closed a popup
// or answered a box would land on whatever came up under it; and a press that
// comes before a new screen's first paint aims at something no longer shown.
namespace shell {

// The main window lost or gained the focus: a box, the popup or another
// application came or went.
void NoteFocusChange();
// The main window's screen was painted.
void NoteScreenPainted();
// Whether a press on the main window may act; called once for every press
// that reaches the screen's own handling.
bool PressMayAct(bool secondOfDoubleClick);

void ResetPressGuard();

}  // namespace shell
