#pragma once

namespace shell {

// The whole program: desktop options, start-up, the message loop. Returns the exit code.
int RunProgram(int argc, char** argv);

}  // namespace shell
