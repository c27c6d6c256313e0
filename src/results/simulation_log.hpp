#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "studies/simulation_observer.hpp"

// Keeps the steps of the last simulation run for a save, and writes every
// run's rows to the data file when one is given. The steps are kept as
// they come and written out as text at the end of each run, however it
// ends, so that the run itself does nothing but remember them.
class SimulationLog : public SimulationObserver {
 public:
  // The header is written at once to a given file; the log does not own it.
  explicit SimulationLog(std::FILE* csv = nullptr);
  ~SimulationLog() override;
  SimulationLog(const SimulationLog&) = delete;
  SimulationLog& operator=(const SimulationLog&) = delete;

  void runStarted(const StepPoint& start) override;
  void stepDone(const StepPoint& start, const StepPoint& end) override;
  void runEnded() override;

  // Whether a run has started since start-up.
  bool hasRun() const { return run_ > 0; }
  // The header and the rows of the last run.
  std::string lastRunCsv() const;
  // Whether writing to the data file has failed (disk full...).
  bool writeFailed() const { return failed_; }

 private:
  void write(const std::string& text);

  std::FILE* csv_;
  int run_ = 0;
  std::vector<StepPoint> points_;  // the last run's starting state and steps
  std::size_t written_ = 0;        // of points_, already in the data file
  bool failed_ = false;
};
