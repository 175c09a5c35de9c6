#include "shell/program.hpp"

int main(int argc, char** argv) {
  return shell::RunProgram(argc, argv);
}
