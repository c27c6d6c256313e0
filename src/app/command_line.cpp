#include "app/command_line.hpp"

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

// The option an argument "--name" or "--name=value" names, if any; `equals`
// is where its value begins, or npos.
const OptionName* optionOf(ProgramKind program, const std::string& arg, std::size_t& equals, bool& ambiguous) {
  equals = arg.find('=');
  const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
  return findOption(program, name, ambiguous);
}

// Reads the option at args[i] (and its value, moving i past it) into
// `options`; returns what is wrong with it, in `language`, or an empty string.
std::string readOption(ProgramKind program, const std::vector<std::string>& args, std::size_t& i,
                       CommandLine& options, Language language) {
  const auto said = [language](ConsoleMsg key, const std::vector<std::string>& values) {
    return fillPlaceholders(message(language, key), values);
  };
  const std::string& arg = args[i];
  if (arg.rfind("--", 0) != 0) return said(ConsoleMsg::UnexpectedArgument, {arg});
  std::size_t equals = 0;
  bool ambiguous = false;
  const OptionName* option = optionOf(program, arg, equals, ambiguous);
  const bool attached = equals != std::string::npos;
  if (option == nullptr) return said(ambiguous ? ConsoleMsg::AmbiguousOption : ConsoleMsg::UnrecognizedOption, {arg});
  const std::string shown = std::string("--") + option->name;
  if (option->flag != nullptr) {
    if (attached) return said(ConsoleMsg::ArgumentNotAllowed, {shown});
    options.*(option->flag) = true;
    return {};
  }
  if (!attached && i + 1 >= args.size()) return said(ConsoleMsg::ArgumentRequired, {shown});
  std::string& value = options.*(option->value);
  value = attached ? arg.substr(equals + 1) : args[++i];
  if (value.empty()) return said(ConsoleMsg::NonEmptyArgumentRequired, {shown});
  if (option->value == &CommandLine::lang && !languageFromCode(value))
    return said(ConsoleMsg::UnknownLanguage, {shown, value});
  return {};
}

}  // namespace

ParsedCommandLine parseCommandLine(ProgramKind program, const std::vector<std::string>& args, Language language) {
  ParsedCommandLine parsed;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    if (args[i] == "--") {
      if (i + 1 < args.size())
        parsed.error = fillPlaceholders(message(language, ConsoleMsg::UnexpectedArgument), {args[i + 1]});
      break;
    }
    if (args[i] == "-h") {  // the short form everyone tries first
      parsed.options.help = true;
      continue;
    }
    parsed.error = readOption(program, args, i, parsed.options, language);
  }
  if (!parsed.error.empty()) parsed.error = fillPlaceholders(message(language, ConsoleMsg::SeeHelp), {parsed.error});
  return parsed;
}

std::optional<Language> languageOfArguments(ProgramKind program, const std::vector<std::string>& args) {
  std::optional<Language> named;
  for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
    if (args[i].rfind("--", 0) != 0) continue;
    std::size_t equals = 0;
    bool ambiguous = false;
    const OptionName* option = optionOf(program, args[i], equals, ambiguous);
    if (option == nullptr || option->value == nullptr) continue;
    const bool attached = equals != std::string::npos;
    if (!attached && i + 1 >= args.size()) break;
    const std::string value = attached ? args[i].substr(equals + 1) : args[++i];
    if (option->value != &CommandLine::lang) continue;
    if (const auto language = languageFromCode(value)) named = language;
  }
  return named;
}

std::string usageText(ProgramKind program, Language language) {
  return std::string(
      message(language, program == ProgramKind::Window ? ConsoleMsg::UsageWindow : ConsoleMsg::UsageHeadless));
}

}  // namespace msa
