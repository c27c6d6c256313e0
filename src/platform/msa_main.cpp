// msa: the program in its own window.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "app/command_line.hpp"
#include "app/program.hpp"
#include "app/start_files.hpp"
#include "msa_version.hpp"
#include "results/simulation_log.hpp"
#include "platform/sdl_host.hpp"

int main(int argc, char** argv) {
  const ParsedCommandLine parsed = parseCommandLine(ProgramKind::Window, {argv + 1, argv + argc});
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "msa: %s\n", parsed.error.c_str());
    return 2;
  }
  const CommandLine& options = parsed.options;
  if (options.help) {
    std::fputs(usageText(ProgramKind::Window).c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("msa %s\n", kMsaVersion);
    return 0;
  }
  StartFiles files;
  if (const std::string error = openStartFiles(options, files); !error.empty()) {
    std::fprintf(stderr, "msa: %s\n", error.c_str());
    return 2;
  }
  try {
    // The screen is large (the whole picture); keep it off the stack.
    auto screen = std::make_unique<Screen>();
    SdlHost host;
    SimulationLog log(files.csv.get());
    const int status = runProgram(*screen, host, &log);
    if (log.writeFailed()) {
      std::fprintf(stderr, "msa: --csv %s: cannot be written completely\n", options.csv.c_str());
      return 2;
    }
    return status;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "msa: %s\n", error.what());
    return 1;
  }
}
