#include "platform/window/logical_invalidation.hpp"

#include "platform/window/display_profile.hpp"
#include "platform/window/window_system.hpp"

namespace platform {

namespace {

int Scaled(int logical, double scale) {
  if (IsLarge(Display.DisplayClass)) return logical;
  return static_cast<int>(logical * scale);
}

}  // namespace

int ScaleRuleX(int logical) {
  return Scaled(logical, Display.ScaleX);
}
int ScaleRuleY(int logical) {
  return Scaled(logical, Display.ScaleY);
}
int DoublingRule(int logical) {
  return IsVga(Display.DisplayClass) ? logical * 2 : logical;
}

void InvalidateLogicalRect(Window* window, int left, int top, int right, int bottom) {
  Rect r{ScaleRuleX(left), ScaleRuleY(top), ScaleRuleX(right), ScaleRuleY(bottom)};
  InvalidateRect(window, &r);
}

void InvalidateScreen(Window* window, ScreenClass displayClass) {
  struct Size {
    int width, height;
  };
  static constexpr Size kSizes[] = {{240, 320}, {320, 240}, {480, 640}, {640, 480},
                                    {240, 240}, {480, 480}, {320, 320}};
  if (!IsSupported(displayClass)) return;
  const Size& s = kSizes[ClassNumber(displayClass) - 1];
  Rect r{0, 0, static_cast<int>(s.width * Display.ScaleX),
         static_cast<int>(s.height * Display.ScaleY)};
  InvalidateRect(window, &r);
}

}  // namespace platform
