#include "shell/program.hpp"

#include <cstdio>

#include "platform/display_profile.hpp"
#include "platform/single_instance.hpp"
#include "platform/software_drawing.hpp"
#include "platform/speaker.hpp"
#include "platform/window.hpp"
#include "records/game_status_record.hpp"
#include "records/record_store.hpp"
#include "records/settings.hpp"
#include "render/bitmap_catalogue.hpp"
#include "shell/desktop_options.hpp"
#include "sound/sound_bank.hpp"

namespace shell {

namespace {

// The device volume found at start-up, put back on the way out.
std::uint32_t savedWaveVolume = 0;

platform::LResult MainWndProc(platform::Window* window, unsigned message, platform::WParam wParam,
                              platform::LParam lParam) {
  switch (message) {
    case platform::msg::Paint: {
      platform::DeviceContext dc = platform::BeginPaint(window);
      platform::FillRect(dc,
                         platform::Rect{0, 0, platform::ScreenWidth(), platform::ScreenHeight()},
                         platform::Rgb(0, 0, 0));
      platform::EndPaint(window);
      return 0;
    }
    case platform::msg::Destroy:
      render::ReleaseCatalogue();
      platform::SetWaveOutVolume(savedWaveVolume);
      sound::CloseSpeaker();
      platform::PostQuitMessage(0);
      return 0;
    default:
      return platform::DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace

int RunProgram(int argc, char** argv) {
  const ParsedOptions options = ParseDesktopOptions(argc, argv);
  if (!options.error.empty()) {
    std::fprintf(stderr, "fandriass: %s\n%s", options.error.c_str(), UsageText());
    return 2;
  }
  if (options.showHelp) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  if (options.showVersion) {
    std::printf("Fandriass II %s\n", FANDRIASS_VERSION);
    return 0;
  }
  const bool desktop = platform::StartDesktop(options.desktop);
  if (!desktop) platform::InstallBackend(nullptr, options.desktop.screen);
  if (!platform::MeasureDisplay()) return 0;
  if (!desktop) return 1;
  // A second start hands over to the copy already running and leaves quietly.
  if (!platform::ClaimSingleInstance()) {
    platform::StopDesktop();
    return 0;
  }
  sound::LoadSoundBank();
  sound::OpenSpeaker();
  savedWaveVolume = platform::GetWaveOutVolume();
  platform::CreateMainWindow(u"Fandriass II", &MainWndProc);
  render::LoadCatalogue();
  records::LoadAllRecords();
  records::ApplySettings();
  render::ApplyBallStyle(records::ActiveBallStyle);
  platform::SetWaveOutVolume(records::WaveVolumeOfPercent(records::GameStatus.VolumePercent));
  const int code = platform::RunMessageLoop();
  platform::ReleaseSingleInstance();
  platform::StopDesktop();
  return code;
}

}  // namespace shell
