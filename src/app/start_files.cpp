#include "app/start_files.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "msa_version.hpp"

namespace msa {

namespace {

std::string reason() { return std::strerror(errno); }

std::string checkFolder(const char* option, const std::string& dir) {
  struct stat info {};
  if (stat(dir.c_str(), &info) != 0) return std::string(option) + " " + dir + ": " + reason();
  if (!S_ISDIR(info.st_mode)) return std::string(option) + " " + dir + ": not a folder";
  if (access(dir.c_str(), W_OK | X_OK) != 0) return std::string(option) + " " + dir + ": " + reason();
  return {};
}

// A file that is to be written: its folder must take it, and an existing
// one must be a writable file.
std::string checkWritable(const char* option, const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  const std::string folder = parent.empty() ? "." : parent.string();
  struct stat info {};
  if (stat(path.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return std::string(option) + " " + path + ": is a folder";
    if (access(path.c_str(), W_OK) != 0) return std::string(option) + " " + path + ": " + reason();
    return {};
  }
  if (stat(folder.c_str(), &info) != 0) return std::string(option) + " " + path + ": " + reason();
  if (!S_ISDIR(info.st_mode)) return std::string(option) + " " + path + ": " + folder + " is not a folder";
  if (access(folder.c_str(), W_OK | X_OK) != 0) return std::string(option) + " " + path + ": " + reason();
  return {};
}

std::string readWhole(const std::string& path, std::string& text) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return "--play " + path + ": is a folder";
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return "--play " + path + ": " + reason();
  char buffer[65536];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return "--play " + path + ": cannot be read";
  return {};
}

// Opens for writing; remembers whether the file is new so that a later
// failure can take it away again.
std::string create(const char* option, const std::string& path, UniqueFile& file, bool& made) {
  made = access(path.c_str(), F_OK) != 0;
  file.reset(std::fopen(path.c_str(), "wb"));
  if (!file) return std::string(option) + " " + path + ": " + reason();
  return {};
}

// The dialogue's language: --lang (checked with the other options), else
// MSA_LANG when set and not empty, else French.
std::string chooseLanguage(const CommandLine& options, Language& language) {
  if (!options.lang.empty()) {
    language = *languageFromCode(options.lang);
    return {};
  }
  const char* code = std::getenv("MSA_LANG");
  if (code == nullptr || *code == '\0') return {};
  const std::optional<Language> named = languageFromCode(code);
  if (!named) return std::string("MSA_LANG: unknown language '") + code + "' (fr or en)";
  language = *named;
  return {};
}

}  // namespace

std::string openStartFiles(const CommandLine& options, StartFiles& files) {
  std::string error;
  if (!options.pictures.empty()) error = checkFolder("--pictures", options.pictures);
  if (error.empty() && !options.saveDir.empty()) error = checkFolder("--save-dir", options.saveDir);
  if (error.empty() && !options.play.empty()) error = readWhole(options.play, files.playScript);
  if (error.empty() && !options.record.empty()) error = checkWritable("--record", options.record);
  if (error.empty() && !options.csv.empty()) error = checkWritable("--csv", options.csv);
  if (error.empty() && !options.csv.empty() && options.csv == options.record)
    error = "--csv " + options.csv + ": the --record file too";
  if (!error.empty()) return error;

  bool recordMade = false;
  bool csvMade = false;
  if (!options.record.empty()) error = create("--record", options.record, files.record, recordMade);
  if (error.empty() && !options.csv.empty()) error = create("--csv", options.csv, files.csv, csvMade);
  if (error.empty()) return {};
  files.record.reset();
  files.csv.reset();
  if (recordMade) std::remove(options.record.c_str());
  if (csvMade) std::remove(options.csv.c_str());
  return error;
}

ProgramStart startProgram(ProgramKind program, int argc, char** argv) {
  const char* name = program == ProgramKind::Headless ? "msa-headless" : "msa";
  ProgramStart start;
  ParsedCommandLine parsed = parseCommandLine(program, {argv + 1, argv + argc});
  start.options = std::move(parsed.options);
  std::string error = std::move(parsed.error);
  if (error.empty() && start.options.help) {
    std::fputs(usageText(program).c_str(), stdout);
    start.exitNow = 0;
  } else if (error.empty() && start.options.version) {
    std::printf("%s %s\n", name, kMsaVersion);
    start.exitNow = 0;
  } else {
    if (error.empty()) error = chooseLanguage(start.options, start.language);
    if (error.empty()) error = openStartFiles(start.options, start.files);
    if (!error.empty()) {
      std::fprintf(stderr, "%s: %s\n", name, error.c_str());
      start.exitNow = 2;
    }
  }
  return start;
}

}  // namespace msa
