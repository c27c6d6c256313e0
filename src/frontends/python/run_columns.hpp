#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/simulation_observer.hpp"

namespace msa::python {

// A run's rows as the data file holds them, one column each: the starting
// point, then the end of every step; the speed in r/min and the angles in
// degrees, converted as the data file converts them (so that the floats are
// those its 9 digits read back as).
class RunColumns : public SimulationObserver {
 public:
  explicit RunColumns(std::size_t expectedRows);
  void runStarted(const StepPoint& start) override { append(start); }
  void stepDone(const StepPoint&, const StepPoint& end) override { append(end); }
  void runEnded() override {}

  std::size_t rows() const { return te.size(); }
  std::vector<float> te, speed, idc, mu, xhi, beta, udc, cem;

 private:
  void append(const StepPoint& p);
};

}  // namespace msa::python
