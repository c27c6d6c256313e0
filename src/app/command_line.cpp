#include "app/command_line.hpp"

#include "dialogue/messages.hpp"

namespace msa {

namespace {

struct OptionName {
  const char* name;
  bool window;
  bool headless;
  std::string CommandLine::*value;  // null for a flag
  bool CommandLine::*flag;
};

const OptionName kOptions[] = {
    {"record", true, false, &CommandLine::record, nullptr},
    {"play", true, false, &CommandLine::play, nullptr},
    {"pictures", false, true, &CommandLine::pictures, nullptr},
    {"save-dir", true, true, &CommandLine::saveDir, nullptr},
    {"csv", true, true, &CommandLine::csv, nullptr},
    {"lang", true, true, &CommandLine::lang, nullptr},
    {"help", true, true, nullptr, &CommandLine::help},
    {"version", true, true, nullptr, &CommandLine::version},
};

bool offered(const OptionName& option, ProgramKind program) {
  return program == ProgramKind::Window ? option.window : option.headless;
}

// The option a name stands for: an exact name, or the one name it begins.
const OptionName* findOption(ProgramKind program, const std::string& name, bool& ambiguous) {
  const OptionName* found = nullptr;
  int prefixes = 0;
  for (const OptionName& option : kOptions) {
    if (!offered(option, program)) continue;
    const std::string full = option.name;
    if (full == name) return &option;
    if (!name.empty() && full.rfind(name, 0) == 0) {
      found = &option;
      ++prefixes;
    }
  }
  ambiguous = prefixes > 1;
  return prefixes == 1 ? found : nullptr;
}

// Reads the option at args[i] (and its value, moving i past it) into
// `options`; returns what is wrong with it, or an empty string.
std::string readOption(ProgramKind program, const std::vector<std::string>& args, std::size_t& i,
                       CommandLine& options) {
  const std::string& arg = args[i];
  if (arg.rfind("--", 0) != 0) return "unexpected argument '" + arg + "'";
  const std::size_t equals = arg.find('=');
  const bool attached = equals != std::string::npos;
  const std::string name = arg.substr(2, attached ? equals - 2 : std::string::npos);
  bool ambiguous = false;
  const OptionName* option = findOption(program, name, ambiguous);
  if (option == nullptr) return (ambiguous ? "ambiguous option '" : "unrecognized option '") + arg + "'";
  const std::string shown = std::string("--") + option->name;
  if (option->flag != nullptr) {
    if (attached) return "option '" + shown + "' doesn't allow an argument";
    options.*(option->flag) = true;
    return {};
  }
  if (!attached && i + 1 >= args.size()) return "option '" + shown + "' requires an argument";
  std::string& value = options.*(option->value);
  value = attached ? arg.substr(equals + 1) : args[++i];
  if (value.empty()) return "option '" + shown + "' requires a non-empty argument";
  if (option->value == &CommandLine::lang && !languageFromCode(value))
    return "option '" + shown + "': unknown language '" + value + "' (fr or en)";
  return {};
}

}  // namespace

ParsedCommandLine parseCommandLine(ProgramKind program, const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    if (args[i] == "--") {
      if (i + 1 < args.size()) parsed.error = "unexpected argument '" + args[i + 1] + "'";
      break;
    }
    if (args[i] == "-h") {  // the short form everyone tries first
      parsed.options.help = true;
      continue;
    }
    parsed.error = readOption(program, args, i, parsed.options);
  }
  if (!parsed.error.empty()) parsed.error += " (see --help)";
  return parsed;
}

std::string usageText(ProgramKind program) {
  std::string text;
  if (program == ProgramKind::Window) {
    text =
        "usage: msa [--lang fr|en] [--record FILE] [--play FILE] [--save-dir DIR] [--csv FILE]\n"
        "\n"
        "  --record FILE    write every key pressed to FILE, as a key script\n"
        "  --play FILE      type the keys of the key script FILE first, then\n"
        "                   hand the keyboard back\n";
  } else {
    text =
        "usage: msa-headless [--lang fr|en] [--pictures DIR] [--save-dir DIR] [--csv FILE] < keys\n"
        "\n"
        "Runs msa on the key script read from standard input and prints the text\n"
        "screen at every awaited answer line.\n"
        "\n"
        "  --pictures DIR   also write DIR/read-N.pgm at every awaited answer line\n";
  }
  text +=
      "  --lang LANG      the dialogue's language: fr (French, the default) or en\n"
      "                   (English); without it, the MSA_LANG environment variable\n"
      "  --save-dir DIR   where a save writes its files (default: the current folder)\n"
      "  --csv FILE       write the steps of every simulation run (menu S) to FILE\n"
      "  -h, --help       print this help and exit\n"
      "  --version        print the version and exit\n"
      "\n";
  if (program == ProgramKind::Window) {
    text +=
        "keys:\n"
        "  Enter                    end the answer (every menu answer too); leave the diagram\n"
        "  Ctrl+S                   save the picture (PNG) and the last run's steps (CSV)\n"
        "  Escape, Pause, Ctrl+Break  stop a running simulation after its step\n"
        "  Escape                   erase the answer being typed\n"
        "  Ctrl+C, Ctrl+V           copy the text screen, paste one line\n"
        "  F10                      square pixels or the 4:3 view\n"
        "  F11, Alt+Enter           full screen on and off\n";
  } else {
    text +=
        "key script (UTF-8): each character is one key, a line break is Enter;\n"
        "  {BS} {DEL} {LEFT} {RIGHT} {UP} {DOWN} {HOME} {END} {TAB} {ESC} {ENTER}\n"
        "  {SAVE}   save the picture and the last run's steps, as Ctrl+S does\n"
        "  {BREAK}  stop the simulation that runs when it comes next\n"
        "  {{       a brace\n";
  }
  text +=
      "\n"
      "user's guide: guide.en.html (French: guide.fr.html), in /usr/share/doc/msa\n"
      "  on Debian, in the folder manual beside msa.exe on Windows, in the page's\n"
      "  help, and as docs/guide.en.md in the sources\n";
  return text;
}

}  // namespace msa
