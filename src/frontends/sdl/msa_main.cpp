// msa: the program in its own window.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

#include "app/program.hpp"
#include "app/start_files.hpp"
#include "dialogue/key_script.hpp"
#include "results/result_saver.hpp"
#include "results/simulation_log.hpp"
#include "frontends/sdl/sdl_host.hpp"

using namespace msa;

int main(int argc, char** argv) {
#ifdef _WIN32
  // A windowed program has no console of its own: answers and errors go to
  // the one it was started from, unless its output already goes elsewhere.
  if (GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && AttachConsole(ATTACH_PARENT_PROCESS)) {
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
  }
  // What it prints there is UTF-8, French included.
  SetConsoleOutputCP(CP_UTF8);
#endif
  const ProgramStart start = startProgram(ProgramKind::Window, argc, argv);
  if (start.exitNow) return *start.exitNow;
  const CommandLine& options = start.options;
  try {
    // The screen is large (the whole picture); keep it off the stack.
    auto screen = std::make_unique<Screen>();
    SimulationLog log(start.files.csv.get());
    const ResultSaver saver(options.saveDir, log, localTimeNow, start.language);
    WindowSession session;
    session.language = start.language;
    session.play = ScriptedKeys(parseScript(start.files.playScript));
    session.recorder = KeyRecorder(start.files.record.get());
    session.save = [&saver](const Screen& shown, bool fourByThree) {
      return saver.save(shown.picture(), fourByThree).message;
    };
    SdlHost host(std::move(session));
    const int status = runProgram(*screen, host, &log, start.language);
    if (log.writeFailed() || host.recordFailed()) {
      const bool csv = log.writeFailed();
      const std::string said = fillPlaceholders(message(start.language, ConsoleMsg::WrittenIncompletely),
                                                {csv ? "--csv" : "--record", csv ? options.csv : options.record});
      std::fprintf(stderr, "msa: %s\n", said.c_str());
      return 2;
    }
    return status;
  } catch (const SdlHost::NoDisplay& none) {
    const std::string said = fillPlaceholders(message(start.language, ConsoleMsg::NoDisplay), {none.reason});
    std::fprintf(stderr, "msa: %s\n", said.c_str());
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "msa: %s\n", error.what());
    return 1;
  }
}
