#include "diagram/plot_step.hpp"

#include "data/machine_data.hpp"
#include "diagram/line.hpp"

using LD = long double;

namespace {

// The per-unit scales of the curves: 1.0 is 50 pi rad/s (1500 r/min), 50°
// of angle, and 11.31371 A.
float speedValue(float omegam) { return float((LD(omegam) / pi) / 50.0f); }
float angleValue(float angle) { return float((LD(angle) / pi) * 3.6); }
float currentValue(float Idc) { return float(LD(Idc) / 11.31371); }

void plotCurve(Dialogue& d, const WorldWindow& window, Colour colour, float te0,
               float value0, float te, float value) {
  d.setColour(colour);
  drawLine(d.screen(), window, te0, value0, te, value);
}

}  // namespace

void plotStep(Dialogue& d, const WorldWindow& window, const CurveValues& start,
              const CurveValues& end) {
  plotCurve(d, window, Colour::LightRed, start.te, speedValue(start.omegam), end.te, speedValue(end.omegam));
  plotCurve(d, window, Colour::LightMagenta, start.te, angleValue(start.mu), end.te, angleValue(end.mu));
  plotCurve(d, window, Colour::Yellow, start.te, angleValue(start.xhi), end.te, angleValue(end.xhi));
  plotCurve(d, window, Colour::White, start.te, currentValue(start.Idc), end.te, currentValue(end.Idc));
}
