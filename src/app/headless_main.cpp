// msa-headless: runs the program without a window on a key script read from
// standard input, printing the text grid at every awaited answer line.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

#include "app/headless_host.hpp"
#include "app/program.hpp"

int main(int argc, char** argv) {
  std::string picturesDir;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--pictures") == 0 && i + 1 < argc) {
      picturesDir = argv[++i];
    } else {
      std::fprintf(stderr, "usage: msa-headless [--pictures DIR] < keys\n");
      return 2;
    }
  }
  const std::string script{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  HeadlessHost host(parseKeyScript(script), stdout, picturesDir);
  Screen screen;
  const int status = runProgram(screen, host);
  if (status == 0) std::puts("=== exit 0");
  return status;
}
