#include "diagram/curve_plotter.hpp"

#include <bit>

#include "data/constants.hpp"
#include "graphics/line.hpp"
#include "numeric/extended.hpp"

namespace msa {

namespace {

// The per-unit scales of the curves: 1.0 is 50 pi rad/s (1500 r/min), 50°
// of angle, and 11.31371 A.
float speedValue(float omegam) { return float((Extended(omegam) / pi) / 50.0f); }
float angleValue(float angle) { return float((Extended(angle) / pi) * 3.6); }
float currentValue(float Idc) { return float(Extended(Idc) / 11.31371); }

struct Curve {
  float CurveValues::*quantity;
  float (*value)(float);
  Colour colour;
};

constexpr Curve kCurves[] = {{&CurveValues::omegam, speedValue, Colour::LightRed},
                             {&CurveValues::mu, angleValue, Colour::LightMagenta},
                             {&CurveValues::xhi, angleValue, Colour::Yellow},
                             {&CurveValues::Idc, currentValue, Colour::White}};

}  // namespace

std::optional<PixelPoint> CurvePlotter::startPixel(int curve, float te, float quantity) const {
  const LastEnd& last = last_[curve];
  if (last.set && last.te == std::bit_cast<std::uint32_t>(te) &&
      last.value == std::bit_cast<std::uint32_t>(quantity))
    return last.pixel;
  return mapToPixel(window_, te, kCurves[curve].value(quantity));
}

void CurvePlotter::plot(Dialogue& d, const CurveValues& start, const CurveValues& end) {
  for (int i = 0; i < 4; ++i) {
    const Curve& c = kCurves[i];
    const std::optional<PixelPoint> a = startPixel(i, start.te, start.*c.quantity);
    const std::optional<PixelPoint> b = mapToPixel(window_, end.te, c.value(end.*c.quantity));
    last_[i] = LastEnd{true, std::bit_cast<std::uint32_t>(end.te),
                       std::bit_cast<std::uint32_t>(end.*c.quantity), b};
    d.setColour(c.colour);
    if (a && b) drawLine(d.screen().picture(), *a, *b, c.colour);
  }
}

}  // namespace msa
