#include "platform/window/message_box.hpp"

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "platform/backend/backend.hpp"
#include "platform/drawing/software_drawing.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/system/complain.hpp"
#include "platform/window/control_style.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/window_system_internal.hpp"

namespace platform {

namespace {

struct Box {
  Window* window = nullptr;
  std::u16string text;
  std::u16string caption;
  bool exclamation = false;
  int buttonCount = 1;
  int buttonIds[2] = {IdOk, IdOk};
  Rect buttons[2];
  Rect textRect;
  int captionHeight = 0;
  int pressed = -1;         // the button under a stylus that went down on it
  int tracked = -1;         // the button the stylus went down on
  bool pressOnBox = false;  // the stylus now held went down on the box
  bool done = false;
  int answer = IdOk;
};

std::vector<Box*> openBoxes;
// The key that answered a box: its key-up belongs to the box, not to the window
// that gets the focus back (Escape on the main menu would ask again).
unsigned swallowKeyUp = 0;
struct ScriptedAnswer {
  int id;
  std::u16string text;  // empty: for any box
};
std::deque<ScriptedAnswer> scriptedAnswers;
std::vector<ShownMessageBox> shownLog;

bool IsYesNo(unsigned flags) {
  return (flags & 0xF) == message_box::YesNo;
}
// Enter takes the first button, Escape the last.
int FirstAnswer(unsigned flags) {
  return IsYesNo(flags) ? IdYes : IdOk;
}
int LastAnswer(unsigned flags) {
  return IsYesNo(flags) ? IdNo : IdOk;
}

Window* TopLevelOf(Window* window) {
  while (window && window->parent) window = window->parent;
  return window;
}

const Font& CaptionFont() {
  return style::WidgetFont(style::kWidgetCell * style::Unit(), 700);
}
const Font& BodyFont() {
  return style::WidgetFont(style::kWidgetCell * style::Unit(), 400);
}

int MeasureWrapped(std::u16string_view text, int width, int maxHeight) {
  Bitmap scratch(std::max(width, 1), std::max(maxHeight, 1));
  DeviceContext dc = MemoryContext(scratch);
  dc.font = &BodyFont();
  return DrawText(dc, text, Rect{0, 0, width, maxHeight}, text_format::WordBreak);
}

// Sizes the box to its text and centres it over the owner, inside the screen.
Rect LayOut(Box& box, const Rect& over) {
  const int u = style::Unit();
  const int screenW = ScreenWidth();
  const int screenH = ScreenHeight();
  const int width = std::max(std::min(screenW - 16 * u, 224 * u), std::min(screenW, 120 * u));
  const int margin = 8 * u;
  const int icon = box.exclamation ? 24 * u : 0;
  const int buttonW = 56 * u;
  const int buttonH = 22 * u;
  const int gap = 10 * u;
  box.captionHeight = 18 * u;

  const int textLeft = margin + (icon ? icon + margin : 0);
  const int textWidth = width - margin - textLeft;
  const int chrome = box.captionHeight + margin + gap + buttonH + margin;
  const int textHeight = MeasureWrapped(box.text, textWidth, std::max(screenH - chrome, 1));
  const int height = std::min(chrome + std::max(textHeight, icon), screenH);

  box.textRect = Rect{textLeft, box.captionHeight + margin, textLeft + textWidth,
                      height - margin - buttonH - gap};
  const int rowWidth = box.buttonCount * buttonW + (box.buttonCount - 1) * gap;
  for (int i = 0; i < box.buttonCount; ++i) {
    const int left = (width - rowWidth) / 2 + i * (buttonW + gap);
    box.buttons[i] = Rect{left, height - margin - buttonH, left + buttonW, height - margin};
  }
  int left = over.left + (over.Width() - width) / 2;
  int top = over.top + (over.Height() - height) / 2;
  left = std::clamp(left, 0, std::max(screenW - width, 0));
  top = std::clamp(top, 0, std::max(screenH - height, 0));
  return Rect{left, top, left + width, top + height};
}

void DrawExclamation(DeviceContext& dc, int left, int top, int size) {
  // A yellow warning triangle with a black rim and mark.
  const int u = style::Unit();
  for (int row = 0; row < size; ++row) {
    const int half = (row * size / 2) / std::max(size - 1, 1);
    FillRect(dc, Rect{left + size / 2 - half, top + row, left + size / 2 + half + 1, top + row + 1},
             Rgb(255, 200, 0));
  }
  const Point rim[] = {{left + size / 2, top},
                       {left + size - 1, top + size - 1},
                       {left, top + size - 1},
                       {left + size / 2, top}};
  dc.pen = Pen{Pen::Style::Solid, u, style::Ink};
  DrawPolyline(dc, rim);
  const int x = left + size / 2 - u;
  FillRect(dc, Rect{x, top + size * 3 / 8, x + 2 * u, top + size * 11 / 16}, style::Ink);
  FillRect(dc, Rect{x, top + size * 25 / 32, x + 2 * u, top + size * 25 / 32 + 2 * u}, style::Ink);
}

void PaintBox(Window* window, const Box& box) {
  const int u = style::Unit();
  const int w = window->rect.Width();
  const int h = window->rect.Height();
  DeviceContext dc = BeginPaint(window);
  FillRect(dc, Rect{0, 0, w, h}, style::Paper);
  FillRect(dc, Rect{0, 0, w, box.captionHeight}, style::Highlight);
  dc.backgroundMode = BackgroundMode::Transparent;
  dc.font = &CaptionFont();
  dc.textColour = style::HighlightInk;
  DrawText(dc, box.caption, Rect{4 * u, 0, w - 4 * u, box.captionHeight},
           text_format::Left | text_format::VerticalCentre | text_format::SingleLine);

  if (box.exclamation) DrawExclamation(dc, 8 * u, box.textRect.top, 24 * u);
  dc.font = &BodyFont();
  dc.textColour = style::Ink;
  DrawText(dc, box.text, box.textRect, text_format::WordBreak);

  static constexpr const char16_t* kLabels[] = {u"OK", u"Yes", u"No"};
  for (int i = 0; i < box.buttonCount; ++i) {
    const Rect& r = box.buttons[i];
    const bool down = box.pressed == i;
    FillRect(dc, r, down ? style::Highlight : style::ButtonFace);
    dc.pen = Pen{Pen::Style::Solid, 1, style::Ink};
    dc.brush = Brush{true, style::Paper};
    DrawRectangle(dc, r.left, r.top, r.right, r.bottom);
    dc.font = &CaptionFont();
    dc.textColour = down ? style::HighlightInk : style::Ink;
    const int label = box.buttonIds[i] == IdYes ? 1 : box.buttonIds[i] == IdNo ? 2 : 0;
    DrawText(dc, kLabels[label], r,
             text_format::Centre | text_format::VerticalCentre | text_format::SingleLine);
  }
  dc.pen = Pen{Pen::Style::Solid, 1, style::Ink};
  dc.brush = Brush{true, style::Paper};
  DrawRectangle(dc, 0, 0, w, h);
  EndPaint(window);
}

int ButtonAt(const Box& box, int x, int y) {
  for (int i = 0; i < box.buttonCount; ++i) {
    if (box.buttons[i].Contains(x, y)) return i;
  }
  return -1;
}

void Answer(Box& box, int id) {
  box.answer = id;
  box.done = true;
}

LResult BoxProc(Window* window, unsigned message, WParam wParam, LParam lParam) {
  Box* box = static_cast<Box*>(window->userData);
  if (!box) return 0;
  const int x = PointX(lParam);
  const int y = PointY(lParam);
  switch (message) {
    case msg::Paint:
      PaintBox(window, *box);
      return 0;
    case msg::StylusDown:
      box->tracked = box->pressed = ButtonAt(*box, x, y);
      InvalidateRect(window, nullptr);
      return 0;
    case msg::StylusMove: {
      const int over = ButtonAt(*box, x, y) == box->tracked ? box->tracked : -1;
      if (over != box->pressed) InvalidateRect(window, nullptr);
      box->pressed = over;
      return 0;
    }
    case msg::StylusUp: {
      const int tracked = box->tracked;
      box->tracked = box->pressed = -1;
      InvalidateRect(window, nullptr);
      if (tracked >= 0 && ButtonAt(*box, x, y) == tracked) Answer(*box, box->buttonIds[tracked]);
      return 0;
    }
    case msg::KeyDown:
      // Only a fresh press answers: a key held since before the box came up
      // (the Escape that asked the question) must not answer it by repeating.
      if ((lParam & KeyRepeat) != 0) return 0;
      if (wParam == vk::Return || wParam == vk::Escape) {
        Answer(*box, box->buttonIds[wParam == vk::Return ? 0 : box->buttonCount - 1]);
        swallowKeyUp = static_cast<unsigned>(wParam);
      }
      return 0;
    default:
      return 0;
  }
}

// While a box is up it takes every key, and every tap that lands on it; taps
// elsewhere go nowhere, as the owner is disabled under a modal box.
bool BoxFilter(unsigned message, WParam wParam, LParam lParam) {
  if (message == msg::KeyUp && swallowKeyUp != 0 && wParam == swallowKeyUp) {
    swallowKeyUp = 0;
    return true;
  }
  if (message == msg::KeyDown) swallowKeyUp = 0;
  if (openBoxes.empty()) return false;
  Box& box = *openBoxes.back();
  Window* window = box.window;
  const bool stylus = message >= msg::StylusMove && message <= msg::StylusUp;
  if (!stylus) {
    Deliver(window, message, wParam, lParam);
    return true;
  }
  const int x = PointX(lParam);
  const int y = PointY(lParam);
  if (message == msg::StylusDown) box.pressOnBox = window->rect.Contains(x, y);
  if (box.pressOnBox) {
    Deliver(window, message, wParam, PackPoint(x - window->rect.left, y - window->rect.top));
  }
  if (message == msg::StylusUp) box.pressOnBox = false;
  return true;
}

void Log(std::u16string_view text, std::u16string_view caption, unsigned flags, bool owned,
         int answer) {
  // Bounded, in case nothing ever reads it.
  if (shownLog.size() >= 256) shownLog.erase(shownLog.begin());
  shownLog.push_back(
      ShownMessageBox{std::u16string(text), std::u16string(caption), flags, owned, answer});
}

bool TakeScripted(std::u16string_view text, int& answer) {
  if (scriptedAnswers.empty()) return false;
  const ScriptedAnswer& next = scriptedAnswers.front();
  if (!next.text.empty() && next.text != text) return false;
  answer = next.id;
  scriptedAnswers.pop_front();
  return true;
}

// Before any window: the desktop's own box where there is a display, and the
// text on standard error in any case, so a start without a display still says why.
int DesktopMessageBox(std::u16string_view text, std::u16string_view caption, unsigned flags) {
  const std::string text8 = Utf16ToUtf8(text);
  const std::string caption8 = Utf16ToUtf8(caption);
  Complain("%s", text8.c_str());

  int answer = LastAnswer(flags);
  if (TakeScripted(text, answer)) return answer;
  if (Backend* backend = ActiveBackend()) {
    const DesktopBox box{text8, caption8, IsYesNo(flags),
                         (flags & message_box::IconExclamation) == message_box::IconExclamation};
    if (const int chosen = backend->ShowDesktopBox(box); chosen > 0) answer = chosen;
  }
  return answer;
}

int WindowMessageBox(Window* owner, std::u16string_view text, std::u16string_view caption,
                     unsigned flags) {
  Box box;
  box.text = text;
  box.caption = caption;
  box.exclamation = (flags & message_box::IconExclamation) == message_box::IconExclamation;
  box.buttonCount = IsYesNo(flags) ? 2 : 1;
  box.buttonIds[0] = FirstAnswer(flags);
  box.buttonIds[1] = LastAnswer(flags);
  box.answer = LastAnswer(flags);
  Window* top = TopLevelOf(owner);
  const Rect rect = LayOut(box, top->rect);

  Window* window = CreateWindowOfKind(WindowKind::Overlay, rect, &BoxProc);
  window->userData = &box;
  box.window = window;
  openBoxes.push_back(&box);
  swallowKeyUp = 0;
  RemoveInputFilter(&BoxFilter);
  AddInputFilter(&BoxFilter);

  // The box takes the focus: the window that had it is told, and a running game
  // stops its clock there.
  Window* previousFocus = GetFocus();
  SetFocus(window);
  int scripted = 0;
  if (TakeScripted(text, scripted)) {
    Answer(box, scripted);
  } else {
    RunModalLoop(box.done);
  }
  openBoxes.erase(std::find(openBoxes.begin(), openBoxes.end(), &box));

  // Hidden first, so the owner's first paint after it already shows no box; then
  // the owner is activated and gets the focus back, where it was within it.
  window->visible = false;
  MarkScreenChanged();
  if (top->alive) {
    if (DesktopHasFocus()) Deliver(top, msg::Activate, 1, 0);
    const bool backToChild =
        previousFocus && previousFocus->alive && TopLevelOf(previousFocus) == top;
    SetFocus(backToChild ? previousFocus : top);
  }
  window->userData = nullptr;
  DestroyWindow(window);
  return box.answer;
}

}  // namespace

int MessageBox(Window* owner, std::u16string_view text, std::u16string_view caption,
               unsigned flags) {
  const bool owned = owner && owner->alive && ActiveBackend();
  const int answer = owned ? WindowMessageBox(owner, text, caption, flags)
                           : DesktopMessageBox(text, caption, flags);
  Log(text, caption, flags, owned, answer);
  return answer;
}

void AnswerOpenBoxesWithLastButton() {
  for (Box* box : openBoxes) Answer(*box, box->buttonIds[box->buttonCount - 1]);
}

std::vector<ShownMessageBox> TakeShownMessageBoxes() {
  std::vector<ShownMessageBox> shown;
  shown.swap(shownLog);
  return shown;
}

void AnswerNextMessageBox(int id, std::u16string_view text) {
  scriptedAnswers.push_back(ScriptedAnswer{id, std::u16string(text)});
}

std::size_t MessageBoxAnswersLeft() {
  return scriptedAnswers.size();
}

void ForgetMessageBoxAnswers() {
  scriptedAnswers.clear();
}

}  // namespace platform
