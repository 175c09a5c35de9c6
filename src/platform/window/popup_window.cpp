#include "platform/window/popup_window.hpp"

#include "platform/backend/backend.hpp"
#include "platform/window/window_system_internal.hpp"

namespace platform {

namespace {

Window* TopLevelOf(Window* window) {
  while (window && window->parent) window = window->parent;
  return window;
}

}  // namespace

Window* CreatePopupWindow(const Rect& deviceRect, WindowProc proc) {
  if (deviceRect.Empty() || !ActiveBackend()) return nullptr;
  Window* popup = CreateWindowOfKind(WindowKind::Popup, deviceRect, proc);
  SetActiveWindow(popup);
  return popup;
}

void ShowWindow(Window* window) {
  if (!window || !window->alive) return;
  Window* top = TopLevelOf(window);
  window->visible = true;
  BringToFront(top);
  MarkScreenChanged();
  if (window == top) SetActiveWindow(top);
}

Window* GetActiveWindow() {
  Window* top = TopLevelOf(GetFocus());
  return (top && top->alive) ? top : nullptr;
}

void SetActiveWindow(Window* window) {
  window = TopLevelOf(window);
  if (!window || !window->alive || GetActiveWindow() == window) return;
  ActivateWindow(window);
}

}  // namespace platform
