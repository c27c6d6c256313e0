#pragma once

#include <optional>

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"
#include "engine/steady_iterations.hpp"
#include "engine/study_stop.hpp"

namespace msa {

// The steady state whose supply voltage is sought, as the study's prompts
// leave it (angles in rad, speed in rad/s: see prompt_units.hpp).
struct SupplyVoltageInputs {
  float omegam;       // mechanical speed, rad/s
  float Cmec;         // shaft torque, Nm
  float mfif;         // field flux mf if, Wb
  float ControlMode;  // below 1.5: beta held fixed; else xhi held fixed
  float reference;    // the angle held: betaref or xhiref, rad
  float mu;           // first estimate of the overlap, rad
  float delta;        // first estimate of the flux vector's angle, rad
};
// What the prompts offer, as stored (a prompt converts it for showing): the
// state's own values, the reference being the state's beta or xhi as the
// control mode chooses.
SupplyVoltageInputs supplyVoltageDefaults(const DriveState& s, float ControlMode);
// Whether the prompts ask for the firing advance angle beta (a control mode
// below 1.5) rather than the guard angle xhi. The angle resolution itself
// holds beta up to 1.5 included.
bool asksForBeta(float ControlMode);

// The torques the requested state needs, printed before the field flux is
// asked: the electrical speed, the friction torque and loss, and the
// electromagnetic torque Cfrot + Cmec.
struct RequestedTorques {
  float omega;         // rad/s
  float Cfrot;         // Nm
  float frictionLoss;  // omegam Cfrot, W
  float Cem;           // Nm
};
RequestedTorques requestedTorques(const DeviceParameters& d, float omegam, float Cmec);
// The field emf omega mf if, printed before the control mode is asked.
float fieldEmf(float omega, float mfif);

// The supply voltage and fluxes of the steady state reached.
struct SupplyVoltageResults {
  float udc;              // the supply voltage needed, which becomes Udc, V
  float psid, psiq, psi;  // Wb
};

// Menu U: the dc supply voltage that sustains a steady state given by speed,
// shaft torque and field flux, with beta or xhi held fixed: NITER passes
// that find the current giving the torque, then the supply voltage and the
// fluxes a following simulation starts from.
struct SupplyVoltageStudy {
  RequestedTorques torques;
  float Ef;  // field emf, V
  SteadyIterations chapterTwo;
  std::optional<SupplyVoltageResults> results;
  DriveState state;
};
SupplyVoltageStudy supplyVoltage(const DeviceParameters& d, float xhimin, const DriveState& start,
                                 const SupplyVoltageInputs& in);

}  // namespace msa
