#include "platform/window/child_controls.hpp"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend/backend.hpp"
#include "platform/drawing/software_drawing.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/window/control_style.hpp"
#include "platform/window/window_system_internal.hpp"

namespace platform {

namespace {

enum class ControlKind { Button, Edit };

// The edit field's default limit, as the device's own edit control had.
constexpr std::size_t kDefaultLimit = 30000;
constexpr unsigned kBackspace = 8;
constexpr unsigned kSpace = 32;
constexpr unsigned kEnd = 35;
constexpr unsigned kHome = 36;
constexpr unsigned kDelete = 46;

struct Control {
  ControlKind kind = ControlKind::Button;
  int id = 0;
  std::u16string text;
  // Button: the stylus went down on it, and is over it now.
  bool tracking = false;
  bool pressed = false;
  // Edit field: the selection runs from anchor to caret (equal: just a caret).
  std::size_t limit = kDefaultLimit;
  std::size_t anchor = 0;
  std::size_t caret = 0;
  int scroll = 0;
  char16_t pendingHigh = 0;
  bool focused = false;
  int enterId = 0;
  int escapeId = 0;
};

std::vector<std::unique_ptr<Control>>& Controls() {
  static std::vector<std::unique_ptr<Control>> controls;
  return controls;
}

Control* ControlOf(const Window* window) {
  if (!window || !window->alive || window->kind != WindowKind::Child) return nullptr;
  return static_cast<Control*>(window->userData);
}

Control* EditOf(const Window* window) {
  Control* c = ControlOf(window);
  return (c && c->kind == ControlKind::Edit) ? c : nullptr;
}

bool IsHigh(char16_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLow(char16_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

// Control characters have no place in a one-line name; neither do the C1 set
// and the two noncharacters some keyboards produce.
bool Printable(char16_t u) {
  return u >= 0x20 && !(u >= 0x7F && u <= 0x9F) && u != 0xFFFE && u != 0xFFFF;
}

std::u16string Sanitised(std::u16string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (IsHigh(u) && i + 1 < text.size() && IsLow(text[i + 1])) {
      out.push_back(u);
      out.push_back(text[++i]);
    } else if (!IsHigh(u) && !IsLow(u) && Printable(u)) {
      out.push_back(u);
    }
  }
  return out;
}

int Padding() {
  return 3 * style::Unit();
}

const Font& EditFont(const Window* window) {
  const int u = style::Unit();
  return style::WidgetFont(std::max(std::min(style::kWidgetCell * u, window->rect.Height() - 4), 6),
                           400);
}

const Font& ButtonFont(const Window* window) {
  const int u = style::Unit();
  return style::WidgetFont(std::max(std::min(style::kWidgetCell * u, window->rect.Height() - 4), 6),
                           700);
}

std::size_t SelectionStart(const Control& c) {
  return std::min(c.anchor, c.caret);
}
std::size_t SelectionEnd(const Control& c) {
  return std::max(c.anchor, c.caret);
}

std::size_t PreviousBoundary(const std::u16string& text, std::size_t at) {
  if (at == 0) return 0;
  if (at >= 2 && IsLow(text[at - 1]) && IsHigh(text[at - 2])) return at - 2;
  return at - 1;
}

std::size_t NextBoundary(const std::u16string& text, std::size_t at) {
  if (at >= text.size()) return text.size();
  if (at + 1 < text.size() && IsHigh(text[at]) && IsLow(text[at + 1])) return at + 2;
  return at + 1;
}

int TextWidth(const Window* window, std::u16string_view text) {
  return MeasureText(EditFont(window), text);
}

// Puts text in place of the selection, as much of it as the limit leaves room
// for, never half a pair. Text that cannot fit at all changes nothing.
void ReplaceSelection(Control& c, std::u16string_view insert) {
  const std::size_t start = SelectionStart(c);
  const std::size_t end = SelectionEnd(c);
  const std::size_t kept = c.text.size() - (end - start);
  const std::size_t room = c.limit > kept ? c.limit - kept : 0;
  std::size_t take = std::min(insert.size(), room);
  if (take < insert.size() && take > 0 && IsHigh(insert[take - 1])) --take;
  if (take == 0 && !insert.empty()) return;
  c.text.replace(start, end - start, insert.substr(0, take));
  c.anchor = c.caret = start + take;
}

void DeleteRange(Control& c, std::size_t start, std::size_t end) {
  c.text.erase(start, end - start);
  c.anchor = c.caret = start;
}

// The character boundary nearest to a point of the field.
std::size_t CaretAt(const Window* window, const Control& c, int x) {
  const int target = x - Padding() + c.scroll;
  const std::u16string_view text = c.text;
  std::size_t best = 0;
  int bestDistance = std::abs(target);
  for (std::size_t i = 0; i < text.size();) {
    i = NextBoundary(c.text, i);
    const int distance = std::abs(TextWidth(window, text.substr(0, i)) - target);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

void Changed(Window* window) {
  InvalidateRect(window, nullptr);
}

LResult Click(Window* window, const Control& c) {
  // Copy what the message needs: the parent may destroy this button on it.
  const int id = c.id;
  Window* parent = window->parent;
  SendMessage(parent, msg::Command, (static_cast<WParam>(ButtonClicked) << 16) | (id & 0xFFFF),
              reinterpret_cast<LParam>(window));
  return 0;
}

LResult SendBoundCommand(Window* window, int id) {
  if (id == 0) return 0;
  Window* parent = window->parent;
  SendMessage(parent, msg::Command, static_cast<WParam>(id & 0xFFFF),
              reinterpret_cast<LParam>(window));
  return 0;
}

void PaintButton(Window* window, const Control& c) {
  DeviceContext dc = BeginPaint(window);
  const int w = window->rect.Width();
  const int h = window->rect.Height();
  FillRect(dc, Rect{0, 0, w, h}, c.pressed ? style::Highlight : style::ButtonFace);
  dc.pen = Pen{Pen::Style::Solid, 1, style::Ink};
  dc.brush = Brush{true, style::Paper};
  DrawRectangle(dc, 0, 0, w, h);
  dc.font = &ButtonFont(window);
  dc.textColour = c.pressed ? style::HighlightInk : style::Ink;
  dc.backgroundMode = BackgroundMode::Transparent;
  DrawText(dc, c.text, Rect{1, 1, w - 1, h - 1},
           text_format::Centre | text_format::VerticalCentre | text_format::SingleLine);
  EndPaint(window);
}

void PaintEdit(Window* window, Control& c) {
  DeviceContext dc = BeginPaint(window);
  const int w = window->rect.Width();
  const int h = window->rect.Height();
  const int pad = Padding();
  const int inner = std::max(w - 2 * pad, 1);
  const std::u16string_view text = c.text;

  // Keep the caret in view: the line scrolls sideways under the field.
  const int caretX = TextWidth(window, text.substr(0, c.caret));
  const int textWidth = TextWidth(window, text);
  if (caretX - c.scroll > inner - 1) c.scroll = caretX - inner + 1;
  if (caretX < c.scroll) c.scroll = caretX;
  c.scroll = std::max(0, std::min(c.scroll, std::max(textWidth - inner + 1, 0)));

  FillRect(dc, Rect{0, 0, w, h}, style::Paper);
  // The whole line is drawn on a strip and the visible part copied, so nothing
  // spills over the border however long the text.
  Bitmap strip(textWidth + 1, h, style::Paper);
  DeviceContext sdc = MemoryContext(strip);
  sdc.font = &EditFont(window);
  sdc.backgroundMode = BackgroundMode::Opaque;
  const std::size_t selStart = SelectionStart(c);
  const std::size_t selEnd = SelectionEnd(c);
  const std::size_t cuts[] = {0, selStart, selEnd, text.size()};
  for (int part = 0; part < 3; ++part) {
    if (cuts[part + 1] <= cuts[part]) continue;
    const bool selected = part == 1 && c.focused;
    sdc.textColour = selected ? style::HighlightInk : style::Ink;
    sdc.backgroundColour = selected ? style::Highlight : style::Paper;
    const int left = TextWidth(window, text.substr(0, cuts[part]));
    const int right = TextWidth(window, text.substr(0, cuts[part + 1]));
    DrawText(sdc, text.substr(cuts[part], cuts[part + 1] - cuts[part]), Rect{left, 0, right, h},
             text_format::Left | text_format::VerticalCentre | text_format::SingleLine);
  }
  CopyBits(dc, pad, 0, std::min(inner, strip.Width() - c.scroll), h, strip, c.scroll, 0);

  if (c.focused && selStart == selEnd) {
    const int u = style::Unit();
    FillRect(dc, Rect{pad + caretX - c.scroll, 3 * u, pad + caretX - c.scroll + u, h - 3 * u},
             style::Ink);
  }
  dc.pen = Pen{Pen::Style::Solid, 1, style::Ink};
  dc.brush = Brush{true, style::Paper};
  DrawRectangle(dc, 0, 0, w, h);
  EndPaint(window);
}

LResult ButtonMessage(Window* window, Control& c, unsigned message, WParam wParam, LParam lParam) {
  const bool inside = Rect{0, 0, window->rect.Width(), window->rect.Height()}.Contains(
      PointX(lParam), PointY(lParam));
  switch (message) {
    case msg::StylusDown:
      c.tracking = true;
      c.pressed = true;
      Changed(window);
      return 0;
    case msg::StylusMove:
      if (c.tracking && c.pressed != inside) {
        c.pressed = inside;
        Changed(window);
      }
      return 0;
    case msg::StylusUp: {
      const bool clicked = c.tracking && inside;
      c.tracking = false;
      c.pressed = false;
      Changed(window);
      return clicked ? Click(window, c) : 0;
    }
    case msg::KeyDown:
      if (wParam == vk::Return || wParam == kSpace) return Click(window, c);
      return 0;
    default:
      return 0;
  }
}

void Paste(Control& c) {
  Backend* backend = ActiveBackend();
  if (!backend) return;
  ReplaceSelection(c, Sanitised(Utf8ToUtf16(backend->ClipboardText())));
}

void TypeUnit(Control& c, char16_t unit) {
  // The desktop delivers characters outside the basic plane as two units; they
  // go in together or not at all.
  if (IsHigh(unit)) {
    c.pendingHigh = unit;
    return;
  }
  if (IsLow(unit)) {
    if (c.pendingHigh != 0) {
      const char16_t pair[2] = {c.pendingHigh, unit};
      ReplaceSelection(c, std::u16string_view(pair, 2));
    }
    c.pendingHigh = 0;
    return;
  }
  c.pendingHigh = 0;
  if (Printable(unit)) ReplaceSelection(c, std::u16string_view(&unit, 1));
}

LResult EditKey(Window* window, Control& c, unsigned key, bool repeat) {
  const bool control = ActiveBackend() && ActiveBackend()->ControlHeld();
  const std::size_t start = SelectionStart(c);
  const std::size_t end = SelectionEnd(c);
  switch (key) {
    // A key held since before the field appeared (the game's action key, say)
    // must not answer for the player: only a fresh press does.
    case vk::Return:
      return repeat ? 0 : SendBoundCommand(window, c.enterId);
    case vk::Escape:
      return repeat ? 0 : SendBoundCommand(window, c.escapeId);
    case kBackspace:
      if (start != end) {
        DeleteRange(c, start, end);
      } else if (c.caret > 0) {
        DeleteRange(c, PreviousBoundary(c.text, c.caret), c.caret);
      }
      break;
    case kDelete:
      if (start != end) {
        DeleteRange(c, start, end);
      } else if (c.caret < c.text.size()) {
        DeleteRange(c, c.caret, NextBoundary(c.text, c.caret));
      }
      break;
    case vk::Left:
      c.caret = start != end ? start : PreviousBoundary(c.text, c.caret);
      c.anchor = c.caret;
      break;
    case vk::Right:
      c.caret = start != end ? end : NextBoundary(c.text, c.caret);
      c.anchor = c.caret;
      break;
    case kHome:
      c.anchor = c.caret = 0;
      break;
    case kEnd:
      c.anchor = c.caret = c.text.size();
      break;
    case 'A':
      if (!control) return 0;
      c.anchor = 0;
      c.caret = c.text.size();
      break;
    case 'V':
      if (!control) return 0;
      Paste(c);
      break;
    default:
      return 0;
  }
  c.pendingHigh = 0;
  Changed(window);
  return 0;
}

LResult EditMessage(Window* window, Control& c, unsigned message, WParam wParam, LParam lParam) {
  switch (message) {
    case msg::SetFocus:
      c.focused = true;
      if (ActiveBackend()) ActiveBackend()->WantTextInput(true);
      Changed(window);
      return 0;
    case msg::KillFocus:
      c.focused = false;
      c.pendingHigh = 0;
      if (ActiveBackend()) ActiveBackend()->WantTextInput(false);
      Changed(window);
      return 0;
    case msg::StylusDown:
      if (GetFocus() != window) SetFocus(window);
      c.anchor = c.caret = CaretAt(window, c, PointX(lParam));
      c.tracking = true;
      Changed(window);
      return 0;
    case msg::StylusMove:
      if (c.tracking) {
        c.caret = CaretAt(window, c, PointX(lParam));
        Changed(window);
      }
      return 0;
    case msg::StylusUp:
      c.tracking = false;
      return 0;
    case msg::KeyDown:
      return EditKey(window, c, static_cast<unsigned>(wParam), (lParam & KeyRepeat) != 0);
    case msg::Char:
      TypeUnit(c, static_cast<char16_t>(wParam));
      Changed(window);
      return 0;
    default:
      return 0;
  }
}

LResult ControlProc(Window* window, unsigned message, WParam wParam, LParam lParam) {
  Control* c = ControlOf(window);
  if (!c) return 0;
  if (message == msg::Paint) {
    if (c->kind == ControlKind::Button) {
      PaintButton(window, *c);
    } else {
      PaintEdit(window, *c);
    }
    return 0;
  }
  if (message == msg::Destroy) {
    if (c->focused && ActiveBackend()) ActiveBackend()->WantTextInput(false);
    window->userData = nullptr;
    auto& controls = Controls();
    controls.erase(std::remove_if(controls.begin(), controls.end(),
                                  [c](const std::unique_ptr<Control>& p) { return p.get() == c; }),
                   controls.end());
    return 0;
  }
  if (c->kind == ControlKind::Button) return ButtonMessage(window, *c, message, wParam, lParam);
  return EditMessage(window, *c, message, wParam, lParam);
}

Window* CreateControl(Window* parent, ControlKind kind, std::u16string_view text, const Rect& rect,
                      int id) {
  if (!parent || !parent->alive) return nullptr;
  const Rect onScreen{parent->rect.left + rect.left, parent->rect.top + rect.top,
                      parent->rect.left + rect.right, parent->rect.top + rect.bottom};
  Window* window = CreateWindowOfKind(WindowKind::Child, onScreen, &ControlProc);
  window->parent = parent;
  // Just above the parent and its earlier controls, below anything over the parent.
  auto& windows = TopLevelWindows();
  windows.erase(std::find(windows.begin(), windows.end(), window));
  auto place = std::find(windows.begin(), windows.end(), parent);
  if (place != windows.end()) ++place;
  while (place != windows.end() && (*place)->parent == parent) ++place;
  windows.insert(place, window);

  auto control = std::make_unique<Control>();
  control->kind = kind;
  control->id = id;
  control->text = kind == ControlKind::Edit ? Sanitised(text) : std::u16string(text);
  window->userData = control.get();
  Controls().push_back(std::move(control));
  Changed(window);
  MarkScreenChanged();
  return window;
}

}  // namespace

Window* CreatePushButton(Window* parent, std::u16string_view text, const Rect& rect, int id) {
  return CreateControl(parent, ControlKind::Button, text, rect, id);
}

Window* CreateEditField(Window* parent, std::u16string_view text, const Rect& rect, int id) {
  return CreateControl(parent, ControlKind::Edit, text, rect, id);
}

void SetEditLimit(Window* edit, std::size_t units) {
  if (Control* c = EditOf(edit)) c->limit = units == 0 ? kDefaultLimit : units;
}

void SelectAllText(Window* edit) {
  if (Control* c = EditOf(edit)) {
    c->anchor = 0;
    c->caret = c->text.size();
    Changed(edit);
  }
}

void BindEditKeys(Window* edit, int enterId, int escapeId) {
  if (Control* c = EditOf(edit)) {
    c->enterId = enterId;
    c->escapeId = escapeId;
  }
}

std::size_t GetWindowText(Window* control, char16_t* buffer, std::size_t size) {
  if (!buffer || size == 0) return 0;
  const Control* c = ControlOf(control);
  std::size_t count = c ? std::min(c->text.size(), size - 1) : 0;
  if (c && count < c->text.size() && count > 0 && IsHigh(c->text[count - 1])) --count;
  if (c) std::copy_n(c->text.data(), count, buffer);
  buffer[count] = 0;
  return count;
}

int ControlId(const Window* control) {
  const Control* c = ControlOf(control);
  return c ? c->id : 0;
}

}  // namespace platform
