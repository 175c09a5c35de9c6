#include "popup/help_panel.hpp"

#include "engine/game_state.hpp"
#include "platform/window/window_system.hpp"
#include "popup/help_page_easy.hpp"
#include "popup/help_pages.hpp"
#include "popup/panel_drawing.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "render/drawing_primitives.hpp"

namespace popup {

namespace {

std::u16string_view TitleOf(std::uint32_t mode) {
  switch (mode) {
    case engine::mode::Easy:
      return u"EASY - GAME OBJECTIVE:";
    case engine::mode::Hard:
      return u"HARD:";
    case engine::mode::Panic:
      return u"PANIC:";
    case engine::mode::Heat:
      return u"HEAT:";
    case engine::mode::Chroma:
      return u"CHROMA:";
    default:
      return u"";
  }
}

// The EASY page runs to slide 8 and invites the replay from slide 7; the
// other pages run to slide 3 and invite it from slide 2.
constexpr std::uint32_t kEasyLastSlide = 8;
constexpr std::uint32_t kModeLastSlide = 3;

}  // namespace

std::uint32_t LastHelpSlide() {
  return PendingMode == engine::mode::Easy ? kEasyLastSlide : kModeLastSlide;
}

bool HelpDemoEnded() {
  return HelpDemoStep + 1 >= LastHelpSlide();
}

void AdvanceHelpDemo() {
  if (HelpDemoStep < LastHelpSlide()) ++HelpDemoStep;
}

void PaintHelpPanel(platform::Window* popup, platform::DeviceContext& dc) {
  render::DrawPanelFrame(dc, TitleOf(PendingMode), 255, 255, 255, PopupHeight);
  DrawPanelPicture(
      dc, records::GameStatus.HelpEnabled == 1 ? render::CheckBoxTicked : render::CheckBoxEmpty, 10,
      212);
  if (PopupStep == 0) {
    CreateOkButton(popup, 180, 208, 46, 20);
    platform::SetTimer(popup, HelpTimerId, HelpSlideMs);
    PopupStep = 1;
  }
  DrawPanelText(dc, render::Font14, u"Show this window again", Black, 34, 213, 200, 230);
  render::FillRectRGB(dc, 255, 255, 255, DemoLeft, DemoTop, DemoRight, DemoBottom);
  if (PendingMode == engine::mode::Easy) {
    PaintEasyPage(dc, HelpDemoStep);
  } else {
    PaintModePage(dc, PendingMode, HelpDemoStep);
  }
}

}  // namespace popup
