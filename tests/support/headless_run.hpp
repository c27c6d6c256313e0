#pragma once

// Runs msa-headless on a key script and splits its transcript into screens.

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace msa {

struct HeadlessRun {
  std::vector<std::vector<std::string>> screens;  // 25 rows per awaited answer line
  std::string ending;                             // "=== exit 0" or "=== end of input"
  int status = -1;

  const std::vector<std::string>& last() const { return screens.back(); }
  // The first screen (from `from` on) with a row containing `text`, or -1.
  int find(const std::string& text, int from = 0) const {
    for (int i = from; i < static_cast<int>(screens.size()); ++i)
      for (const auto& row : screens[static_cast<std::size_t>(i)])
        if (row.find(text) != std::string::npos) return i;
    return -1;
  }
  // The row of screen `index` that starts with `prefix` ("" if none).
  std::string rowStartingWith(int index, const std::string& prefix) const {
    for (const auto& row : screens.at(static_cast<std::size_t>(index)))
      if (row.rfind(prefix, 0) == 0) return row;
    return "";
  }
};

inline HeadlessRun runHeadless(const std::string& script, const std::string& picturesDir = "") {
  const auto dir = std::filesystem::temp_directory_path();
  const auto input = dir / ("msa-keys-" + std::to_string(::getpid()) + ".txt");
  std::ofstream(input, std::ios::binary) << script;
  std::string command = std::string(MSA_HEADLESS) + (picturesDir.empty() ? "" : " --pictures " + picturesDir) +
                        " < " + input.string();
  HeadlessRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::string line;
  char buffer[4096];
  std::vector<std::string> lines;
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    line += buffer;
    if (!line.empty() && line.back() == '\n') {
      line.pop_back();
      lines.push_back(line);
      line.clear();
    }
  }
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::filesystem::remove(input);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind("=== read ", 0) == 0) {
      run.screens.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(i + 1),
                               lines.begin() + static_cast<std::ptrdiff_t>(std::min(i + 26, lines.size())));
      i += 25;
    } else if (lines[i].rfind("=== ", 0) == 0) {
      run.ending = lines[i];
    }
  }
  return run;
}


// Enter pressed n times.
inline std::string enters(int n) { return std::string(static_cast<std::size_t>(n), '\n'); }

// The keys from start-up to the first main menu with every default kept:
// title pause, ten prompts, data-entry pause, five operating-point prompts and
// the pause, the chapter-1 pause, the iteration choice and the results pause.
inline const std::string kToFirstMenu = enters(1 + 10 + 1 + 5 + 1 + 1 + 1 + 1);

}  // namespace msa
