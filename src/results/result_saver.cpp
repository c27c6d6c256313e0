#include "results/result_saver.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "graphics/picture.hpp"
#include "results/four_by_three.hpp"
#include "results/png_file.hpp"

namespace {

using Writer = std::function<bool(std::FILE*)>;

struct Part {
  std::string name;  // in the folder
  Writer write;
  std::string temporary;
};

std::string reason(int error, const std::string& folder) {
  switch (error) {
    case ENOSPC:
    case EDQUOT: return "disque plein";
    case EACCES:
    case EPERM:
    case EROFS: return "pas le droit d'écrire dans " + folder;
    case ENOENT: return "dossier " + folder + " introuvable";
    default: return std::strerror(error);
  }
}

bool exists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

// Writes one part under a temporary name; errno tells why it failed.
bool writeTemporary(const std::string& folder, Part& part) {
  std::string name = folder + "/.msa-save-XXXXXX";
  const int fd = mkstemp(name.data());
  if (fd < 0) return false;
  part.temporary = name;
  fchmod(fd, 0644);  // as an ordinary new file would be
  std::FILE* file = fdopen(fd, "wb");
  if (file == nullptr) {
    const int error = errno;
    close(fd);
    errno = error;
    return false;
  }
  errno = 0;
  const bool written = part.write(file);
  const int error = errno;
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return true;
  errno = error != 0 ? error : EIO;
  return false;
}

}  // namespace

SaveOutcome ResultSaver::save(const Picture& picture, bool fourByThree) const {
  const std::string stem = freeSaveStem(clock_(), [&](const std::string& s) {
    return exists(folder_ + "/" + s + ".png") || exists(folder_ + "/" + s + "-4x3.png") ||
           exists(folder_ + "/" + s + ".csv");
  });
  std::vector<Part> parts;
  parts.push_back({stem + ".png", [&](std::FILE* f) { return writePicturePng(f, picture); }, {}});
  if (fourByThree) {
    parts.push_back({stem + "-4x3.png", [&](std::FILE* f) {
                       return writeRgbPng(f, kFourByThreeWidth, kFourByThreeHeight, fourByThreeRgb(picture));
                     }, {}});
  }
  if (log_.hasRun()) {
    parts.push_back({stem + ".csv", [&](std::FILE* f) { return log_.copyLastRun(f) && std::fflush(f) == 0; }, {}});
  }
  int error = 0;
  for (Part& part : parts) {
    if (writeTemporary(folder_, part)) continue;
    error = errno;
    break;
  }
  std::size_t renamed = 0;
  while (error == 0 && renamed < parts.size()) {
    const Part& part = parts[renamed];
    if (std::rename(part.temporary.c_str(), (folder_ + "/" + part.name).c_str()) != 0) {
      error = errno;
      break;
    }
    ++renamed;
  }
  if (error == 0) {
    std::string names;
    for (const Part& part : parts) names += (names.empty() ? "" : ", ") + part.name;
    return {true, "enregistré : " + names};
  }
  // Nothing half done: neither temporary files nor part of the save stay.
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string& path = i < renamed ? folder_ + "/" + parts[i].name : parts[i].temporary;
    if (!path.empty()) std::remove(path.c_str());
  }
  return {false, "enregistrement impossible : " + reason(error, folder_)};
}
