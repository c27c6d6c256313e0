#pragma once

#include <cstdint>

namespace msa {

// The one record of machine data for the whole run. Every quantity is a
// single-precision float (the user types even the control mode and the
// iteration choice as numbers); formulas are evaluated in the x87 extended type (numeric/extended.hpp) and
// rounded to float where they are stored.

inline constexpr float pi = 3.1415927f;
inline constexpr float sqrt3 = 1.7320508f;
inline constexpr std::int32_t NITER = 20;

// Each field: meaning, unit, and who writes it ("entry" is the data-entry
// screen, E, U and S the studies, "model" the model routines).

struct DeviceParameters {
  float ldc = 0;      // dc-link inductance, H; entry
  float rdc = 0;      // dc-link resistance, ohm; entry
  float p = 0;        // pole pairs, a whole number held as a float; entry
  float r = 0;        // resistance of one phase, ohm; entry
  float lc = 0;       // commutation inductance, H; entry
  float M = 0;        // largest mutual inductance of a phase and a damper, H; entry
  float Lr = 0;       // self-inductance of a damper, H; entry
  float rA = 0;       // damper resistance referred to the stator, ohm; entry
  float romegam = 0;  // viscous friction coefficient, Nm/(rad/s); entry
  float J = 0;        // inertia, kg m^2; entry
  float M2Lr = 0;     // 1.5 M^2 / Lr, H; entry, right after Lr
};

struct OperatingPoint {
  float xhi = 0;      // guard angle, rad; E (prompt), U, model
  float mu = 0;       // overlap angle, rad; E, U (prompts), model
  float mu2 = 0;      // half the overlap, rad; E, U, model
  float alpha = 0;    // firing angle, rad; E, U, model
  float alpha1 = 0;   // xhi + mu2, rad; E, U
  float beta = 0;     // firing advance angle, rad; U, model
  float betaref = 0;  // beta held fixed in control mode 1, rad; U (prompt), S
  float xhiref = 0;   // xhi held fixed in control mode 2, rad; U (prompt), S
  float delta = 0;    // angle of the commutation flux vector, rad; E, U (prompt), model
  float nu = 0;       // angle nu of the sliding circuit, rad; E, model
  float rau = 0;      // angle rau of the sliding circuit, rad; E, model
  float drau = 0;     // rate of rau, rad/s; E, U (0), S (prompt, then every pass)
  float dmu = 0;      // rate of mu, rad/s; as drau
  float dnu = 0;      // rate of nu, rad/s; as drau
  float Udc = 0;      // supply voltage typed or reached, a transient's start value, V; E (prompt), U, S
  float udc = 0;      // present supply voltage, V; E, U, S (on its ramp)
  float Idc = 0;      // dc-link current, A; E (prompt), U, model
  float iD = 0;       // D-axis damper current, A; E, U (0), model
  float iQ = 0;       // Q-axis damper current, A; E, U (0), model
  float omegam = 0;   // mechanical speed, rad/s; E, U (prompts), S
  float omega = 0;    // electrical speed p omegam, rad/s; E, U, S
  float mfif = 0;     // field flux referred to the stator (mf if), Wb; E, U (prompt)
  float Ec = 0;       // commutation emf amplitude, V; E
  float Ef = 0;       // field emf amplitude, V; E, U
  float I1 = 0;       // fundamental phase-current amplitude, A; E
  float psidc = 0;    // D component of the commutating circuit's flux, Wb; model
  float psiqc = 0;    // Q component of the commutating circuit's flux, Wb; model
  float psic = 0;     // norm of that flux vector, Wb; model
  float psid = 0;     // D damper flux, Wb; E, U, S
  float psiq = 0;     // Q damper flux, Wb; E, U, S
  float psi = 0;      // armature-circuit flux, Wb; E, U, S
  float Cem = 0;      // electromagnetic torque, Nm; E, U, model
  float Cfrot = 0;    // friction torque, Nm; E, U, model
  float Cmec = 0;     // shaft torque, Nm; E, U (prompt)
  float x = 0;        // commutation coefficient x; model
  float y = 0;        // commutation coefficient y; model
  float z = 0;        // commutation coefficient z; model
  float coeffradd = 0;  // factor of the damper resistance Radd; model
  float cmu2 = 0;     // cos(mu2); model
  float smu2 = 0;     // sin(mu2); model
  float Radd = 0;     // additional resistance due to the dampers, ohm; E, U, model
  float kxmu = 0, kymu = 0, kzmu = 0;  // how x, y, z vary with mu, 1/rad; model
  float kxnu = 0, kynu = 0, kznu = 0;  // how x, y, z vary with nu, 1/rad; model
  float urot = 0;     // rotational voltage of the armature circuit, V; model
  float umu = 0;      // voltage of the overlap's rate, V; model
  float unu = 0;      // voltage of nu's rate, V; model
  float ures = 0;     // resistive voltage, V; model
  float ue = 0;       // urot + umu + unu + ures, V; model
  float det = 0;      // determinant of the flux equations; model
  float ControlMode = 0;  // 1: beta held fixed, 2: xhi held fixed, compared with 1.5; E, U, S (prompts)
  float te = 0;           // simulation time, s; S
  std::int32_t iter = 0;  // iteration counter of the steady-state studies; E, U
};

struct SimulationSettings {
  float choixIter = 0;  // 0: iterations in one go, 1: a wait after each (compared with 0.5); E, U (prompt)
  float xhimin = 0;     // lowest xhi with beta held fixed, rad; defaults, S (prompt)
  float Udcfin = 0;     // final supply voltage of a transient, V; defaults, S (prompt)
  float temin = 0;      // start of the simulation and left edge of the diagram, s; defaults, S (prompt)
  float tdt = 0;        // start of the supply ramp, s; defaults, S (prompt)
  float tft = 0;        // end of the supply ramp, s; defaults, S (prompt)
  float temax = 0;      // end of the simulation and right edge of the diagram, s; defaults, S (prompt)
  float teinc = 0;      // time step, s; defaults, S (prompt)
  float ymin = 0;       // bottom edge of the diagram, per unit; defaults
  float ymax = 0;       // top edge of the diagram, per unit; defaults
  float dtgrad = 0;     // distance of two time ticks, s; S (prompt)
  float dygrad = 0;     // distance of two level ticks, per unit; S (prompt)
};

struct MachineData : DeviceParameters, OperatingPoint, SimulationSettings {};

// The defaults of the title screen (start-up and menu R), in their order.
void loadDefaults(MachineData& m);

}  // namespace msa
