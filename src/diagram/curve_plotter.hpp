#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "diagram/plot_step.hpp"
#include "diagram/world_window.hpp"
#include "dialogue/dialogue.hpp"

namespace msa {

// Draws the four curves step after step. A step starts where the one before
// ended, so the pixel of its start is the one already worked out for that
// end: each point of a run is mapped once. The same values give the same
// pixel, so the picture is the one plotStep draws step by step.
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
