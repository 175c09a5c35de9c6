#include "shell/start_up.hpp"

#include "engine/game_state.hpp"
#include "engine/game_tick.hpp"
#include "platform/audio/speaker.hpp"
#include "platform/backend/program_backend.hpp"
#include "platform/resources/resources.hpp"
#include "platform/system/complain.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/full_screen.hpp"
#include "platform/window/window_system.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/record_store.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/board_drawing.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"
#include "shell/main_window.hpp"
#include "shell/quit_program.hpp"
#include "shell/screen_flow.hpp"
#include "sound/sound_bank.hpp"

namespace shell {

namespace {

void SetVolumeFromSettings() {
  platform::SetWaveOutVolume(records::WaveVolumeOfPercent(records::GameStatus.VolumePercent));
}

bool BuildEverything() {
  sound::LoadSoundBank();
  sound::OpenSpeaker();
  platform::Window* window = platform::CreateMainWindow(u"Fandriass II", &MainWndProc);
  if (!window) return false;
  platform::SetFullScreen(window, platform::full_screen::HideAll);
  SavedWaveVolume = platform::GetWaveOutVolume();
  // The records are not read yet: the device stays silent while the rest loads.
  SetVolumeFromSettings();
  render::LoadCatalogue();
  platform::ReleaseResourcePages();
  records::LoadAllRecords();
  OpenFirstScreen();
  platform::UpdateWindow(window);
  return true;
}

}  // namespace

void OpenFirstScreen() {
  engine::SetGameOverHandler(&OnGameOver);
  popup::SetStartGameHandler(&StartGameAfterHelp);
  const std::int32_t kept = records::GameStatus.Mode;
  if (kept >= engine::mode::Easy && kept <= engine::mode::Chroma) {
    ResumeKeptGame();
  } else {
    render::ScreenPhase = 0;
    render::ScreenState = render::screen::MainMenu;
    records::ApplySettings();
  }
  render::ApplyBallStyle(records::ActiveBallStyle);
}

bool InitialiseWindow(int mode, platform::Window* window) {
  switch (mode) {
    case init_mode::First:
      return BuildEverything();
    case init_mode::Reactivate:
      // The window already covers the whole emulated screen and stays where it
      // is; only its screen is refreshed.
      platform::SetFullScreen(window, platform::full_screen::HideAll);
      render::RepaintAll = 1;
      platform::UpdateWindow(window);
      return true;
    default:
      return false;
  }
}

StartOutcome StartUp() {
  if (!platform::MeasureDisplay()) return StartOutcome::Leave;
  platform::ShellStartUp();
  // A second start hands over to the copy already running and leaves quietly.
  if (!platform::ClaimSingleInstance()) return StartOutcome::Leave;
  if (!InitialiseWindow(init_mode::First, nullptr)) {
    platform::Complain("the main window could not be created");
    sound::CloseSpeaker();
    // A later start must not hand over to a copy that shows nothing.
    platform::ReleaseSingleInstance();
    return StartOutcome::Failed;
  }
  SetVolumeFromSettings();
  return StartOutcome::Run;
}

void ResetShell() {
  ResetMainWindow();
  ResetQuitState();
  render::ResetScreenState();
  render::ResetGameScreen();
  render::ResetBoardDrawing();
  engine::InitialiseGameState();
  engine::SetGameOverHandler(nullptr);
  popup::SetStartGameHandler(nullptr);
}

}  // namespace shell
