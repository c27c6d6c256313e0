// msa-headless: runs the program without a window on a key script read from
// standard input, printing the text grid at every awaited answer line.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "frontends/headless/headless_host.hpp"
#include "app/program.hpp"
#include "app/start_files.hpp"
#include "dialogue/screen.hpp"
#include "results/result_saver.hpp"
#include "results/simulation_log.hpp"

using namespace msa;

int main(int argc, char** argv) {
#ifdef _WIN32
  // The key script, the transcript and the notices beside it are bytes: no
  // CRLF translation, and no Ctrl+Z taken for the end of the input.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // A console shows them as the UTF-8 they are, French included.
  SetConsoleOutputCP(CP_UTF8);
#endif
  const ProgramStart start = startProgram(ProgramKind::Headless, argc, argv);
  if (start.exitNow) return *start.exitNow;
  const CommandLine& options = start.options;
  const std::string script{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  SimulationLog log(start.files.csv.get());
  const ResultSaver saver(options.saveDir, log, localTimeNow, start.language);
  // A save prints nothing to the transcript; only a failure is told.
  const auto save = [&](const Screen& screen) {
    const SaveOutcome outcome = saver.save(screen.picture(), false);
    if (!outcome.saved) std::fprintf(stderr, "msa-headless: %s\n", outcome.message.c_str());
  };
  HeadlessHost host(parseScript(script), stdout, options.pictures, save, start.language);
  Screen screen;
  const int status = runProgram(screen, host, &log, start.language);
  if (log.writeFailed()) {
    const std::string said =
        fillPlaceholders(message(start.language, ConsoleMsg::WrittenIncompletely), {"--csv", options.csv});
    std::fprintf(stderr, "msa-headless: %s\n", said.c_str());
    return kFileErrorStatus;
  }
  if (status == 0) std::puts("=== exit 0");
  return status;
}
