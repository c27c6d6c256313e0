// msa: the program in its own window.
#include <cstdio>
#include <exception>
#include <memory>

#include "app/program.hpp"
#include "platform/sdl_host.hpp"

int main(int, char**) {
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
