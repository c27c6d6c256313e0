#pragma once

#include <cstdint>

#include "data/machine_data.hpp"
#include "numeric/extended.hpp"

namespace msa {

// The sines, cosines and tangents of the angles that the commutation and
// angle coefficients use, each evaluated once: the formulas name cos(nu)
// alone six times, and the trigonometry costs more than the rest of the
// arithmetic. Values are those of model/extended_trig, so the coefficients
// come out exactly as if each formula called the function itself.
struct AngleTrig {
  Extended cosMu2, sinMu2, sinMu;
  Extended cosNu, sinNu, tanNu;
  Extended cosRau, sinRau;
  Extended cosSum, sinSum;    // of nu + rau
  Extended cosDiff, sinDiff;  // of rau - nu

  static AngleTrig of(const MachineData& m);
};

// Remembers the values of the last angles seen. The corrector passes of a
// time step mostly end on the same single-precision angles as the pass
// before, so most evaluations of a simulation find their angles here.
class AngleTrigMemo {
 public:
  const AngleTrig& of(const MachineData& m);

 private:
  AngleTrig trig_{};
  bool filled_ = false;
  std::uint32_t mu2_ = 0, mu_ = 0, nu_ = 0, rau_ = 0;
};

}  // namespace msa
