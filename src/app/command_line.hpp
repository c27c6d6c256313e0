#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogue/messages.hpp"

namespace msa {

// The options of msa and msa-headless, read the GNU way: --name=value or
// --name value, any unambiguous beginning of a name, "--" ends the options.

enum class ProgramKind { Window, Headless };

struct CommandLine {
  std::string record;    // msa: the keys the user presses, as a key script
  std::string play;      // msa: a key script typed before the keyboard
  std::string pictures;  // msa-headless: a PGM picture per awaited answer
  std::string saveDir;   // where a save goes; the current folder if empty
  std::string csv;       // every simulation run's steps
  std::string lang;      // the dialogue's language code; MSA_LANG, else French, if empty
  bool help = false;
  bool version = false;
};

struct ParsedCommandLine {
  CommandLine options;
  std::string error;  // one line, empty when the arguments are usable
};

// `args` without the program name. A --lang other than a language of the
// dialogue is refused here. The mistake is told in `language`.
ParsedCommandLine parseCommandLine(ProgramKind program, const std::vector<std::string>& args,
                                   Language language = Language::French);

// The language a --lang among `args` names (the last that names one), read
// as the parser would read it, whatever else is wrong with them: the
// program's messages take it before the options are read.
std::optional<Language> languageOfArguments(ProgramKind program, const std::vector<std::string>& args);

// What --help prints: the synopsis, the options and the keys.
std::string usageText(ProgramKind program, Language language);

}  // namespace msa
