#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "diagram/world_window.hpp"
#include "dialogue/dialogue.hpp"

namespace msa {

// The values of the four curves at one instant.
struct CurveValues {
  float te;      // s
  float omegam;  // rad/s
  float mu;      // rad
  float xhi;     // rad
  float Idc;     // A
};

// Draws the four curves step after step: one segment of each curve from the
// start to the end of a time step, speed in colour 12, mu in 13, xhi in 14,
// current in 15 (the colour left afterwards); a curve whose value at either
// end is not finite gets no segment. A step starts where the one before
// ended, so the pixel of its start is the one already worked out for that
// end: each point of a run is mapped once. The same values give the same
// pixel, so the picture does not depend on the steps drawn before.
class CurvePlotter {
 public:
  explicit CurvePlotter(const WorldWindow& window) : window_(window) {}
  void plot(Dialogue& d, const CurveValues& start, const CurveValues& end);

 private:
  struct LastEnd {
    bool set = false;
    std::uint32_t te = 0, value = 0;  // the bits of the time and of the curve's quantity
    std::optional<PixelPoint> pixel;
  };
  std::optional<PixelPoint> startPixel(int curve, float te, float quantity) const;

  WorldWindow window_;
  std::array<LastEnd, 4> last_{};
};

}  // namespace msa
