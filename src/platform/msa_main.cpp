// msa: the program in its own window.
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

#ifdef _WIN32
#include <windows.h>
#endif

#include "app/program.hpp"
#include "msa_version.hpp"
#include "platform/sdl_host.hpp"

namespace {

// Answers --version and --help; false for anything else, which starts the program.
bool answeredOption(const char* option) {
  const bool version = std::strcmp(option, "--version") == 0;
  if (!version && std::strcmp(option, "--help") != 0) return false;
#ifdef _WIN32
  // A windowed program has no console of its own: answer in the one it was
  // started from, unless the output already goes to a file or a pipe.
  if (GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && AttachConsole(ATTACH_PARENT_PROCESS))
    std::freopen("CONOUT$", "w", stdout);
#endif
  if (version)
    std::printf("msa %s\n", kMsaVersion);
  else
    std::fputs("usage: msa [--version | --help]\n", stdout);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && answeredOption(argv[1])) return 0;
  try {
    // The screen is large (the whole picture); keep it off the stack.
    auto screen = std::make_unique<Screen>();
    SdlHost host;
    return runProgram(*screen, host);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "msa: %s\n", error.what());
    return 1;
  }
}
