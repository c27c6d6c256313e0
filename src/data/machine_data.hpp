#pragma once

#include <cstdint>

// The one record of machine data for the whole run. Every quantity is a
// single-precision float (the user types even the control mode and the
// iteration choice as numbers); formulas are evaluated in long double and
// rounded to float where they are stored.

inline constexpr float pi = 3.1415927f;
inline constexpr float sqrt3 = 1.7320508f;
inline constexpr std::int32_t NITER = 20;

struct DeviceParameters {
  float ldc = 0, rdc = 0, p = 0, r = 0, lc = 0, M = 0, Lr = 0, rA = 0, romegam = 0, J = 0;
  float M2Lr = 0;  // 1.5 M^2 / Lr, refreshed by every data entry
};

struct OperatingPoint {
  // angles (rad)
  float xhi = 0, mu = 0, mu2 = 0, alpha = 0, alpha1 = 0, beta = 0, betaref = 0, xhiref = 0;
  float delta = 0, nu = 0, rau = 0;
  float drau = 0, dmu = 0, dnu = 0;  // angle rates (rad/s)
  // supply, currents, speeds
  float Udc = 0, udc = 0, Idc = 0, iD = 0, iQ = 0, omegam = 0, omega = 0;
  // excitation and fluxes
  float mfif = 0, Ec = 0, Ef = 0, I1 = 0;
  float psidc = 0, psiqc = 0, psic = 0, psid = 0, psiq = 0, psi = 0;
  // torques
  float Cem = 0, Cfrot = 0, Cmec = 0;
  // commutation coefficients
  float x = 0, y = 0, z = 0, coeffradd = 0, cmu2 = 0, smu2 = 0, Radd = 0;
  // angle coefficients and voltage terms of the dynamic equations
  float kxmu = 0, kymu = 0, kzmu = 0, kxnu = 0, kynu = 0, kznu = 0;
  float urot = 0, umu = 0, unu = 0, ures = 0, ue = 0, det = 0;
  float ControlMode = 0;  // 1: beta held fixed, 2: xhi held fixed; compared with 1.5
  float te = 0;           // simulation time (s)
  std::int32_t iter = 0;  // iteration counter of the steady-state studies
};

struct SimulationSettings {
  float choixIter = 0, xhimin = 0, Udcfin = 0;
  float temin = 0, tdt = 0, tft = 0, temax = 0, teinc = 0;
  float ymin = 0, ymax = 0, dtgrad = 0, dygrad = 0;
};


struct MachineData : DeviceParameters, OperatingPoint, SimulationSettings {};

// The defaults of the title screen (start-up and menu R), in their order.
void loadDefaults(MachineData& m);
