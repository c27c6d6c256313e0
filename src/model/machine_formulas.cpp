#include "model/machine_formulas.hpp"

#include "data/constants.hpp"
#include "numeric/extended.hpp"

namespace msa {

float frictionTorque(const DeviceParameters& d, float omegam) { return float(Extended(omegam) * d.romegam); }

float electromagneticTorque(const DeviceParameters& d, const CommutationCoefficients& c, const CommutationFlux& f,
                            float Idc) {
  return float((((-Extended(c.y)) * f.psidc - Extended(f.psiqc) * c.x) * d.p) * Idc);
}

float damperResistance(const DeviceParameters& d, float coeffradd) {
  return float(((Extended(d.M) * d.rA) / d.Lr) * coeffradd);
}

FiringAngles firingAnglesFromGuard(const ConverterAngles& a) {
  return {float(Extended(a.mu2) + a.xhi), float(Extended(a.mu) + a.xhi)};
}

float firingAngleFromAdvance(float beta, float delta) {
  return float((Extended(beta) - (5.0f * Extended(pi)) / 6.0f) - delta);
}

float overlapCentreAngle(float xhi, float mu2) { return float(((Extended(pi) / 2.0f) + xhi) + mu2); }

}  // namespace msa
