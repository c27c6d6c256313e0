#include "engine/steady_state.hpp"

#include "model/machine_formulas.hpp"
#include "numeric/extended.hpp"

namespace msa {

void steadyStateFluxes(const DeviceParameters& d, DriveState& s) {
  const CommutationCoefficients& c = s.commutation;
  const float Idc = s.currents.Idc;
  s.fluxes.psid = float(((Extended(c.x) * d.M) * Idc) + s.mfif);
  s.fluxes.psiq = float(((-Extended(d.M)) * c.y) * Idc);
  s.fluxes.psi =
      float(((Extended(s.flux.psidc) * c.x) + ((Extended(c.z) * d.lc) + d.ldc) * Idc) - Extended(s.flux.psiqc) * c.y);
}

void balancingExcitation(const DeviceParameters& d, DriveState& s) {
  const CommutationCoefficients& c = s.commutation;
  s.terms.Radd = float(((((Extended(d.M) * d.rA) / d.Lr) * d.M) / d.Lr) * c.coeffradd);
  const float q =
      float((-(Extended(s.udc) - (((Extended(c.z) * d.r) + d.rdc) + s.terms.Radd) * s.currents.Idc)) / s.omega);
  s.mfif = float(Extended(q) / c.y);
}

void torqueCurrent(const DeviceParameters& d, DriveState& s) {
  const CommutationCoefficients& c = s.commutation;
  s.terms.Radd = damperResistance(d, c.coeffradd);
  s.currents.Idc =
      float(Extended(s.terms.Cem) / ((((-Extended(c.y)) * s.flux.psidc - Extended(s.flux.psiqc) * c.x) * d.p)));
}

float steadySupplyVoltage(const DeviceParameters& d, const DriveState& s) {
  const CommutationCoefficients& c = s.commutation;
  return float((((Extended(c.z) * d.r) + d.rdc) + s.terms.Radd) * s.currents.Idc +
               ((-Extended(s.omega)) * c.y) * s.mfif);
}

}  // namespace msa
