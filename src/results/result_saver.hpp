#pragma once

#include <string>

#include "dialogue/messages.hpp"
#include "results/save_names.hpp"
#include "results/simulation_log.hpp"

namespace msa {

class Picture;

struct SaveOutcome {
  bool saved = false;
  // The names written, or what went wrong, as the title bar tells it.
  std::string message;
};

// Saves the results as they stand into one folder: the picture as
// NAME.png, the 4:3 view as NAME-4x3.png when it is on, and the last
// simulation run's data as NAME.csv when a run has been made. Each file is
// written under a temporary name in the same folder and renamed once all
// are complete, so a save is there whole or not at all.
class ResultSaver {
 public:
  ResultSaver(std::string folder, SimulationLog& log, SaveClock clock = localTimeNow,
              Language language = Language::French)
      : folder_(folder.empty() ? "." : std::move(folder)), log_(log), clock_(std::move(clock)), language_(language) {}

  SaveOutcome save(const Picture& picture, bool fourByThree) const;

 private:
  std::string folder_;
  SimulationLog& log_;
  SaveClock clock_;
  Language language_;
};

}  // namespace msa
