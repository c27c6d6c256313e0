#pragma once

#include <optional>

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"
#include "engine/steady_iterations.hpp"
#include "engine/study_stop.hpp"

namespace msa {

// The steady state whose excitation is sought, as the study's five prompts
// leave it (angles in rad, speed in rad/s: see prompt_units.hpp).
struct ExcitationInputs {
  float xhi;     // guard angle held fixed, rad
  float Udc;     // dc supply voltage, V
  float Idc;     // dc current, A
  float omegam;  // mechanical speed, rad/s
  float mu;      // first estimate of the overlap, rad
};
// What the prompts offer, as stored (a prompt converts it for showing): the
// state's own values.
ExcitationInputs excitationDefaults(const DriveState& s);

// The closed-form estimate from the fundamentals of the phase current and
// of the emfs ("chapitre 1").
struct ClosedFormExcitation {
  float I1;               // fundamental phase-current amplitude, A
  float Ec;               // commutation emf, V
  float commutationFlux;  // Ec / omega, Wb
  float Ef;               // field emf, V
  float mfif;             // field flux mf if, Wb
  int notices;            // the emf's direction found indeterminate (printed before delta)
  float deltaDegrees;     // angle delta of the flux vector
};

// The fluxes, torques and powers of the steady state reached.
struct ExcitationResults {
  float psid, psiq, psi;  // Wb
  float Cem;              // electromagnetic torque, Nm
  float Cfrot;            // friction torque, Nm
  float frictionLoss;     // omegam Cfrot, W
  float Cmec;             // shaft torque, Nm
  float shaftPower;       // omegam Cmec, W
};

// Menu E: the field excitation mf if a steady state needs, with the guard
// angle held fixed: the firing angle, the closed form, NITER iterations of
// the sliding-circuit model, then the fluxes, torques and powers. `state`
// is the state reached (control mode 1 when the study ends, 2 when the model
// stops it); results are there when no stop came.
struct ExcitationStudy {
  float alphaDegrees;
  ClosedFormExcitation closedForm;
  SteadyIterations chapterTwo;
  std::optional<ExcitationResults> results;
  DriveState state;
};
ExcitationStudy excitation(const DeviceParameters& d, const DriveState& start, const ExcitationInputs& in);

}  // namespace msa
