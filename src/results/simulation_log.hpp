#pragma once

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "studies/simulation_observer.hpp"

// Keeps the steps of the last simulation run for a save, and writes every
// run's rows to the data file when one is given. The steps are kept as
// they come; at the end of each run, however it ends, they are turned into
// text and written out by a thread of their own, so that neither the run
// nor the dialogue after it waits for the digits. Each run's rows are in
// the file, flushed, before the next run's are written and before the log
// is gone.
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
  // Whether writing to the data file has failed (disk full...), once
  // everything so far is written.
  bool writeFailed();

 private:
  void finishWriting();
  void write(const std::string& text);

  std::FILE* csv_;
  int run_ = 0;
  std::vector<StepPoint> points_;  // the last run's starting state and steps
  std::size_t written_ = 0;        // of points_, already in the data file
  bool failed_ = false;            // set by the writer, read after joining it
  std::thread writer_;
};
