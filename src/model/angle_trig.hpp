#pragma once

#include <cstdint>

#include "data/drive_state.hpp"
#include "numeric/extended.hpp"

namespace msa {

// The sines, cosines and tangents of the angles that the commutation and
// angle coefficients use, each evaluated once: the formulas name cos(nu)
// alone six times, and the trigonometry costs more than the rest of the
// arithmetic. Values are those of the numeric layer's trigonometry, so the
// coefficients come out exactly as if each formula called the function itself.
struct AngleTrig {
  Extended cosMu2, sinMu2, sinMu;
  Extended cosNu, sinNu, tanNu;
  Extended cosRau, sinRau;
  Extended cosSum, sinSum;    // of nu + rau
  Extended cosDiff, sinDiff;  // of rau - nu

  static AngleTrig of(const ConverterAngles& a);
};

// Remembers the values of the last angles seen. The corrector passes of a
// time step mostly end on the same single-precision angles as the pass
// before, so most evaluations of a simulation find their angles here.
class AngleTrigMemo {
 public:
  const AngleTrig& of(const ConverterAngles& a);

 private:
  AngleTrig trig_{};
  bool filled_ = false;
  std::uint32_t mu2_ = 0, mu_ = 0, nu_ = 0, rau_ = 0;
};

}  // namespace msa
