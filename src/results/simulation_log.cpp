#include "results/simulation_log.hpp"

#include <cstring>

#include "results/csv_rows.hpp"

SimulationLog::SimulationLog(std::FILE* csv) : csv_(csv) {
  if (csv_ == nullptr) return;
  write(kCsvHeader);
  if (std::fflush(csv_) != 0) failed_ = true;
}

SimulationLog::~SimulationLog() { runEnded(); }

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
  std::string text;
  text.reserve((points_.size() - written_) * 128);
  for (std::size_t i = written_; i < points_.size(); ++i) appendCsvRow(text, run_, points_[i]);
  written_ = points_.size();
  write(text);
  if (std::fflush(csv_) != 0) failed_ = true;
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
