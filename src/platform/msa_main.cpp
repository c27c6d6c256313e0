// msa: the program in its own window.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

#include "app/command_line.hpp"
#include "app/program.hpp"
#include "app/start_files.hpp"
#include "msa_version.hpp"
#include "dialogue/key_script.hpp"
#include "results/result_saver.hpp"
#include "results/simulation_log.hpp"
#include "platform/sdl_host.hpp"

using namespace msa;

int main(int argc, char** argv) {
#ifdef _WIN32
  // A windowed program has no console of its own: answers and errors go to
  // the one it was started from, unless its output already goes elsewhere.
  if (GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && AttachConsole(ATTACH_PARENT_PROCESS)) {
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
  }
#endif
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
    SimulationLog log(files.csv.get());
    const ResultSaver saver(options.saveDir, log);
    WindowSession session;
    session.play = ScriptedKeys(parseScript(files.playScript));
    session.recorder = KeyRecorder(files.record.get());
    session.save = [&saver](const Screen& shown, bool fourByThree) {
      return saver.save(shown.picture(), fourByThree).message;
    };
    SdlHost host(std::move(session));
    const int status = runProgram(*screen, host, &log);
    if (log.writeFailed() || host.recordFailed()) {
      std::fprintf(stderr, "msa: %s cannot be written completely\n",
                   log.writeFailed() ? options.csv.c_str() : options.record.c_str());
      return 2;
    }
    return status;
  } catch (const SdlHost::NoDisplay&) {
    std::fputs("msa: no display found (is DISPLAY set?); msa-headless runs key scripts without one\n", stderr);
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "msa: %s\n", error.what());
    return 1;
  }
}
