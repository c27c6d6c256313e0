#include "diagram/plot_step.hpp"

#include "diagram/curve_plotter.hpp"

namespace msa {

void plotStep(Dialogue& d, const WorldWindow& window, const CurveValues& start,
              const CurveValues& end) {
  CurvePlotter(window).plot(d, start, end);
}

}  // namespace msa
