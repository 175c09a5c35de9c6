#pragma once

#include "platform/drawing/device_context.hpp"

namespace platform {
class Window;
}

// The name entry after a game that beat the fifth place of its mode's table.
namespace screens {

// The three child controls of the main window while the name entry is on show.
constexpr int NameOkButtonId = 58632;
constexpr int NameCancelButtonId = 58633;
constexpr int NameFieldId = 1310;

// Paints the "New High Score" panel; its first paint after entry (screen phase
// 0) also creates the OK and Cancel buttons and the name field, proposing the
// name last entered in the table of render::HiScoreTab, selected and focused.
void PaintNewHiScoreScreen(platform::Window* window, platform::DeviceContext& dc);

// The name field while the controls exist, else null.
platform::Window* NameField();

// Destroys the three controls (nothing when they do not exist).
void DestroyNameEntryControls();

}  // namespace screens
