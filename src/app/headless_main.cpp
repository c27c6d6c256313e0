// msa-headless: runs the program without a window on a key script read from
// standard input, printing the text grid at every awaited answer line.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "app/headless_host.hpp"
#include "app/program.hpp"
#include "msa_version.hpp"

namespace {
constexpr const char* kUsage = "usage: msa-headless [--pictures DIR] < keys\n";
}

int main(int argc, char** argv) {
#ifdef _WIN32
  // The key script and the transcript are bytes: no CRLF translation, and
  // no Ctrl+Z taken for the end of the input.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::string picturesDir;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--pictures") == 0 && i + 1 < argc) {
      picturesDir = argv[++i];
    } else if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("msa-headless %s\n", kMsaVersion);
      return 0;
    } else if (std::strcmp(argv[i], "--help") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      std::fputs(kUsage, stderr);
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
