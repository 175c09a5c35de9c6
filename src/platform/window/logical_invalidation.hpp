#pragma once

#include "platform/window/display_profile.hpp"

namespace platform {

class Window;

// The two scaling rules of the layouts. The scale rule multiplies by the
// screen's dpi scale and truncates (skipped on the 320x320 screen); the doubling rule
// doubles on the VGA classes.
int ScaleRuleX(int logical);
int ScaleRuleY(int logical);
int DoublingRule(int logical);

// Invalidates a logical rectangle of a window (scale rule on all four values).
void InvalidateLogicalRect(Window* window, int left, int top, int right, int bottom);
// Invalidates the whole screen of a display class; other values do nothing.
void InvalidateScreen(Window* window, ScreenClass displayClass);

}  // namespace platform
