#include "results/simulation_log.hpp"

#include <cstring>

#include "results/csv_rows.hpp"

SimulationLog::SimulationLog(std::FILE* csv) : csv_(csv) {
  if (csv_ == nullptr) return;
  write(kCsvHeader);
  if (std::fflush(csv_) != 0) failed_ = true;
}

SimulationLog::~SimulationLog() {
  runEnded();
  finishWriting();
}

void SimulationLog::runStarted(const StepPoint& start) {
  runEnded();  // a run that never said it ended loses nothing
  ++run_;
  points_.clear();
  written_ = 0;
  points_.push_back(start);
}

void SimulationLog::stepDone(const StepPoint&, const StepPoint& end) { points_.push_back(end); }

void SimulationLog::runEnded() {
  if (csv_ == nullptr || written_ == points_.size()) return;
  finishWriting();  // the rows before these go first
  std::vector<StepPoint> rows(points_.begin() + static_cast<std::ptrdiff_t>(written_), points_.end());
  written_ = points_.size();
  writer_ = std::thread([this, rows = std::move(rows), run = run_] {
    std::string text;
    text.reserve(rows.size() * 128);
    for (const StepPoint& row : rows) appendCsvRow(text, run, row);
    write(text);
    if (std::fflush(csv_) != 0) failed_ = true;
  });
}

bool SimulationLog::writeFailed() {
  finishWriting();
  return failed_;
}

void SimulationLog::finishWriting() {
  if (writer_.joinable()) writer_.join();
}

std::string SimulationLog::lastRunCsv() const {
  std::string text = kCsvHeader;
  text.reserve(points_.size() * 128);
  for (const StepPoint& point : points_) appendCsvRow(text, run_, point);
  return text;
}

void SimulationLog::write(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), csv_) != text.size()) failed_ = true;
}
