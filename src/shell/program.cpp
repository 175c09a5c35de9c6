#include "shell/program.hpp"

#include <cstdio>

#include "platform/backend/program_backend.hpp"
#include "platform/files/desktop_preferences.hpp"
#include "platform/system/complain.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/window_system.hpp"
#include "shell/desktop_options.hpp"
#include "shell/replay_runs.hpp"
#include "shell/start_up.hpp"

namespace shell {

int RunProgram(int argc, char** argv) {
  const ParsedOptions options = ParseDesktopOptions(argc, argv);
  if (!options.error.empty()) {
    platform::Complain("%s", options.error.c_str());
    std::fputs(UsageText(), stderr);
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
  if (!options.playFile.empty()) return PlayReplay(options.playFile, options.timedemo);
  if (!platform::StartDesktop(options.desktop)) {
    // Without a display an unsupported screen is still reported, and ends as it would.
    platform::InstallBackend(nullptr, options.desktop.screen);
    return platform::MeasureDisplay() ? 1 : 0;
  }
  platform::LoadDesktopPreferences(platform::DesktopPreferencesPath());
  if (!options.recordFile.empty()) BeginRecording();
  const StartOutcome start = StartUp();
  int code = start == StartOutcome::Failed ? 1 : 0;
  if (start == StartOutcome::Run) code = platform::RunMessageLoop();
  if (!options.recordFile.empty() && !EndRecording(options.recordFile)) code = 1;
  platform::ReleaseSingleInstance();
  platform::StopDesktop();
  return code;
}

}  // namespace shell
