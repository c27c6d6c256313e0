#pragma once

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"
#include "model/angle_trig.hpp"

namespace msa {

// Idc, iD and iQ from the fluxes psi, psid and psiq and the field flux, with
// the x, y and z of the previous evaluation.
Currents solveCurrents(const DeviceParameters& d, const StateFluxes& f, float mfif, const CommutationCoefficients& c);
// Throws ModelStop when Idc is not >= 0 (a negative zero passes,
// not-a-number stops).
void checkCurrent(const Currents& i);

// How x, y and z vary with the overlap mu and with the angle nu, from the
// angles, their trigonometry and the cosine and sine of half the overlap.
AngleCoefficients angleCoefficients(const ConverterAngles& a, const CommutationCoefficients& c, const AngleTrig& t);

// Radd, the four voltage terms of the armature circuit and their sum ue, the
// electromagnetic torque Cem and the friction torque Cfrot, from the state
// as it stands (its angle coefficients, flux vector, coefficients, currents,
// speeds and rates).
VoltagesAndTorques voltagesAndTorques(const DeviceParameters& d, const DriveState& s);

}  // namespace msa
