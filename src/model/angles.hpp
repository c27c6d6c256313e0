#pragma once

#include <cstdint>

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"
#include "model/model_notices.hpp"
#include "numeric/extended.hpp"

namespace msa {

// The direction of (a, b) in [-pi/4, 7pi/4). A zero or not-a-number length
// is reported to `notices` and gives 0.
float argument(float a, float b, ModelNotices& notices);

// The cosine of a stored angle, remembered for the last angle seen: in a
// simulation the passes of a time step mostly end on the same
// single-precision alpha or xhi. The same bits give the same result, so
// nothing changes but the time.
class CosineMemo {
 public:
  Extended of(float angle);

 private:
  std::uint32_t lastBits_ = 0;
  Extended lastCos_ = 1;  // cos(+0), the value for bits 0
};

// What the angle resolution reads besides the device: the control, the
// lowest guard angle beta held fixed allows, the currents, the field flux
// and the coefficients x and y.
struct AngleResolutionInputs {
  const Control& control;
  float xhimin;
  const Currents& currents;
  float mfif;
  const CommutationCoefficients& commutation;
};

// The commutation flux vector, its norm and angle, and the angles of the
// converter for the control mode (beta held fixed up to 1.5, xhi held fixed
// above, from the xhi `angles` holds). Throws ModelStop when no admissible
// commutation exists; every value assigned before the failing check stays
// in `flux` and `angles`. The cosines come from `cosines`; without one, each
// is evaluated afresh.
void resolveAngles(const DeviceParameters& d, const AngleResolutionInputs& in, CommutationFlux& flux,
                   ConverterAngles& angles, ModelNotices& notices, CosineMemo& cosines);
void resolveAngles(const DeviceParameters& d, const AngleResolutionInputs& in, CommutationFlux& flux,
                   ConverterAngles& angles, ModelNotices& notices);

}  // namespace msa
