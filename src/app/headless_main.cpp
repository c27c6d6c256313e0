// msa-headless: runs the program without a window on a key script read from
// standard input, printing the text grid at every awaited answer line.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "app/command_line.hpp"
#include "app/headless_host.hpp"
#include "app/program.hpp"
#include "app/start_files.hpp"
#include "dialogue/screen.hpp"
#include "msa_version.hpp"
#include "results/result_saver.hpp"
#include "results/simulation_log.hpp"

using namespace msa;

int main(int argc, char** argv) {
#ifdef _WIN32
  // The key script and the transcript are bytes: no CRLF translation, and
  // no Ctrl+Z taken for the end of the input.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const ParsedCommandLine parsed = parseCommandLine(ProgramKind::Headless, {argv + 1, argv + argc});
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "msa-headless: %s\n", parsed.error.c_str());
    return 2;
  }
  const CommandLine& options = parsed.options;
  if (options.help) {
    std::fputs(usageText(ProgramKind::Headless).c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("msa-headless %s\n", kMsaVersion);
    return 0;
  }
  StartFiles files;
  if (const std::string error = openStartFiles(options, files); !error.empty()) {
    std::fprintf(stderr, "msa-headless: %s\n", error.c_str());
    return 2;
  }
  const std::string script{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  SimulationLog log(files.csv.get());
  const ResultSaver saver(options.saveDir, log);
  // A save prints nothing to the transcript; only a failure is told.
  const auto save = [&](const Screen& screen) {
    const SaveOutcome outcome = saver.save(screen.picture(), false);
    if (!outcome.saved) std::fprintf(stderr, "msa-headless: %s\n", outcome.message.c_str());
  };
  HeadlessHost host(parseScript(script), stdout, options.pictures, save);
  Screen screen;
  const int status = runProgram(screen, host, &log);
  if (log.writeFailed()) {
    std::fprintf(stderr, "msa-headless: --csv %s: cannot be written completely\n", options.csv.c_str());
    return kFileErrorStatus;
  }
  if (status == 0) std::puts("=== exit 0");
  return status;
}
