#include "results/save_names.hpp"

#include <cstdio>

namespace msa {

std::tm localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local;
}

std::string saveStem(const std::tm& time) {
  char text[64];
  std::snprintf(text, sizeof text, "msa-%04d%02d%02d-%02d%02d%02d", time.tm_year + 1900, time.tm_mon + 1,
                time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
  return text;
}

std::string freeSaveStem(const std::tm& time, const std::function<bool(const std::string&)>& taken) {
  const std::string stem = saveStem(time);
  if (!taken(stem)) return stem;
  for (int n = 2;; ++n) {
    const std::string numbered = stem + "-" + std::to_string(n);
    if (!taken(numbered)) return numbered;
  }
}

}  // namespace msa
