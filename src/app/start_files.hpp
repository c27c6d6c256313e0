#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "app/command_line.hpp"
#include "dialogue/messages.hpp"

namespace msa {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// The files the options name, opened before anything is shown.
struct StartFiles {
  std::string playScript;  // the whole --play key script
  UniqueFile record;       // created or truncated
  UniqueFile csv;          // created or truncated
};

// Checks every file and folder the options name and opens them: the key
// script to play is read, the record and data files are created or
// truncated. Returns one line naming what cannot be used, in `language`
// (and then leaves no file of its own making behind), or an empty string.
std::string openStartFiles(const CommandLine& options, StartFiles& files, Language language);

// What a program starts with: its options and the files they name, or the
// exit status when it is to end at once (after --help or --version, or a
// mistake told on standard error in one line), and the dialogue's language:
// --lang, else MSA_LANG, else French. --help and the mistakes are told in
// the language a --lang among the arguments names, else MSA_LANG if it names
// one, else French, whatever else is wrong with the arguments.
struct ProgramStart {
  CommandLine options;
  Language language = Language::French;
  StartFiles files;
  std::optional<int> exitNow;
};
ProgramStart startProgram(ProgramKind program, int argc, char** argv);

}  // namespace msa
