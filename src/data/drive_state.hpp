#pragma once

namespace msa {

// The state of the drive: what a transient integrates, what the model
// computes from it, and what each study leaves as the starting point of the
// next one (and of the main menu's status lines). Grouped by who writes what.

// The dc-link current and the damper currents the flux equations give
// (solveCurrents), or that a steady-state study sets.
struct Currents {
  float Idc = 0;  // dc-link current, A
  float iD = 0;   // D-axis damper current, A
  float iQ = 0;   // Q-axis damper current, A
  float det = 0;  // determinant of the flux equations
};

// The flux vector the commutation sees (resolveAngles).
struct CommutationFlux {
  float psidc = 0;  // D component, Wb
  float psiqc = 0;  // Q component, Wb
  float psic = 0;   // its norm, Wb
  float delta = 0;  // its angle, rad
};

// The converter's angles, in rad (resolveAngles, and the steady-state
// studies' prompts and closed forms).
struct ConverterAngles {
  float alpha = 0;  // firing angle
  float xhi = 0;    // guard angle
  float mu = 0;     // overlap angle
  float mu2 = 0;    // half the overlap
  float nu = 0;     // angle nu of the sliding circuit
  float rau = 0;    // angle rau of the sliding circuit
  float beta = 0;   // firing advance angle
};

// The commutation coefficients of the present angles (commutationCoefficients).
struct CommutationCoefficients {
  float x = 0, y = 0, z = 0;
  float coeffradd = 0;  // factor of the damper resistance Radd
  float cmu2 = 0;       // cos(mu2)
  float smu2 = 0;       // sin(mu2)
};

// How x, y and z vary with the overlap mu and with the angle nu, 1/rad
// (angleCoefficients).
struct AngleCoefficients {
  float kxmu = 0, kymu = 0, kzmu = 0;
  float kxnu = 0, kynu = 0, kznu = 0;
};

// Everything an evaluation of the model derives from the fluxes (and from
// the coefficients of the evaluation before): what its memo remembers.
struct ModelSolution {
  Currents currents;
  CommutationFlux flux;
  ConverterAngles angles;
  CommutationCoefficients commutation;
  AngleCoefficients angleCoefficients;
};

// The voltage terms of the armature circuit and the torques
// (setVoltagesAndTorques; the steady-state studies set Radd, Cem and Cfrot
// their own way).
struct VoltagesAndTorques {
  float Radd = 0;   // additional resistance due to the dampers, ohm
  float urot = 0;   // rotational voltage, V
  float umu = 0;    // voltage of the overlap's rate, V
  float unu = 0;    // voltage of nu's rate, V
  float ures = 0;   // resistive voltage, V
  float ue = 0;     // urot + umu + unu + ures, V
  float Cem = 0;    // electromagnetic torque, Nm
  float Cfrot = 0;  // friction torque, Nm
};

// How the converter is controlled: the mode typed at menus U and S (and set
// by menu E), and the angle each mode holds.
struct Control {
  float ControlMode = 0;  // 1: beta held fixed, 2: xhi held fixed; compared with 1.5
  float betaref = 0;      // beta held fixed in mode 1, rad
  float xhiref = 0;       // xhi held fixed in mode 2, rad
};

// The three fluxes a transient integrates.
struct StateFluxes {
  float psi = 0;   // armature circuit, Wb
  float psid = 0;  // D damper, Wb
  float psiq = 0;  // Q damper, Wb
};

struct DriveState : ModelSolution {
  float te = 0;      // simulation time, s; left by the last simulation
  StateFluxes fluxes;
  float omegam = 0;  // mechanical speed, rad/s
  float omega = 0;   // electrical speed p omegam, rad/s
  float drau = 0;    // rate of rau, rad/s
  float dmu = 0;     // rate of mu, rad/s
  float dnu = 0;     // rate of nu, rad/s
  float Udc = 0;     // supply voltage typed or reached, a transient's start value, V
  float udc = 0;     // present supply voltage, V
  float mfif = 0;    // field flux referred to the stator (mf if), Wb
  float Cmec = 0;    // shaft torque, Nm
  Control control;
  VoltagesAndTorques terms;
};

// The defaults of the title screen: xhi, Udc, Idc, mu and omegam, in their
// order; nothing else of the state.
void loadDefaults(DriveState& s);

}  // namespace msa
