#pragma once

// One time step drawn on its own: a plotter that has drawn nothing before.

#include "diagram/curve_plotter.hpp"

namespace msa {

inline void plotStep(Dialogue& d, const WorldWindow& window, const CurveValues& start, const CurveValues& end) {
  CurvePlotter(window).plot(d, start, end);
}

}  // namespace msa
