#include "results/result_saver.hpp"

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <vector>

#include "graphics/picture.hpp"
#include "results/four_by_three.hpp"
#include "results/png_file.hpp"

namespace msa {

namespace {

using Writer = std::function<bool(std::FILE*)>;

struct Part {
  std::string name;  // in the folder
  Writer write;
  std::string temporary;
};

// The folder as the user can find it: by its full path, "." included.
std::string fullPath(const std::string& folder) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(folder, error);
  if (error) return folder;
  path = path.lexically_normal();
  if (!path.has_filename() && path != path.root_path()) path = path.parent_path();
  return path.string();
}

std::string reason(Language language, int error, const std::string& where) {
  const std::string folder = fullPath(where);
  switch (error) {
#ifdef EDQUOT
    case EDQUOT:
#endif
    case ENOSPC: return std::string(message(language, Msg::DiskFull));
    case EACCES:
    case EPERM:
    case EROFS: return fillPlaceholders(message(language, Msg::NoRightToWrite), {folder});
    case ENOENT: return fillPlaceholders(message(language, Msg::FolderMissing), {folder});
    default: return systemError(language, error);
  }
}

// A name taken by anything, a dangling link included.
bool exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found;
}

// A new file that did not exist before, for writing bytes; the permissions
// are those of any new file.
std::FILE* createNew(const std::string& path) {
#ifdef _WIN32
  const int fd = _open(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
  return fd < 0 ? nullptr : _fdopen(fd, "wb");
#else
  const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
  return fd < 0 ? nullptr : fdopen(fd, "wb");
#endif
}

// A temporary file in the folder under a name nobody else has.
std::FILE* createTemporary(const std::string& folder, std::string& name) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
    name = folder + "/.msa-save-" + suffix;
    if (std::FILE* file = createNew(name)) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

// Writes one part under a temporary name; errno tells why it failed.
bool writeTemporary(const std::string& folder, Part& part) {
  std::string name;
  std::FILE* file = createTemporary(folder, name);
  if (file == nullptr) return false;
  part.temporary = name;
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
    return {true, fillPlaceholders(message(language_, Msg::Saved), {names})};
  }
  // Nothing half done: neither temporary files nor part of the save stay.
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string& path = i < renamed ? folder_ + "/" + parts[i].name : parts[i].temporary;
    if (!path.empty()) std::remove(path.c_str());
  }
  return {false, fillPlaceholders(message(language_, Msg::SaveFailed), {reason(language_, error, folder_)})};
}

}  // namespace msa
