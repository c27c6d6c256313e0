#pragma once

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"

namespace msa {

// Formulas that several studies and the model routines write alike.

// Torques a steady state and the dynamic equations share: omegam romegam,
// and the torque of the commutation flux vector with the dc current.
float frictionTorque(const DeviceParameters& d, float omegam);
float electromagneticTorque(const DeviceParameters& d, const CommutationCoefficients& c, const CommutationFlux& f,
                            float Idc);
// Radd, the damper resistance referred through M/Lr once.
float damperResistance(const DeviceParameters& d, float coeffradd);

// Firing angles from a guard angle held fixed: alpha1 = mu2 + xhi (the
// middle of the overlap) and alpha = mu + xhi.
struct FiringAngles {
  float alpha1, alpha;
};
FiringAngles firingAnglesFromGuard(const ConverterAngles& a);
// The firing angle from a firing advance angle held fixed and the flux
// angle delta: (beta - 5 pi/6) - delta.
float firingAngleFromAdvance(float beta, float delta);
// nu = (pi/2 + xhi) + mu2.
float overlapCentreAngle(float xhi, float mu2);

}  // namespace msa
