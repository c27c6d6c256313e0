#pragma once

#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "model/simulation_observer.hpp"

namespace msa {

// A file for scratch data: anonymous, or named when the C library could not
// make an anonymous one.
struct ScratchFile {
  std::FILE* file = nullptr;
  std::filesystem::path path;
};

// Keeps the rows of the last simulation run for a save, and writes every
// run's rows to the data file when one is given. Steps are gathered in
// chunks; each full chunk, and the rest at the end of a run however it ends,
// is turned into text by a thread of its own, so that neither the run nor the
// dialogue after it waits for the digits. The text goes to the data file and
// to a scratch file holding the last run, so that a run of millions of steps
// needs no more memory than a chunk. Each run's rows are in the data file,
// flushed, before the next run's are written and before the log is gone.
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
  // Writes the header and the rows of the last run (so far, during a run).
  bool copyLastRun(std::FILE* out);
  // Whether writing to the data file has failed (disk full...), once
  // everything so far is written.
  bool writeFailed();

 private:
  void handOver(bool endOfRun);
  void finishWriting();

  std::FILE* csv_;
  ScratchFile lastRun_;  // the last run's rows as text
  int run_ = 0;
  std::vector<StepPoint> pending_;  // rows not yet handed to the writer
  bool failed_ = false;             // set by the writer, read after joining it
  std::thread writer_;
};

}  // namespace msa
