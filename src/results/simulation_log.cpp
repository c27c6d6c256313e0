#include "results/simulation_log.hpp"

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "results/csv_rows.hpp"

namespace msa {

namespace {

// Rows gathered before they are turned into text: a few megabytes at most.
constexpr std::size_t kChunkRows = 1 << 16;

bool writeAll(std::FILE* file, const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

// Where the C library cannot make an anonymous one (some put it in the root
// folder of the drive, which a user may not write), a named file in the
// system's temporary folder, removed when closed.
ScratchFile openScratchFile() {
  if (std::FILE* anonymous = std::tmpfile()) return {anonymous, {}};
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) return {};
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path path =
        folder / ("msa-run-" + std::to_string(std::random_device{}()) + ".csv.tmp");
    if (std::filesystem::exists(path, error)) continue;
    if (std::FILE* named = std::fopen(path.string().c_str(), "w+b")) return {named, path};
  }
  return {};
}

// Whether this system starts threads at all (a browser page without
// cross-origin isolation has none): asked once, by starting one.
bool threadsAvailable() {
  static const bool available = [] {
    try {
      std::thread([] {}).join();
      return true;
    } catch (const std::system_error&) {
      return false;
    }
  }();
  return available;
}

void closeScratchFile(ScratchFile& scratch) {
  if (scratch.file == nullptr) return;
  std::fclose(scratch.file);
  std::error_code ignored;
  if (!scratch.path.empty()) std::filesystem::remove(scratch.path, ignored);
  scratch = {};
}

}  // namespace

SimulationLog::SimulationLog(std::FILE* csv) : csv_(csv) {
  if (csv_ == nullptr) return;
  if (!writeAll(csv_, kCsvHeader) || std::fflush(csv_) != 0) failed_ = true;
}

SimulationLog::~SimulationLog() {
  runEnded();
  finishWriting();
  closeScratchFile(lastRun_);
}

void SimulationLog::runStarted(const StepPoint& start) {
  runEnded();  // a run that never said it ended loses nothing
  finishWriting();
  ++run_;
  closeScratchFile(lastRun_);
  lastRun_ = openScratchFile();  // without one, a save has the header only
  pending_.clear();
  pending_.push_back(start);
}

void SimulationLog::stepDone(const StepPoint&, const StepPoint& end) {
  pending_.push_back(end);
  if (pending_.size() >= kChunkRows) handOver(false);
}

void SimulationLog::runEnded() {
  if (!pending_.empty()) handOver(true);
}

void SimulationLog::handOver(bool endOfRun) {
  finishWriting();  // the rows before these go first
  auto write = [this, rows = std::move(pending_), run = run_, endOfRun] {
    std::string text;
    text.reserve(rows.size() * 128);
    for (const StepPoint& row : rows) appendCsvRow(text, run, row);
    if (lastRun_.file != nullptr) writeAll(lastRun_.file, text);
    if (csv_ == nullptr) return;
    if (!writeAll(csv_, text) || (endOfRun && std::fflush(csv_) != 0)) failed_ = true;
  };
  if (threadsAvailable()) {
    writer_ = std::thread(std::move(write));
  } else {
    write();  // without threads, the rows are written before the run goes on
  }
  pending_ = {};
  pending_.reserve(endOfRun ? 0 : kChunkRows);
}

bool SimulationLog::copyLastRun(std::FILE* out) {
  finishWriting();
  bool ok = writeAll(out, kCsvHeader);
  if (std::FILE* rows = lastRun_.file) {
    ok = ok && std::fflush(rows) == 0 && std::fseek(rows, 0, SEEK_SET) == 0;
    char buffer[1 << 16];
    std::size_t n = 0;
    while (ok && (n = std::fread(buffer, 1, sizeof buffer, rows)) > 0) ok = std::fwrite(buffer, 1, n, out) == n;
    ok = std::fseek(rows, 0, SEEK_END) == 0 && ok;
  }
  std::string text;  // the rows of a run still going on, not yet handed over
  for (const StepPoint& row : pending_) appendCsvRow(text, run_, row);
  return writeAll(out, text) && ok;
}

bool SimulationLog::writeFailed() {
  finishWriting();
  return failed_;
}

void SimulationLog::finishWriting() {
  if (writer_.joinable()) writer_.join();
}

}  // namespace msa
