#include "app/start_files.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "msa_version.hpp"

namespace msa {

namespace {

// What is wrong with the file or folder `path` of `option`, in a language.
class Refusal {
 public:
  Refusal(Language language, const char* option, const std::string& path)
      : language_(language), option_(option), path_(path) {}
  // The system's reason for the last call that failed (errno).
  std::string system() const {
    return said(ConsoleMsg::Unusable, {systemError(language_, errno)});
  }
  std::string said(ConsoleMsg key, std::vector<std::string> more = {}) const {
    std::vector<std::string> values{option_, path_};
    values.insert(values.end(), more.begin(), more.end());
    return fillPlaceholders(message(language_, key), values);
  }

 private:
  Language language_;
  std::string option_;
  std::string path_;
};

std::string checkFolder(Language language, const char* option, const std::string& dir) {
  const Refusal refusal(language, option, dir);
  struct stat info {};
  if (stat(dir.c_str(), &info) != 0) return refusal.system();
  if (!S_ISDIR(info.st_mode)) return refusal.said(ConsoleMsg::NotAFolder);
  if (access(dir.c_str(), W_OK | X_OK) != 0) return refusal.system();
  return {};
}

// A file that is to be written: its folder must take it, and an existing
// one must be a writable file.
std::string checkWritable(Language language, const char* option, const std::string& path) {
  const Refusal refusal(language, option, path);
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  const std::string folder = parent.empty() ? "." : parent.string();
  struct stat info {};
  if (stat(path.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return refusal.said(ConsoleMsg::IsAFolder);
    if (access(path.c_str(), W_OK) != 0) return refusal.system();
    return {};
  }
  if (stat(folder.c_str(), &info) != 0) return refusal.system();
  if (!S_ISDIR(info.st_mode)) return refusal.said(ConsoleMsg::ParentNotAFolder, {folder});
  if (access(folder.c_str(), W_OK | X_OK) != 0) return refusal.system();
  return {};
}

std::string readWhole(Language language, const std::string& path, std::string& text) {
  const Refusal refusal(language, "--play", path);
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return refusal.said(ConsoleMsg::IsAFolder);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return refusal.system();
  char buffer[65536];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return refusal.said(ConsoleMsg::Unreadable);
  return {};
}

// Opens for writing; remembers whether the file is new so that a later
// failure can take it away again.
std::string create(Language language, const char* option, const std::string& path, UniqueFile& file, bool& made) {
  made = access(path.c_str(), F_OK) != 0;
  file.reset(std::fopen(path.c_str(), "wb"));
  if (!file) return Refusal(language, option, path).system();
  return {};
}

// The language MSA_LANG names, if it names one.
std::optional<Language> environmentLanguage() {
  const char* code = std::getenv("MSA_LANG");
  return code == nullptr ? std::nullopt : languageFromCode(code);
}

// The dialogue's language: --lang (checked with the other options), else
// MSA_LANG when set and not empty, else French. `said` is the language of
// the mistake.
std::string chooseLanguage(const CommandLine& options, Language& language, Language said) {
  if (!options.lang.empty()) {
    language = *languageFromCode(options.lang);
    return {};
  }
  const char* code = std::getenv("MSA_LANG");
  if (code == nullptr || *code == '\0') return {};
  const std::optional<Language> named = languageFromCode(code);
  if (!named) return fillPlaceholders(message(said, ConsoleMsg::UnknownEnvironmentLanguage), {code});
  language = *named;
  return {};
}

}  // namespace

std::string openStartFiles(const CommandLine& options, StartFiles& files, Language language) {
  std::string error;
  if (!options.pictures.empty()) error = checkFolder(language, "--pictures", options.pictures);
  if (error.empty() && !options.saveDir.empty()) error = checkFolder(language, "--save-dir", options.saveDir);
  if (error.empty() && !options.play.empty()) error = readWhole(language, options.play, files.playScript);
  if (error.empty() && !options.record.empty()) error = checkWritable(language, "--record", options.record);
  if (error.empty() && !options.csv.empty()) error = checkWritable(language, "--csv", options.csv);
  if (error.empty() && !options.csv.empty() && options.csv == options.record)
    error = fillPlaceholders(message(language, ConsoleMsg::SameAsRecord), {options.csv});
  if (!error.empty()) return error;

  bool recordMade = false;
  bool csvMade = false;
  if (!options.record.empty()) error = create(language, "--record", options.record, files.record, recordMade);
  if (error.empty() && !options.csv.empty()) error = create(language, "--csv", options.csv, files.csv, csvMade);
  if (error.empty()) return {};
  files.record.reset();
  files.csv.reset();
  if (recordMade) std::remove(options.record.c_str());
  if (csvMade) std::remove(options.csv.c_str());
  return error;
}

ProgramStart startProgram(ProgramKind program, int argc, char** argv) {
  const char* name = program == ProgramKind::Headless ? "msa-headless" : "msa";
  const std::vector<std::string> args(argv + 1, argv + argc);
  // The language of what is told here, before the options are read whole.
  const Language said = languageOfArguments(program, args).value_or(environmentLanguage().value_or(Language::French));
  ProgramStart start;
  ParsedCommandLine parsed = parseCommandLine(program, args, said);
  start.options = std::move(parsed.options);
  std::string error = std::move(parsed.error);
  if (error.empty() && start.options.help) {
    std::fputs(usageText(program, said).c_str(), stdout);
    start.exitNow = 0;
  } else if (error.empty() && start.options.version) {
    std::printf("%s %s\n", name, kMsaVersion);
    start.exitNow = 0;
  } else {
    if (error.empty()) error = chooseLanguage(start.options, start.language, said);
    if (error.empty()) error = openStartFiles(start.options, start.files, start.language);
    if (!error.empty()) {
      std::fprintf(stderr, "%s: %s\n", name, error.c_str());
      start.exitNow = 2;
    }
  }
  return start;
}

}  // namespace msa
