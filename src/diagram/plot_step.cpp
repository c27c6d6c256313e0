#include "diagram/curve_plotter.hpp"
#include "diagram/transient_diagram.hpp"

void plotStep(Dialogue& d, const WorldWindow& window, const CurveValues& start,
              const CurveValues& end) {
  CurvePlotter(window).plot(d, start, end);
}
