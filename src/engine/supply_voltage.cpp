#include "engine/supply_voltage.hpp"

#include "data/constants.hpp"
#include "engine/steady_state.hpp"
#include "model/machine_formulas.hpp"
#include "numeric/extended.hpp"

namespace msa {

namespace {

// The control mode and its reference, the overlap and the flux angle typed,
// and the firing angles that follow from them; no damper current.
void startAngles(const SupplyVoltageInputs& in, DriveState& s) {
  ConverterAngles& a = s.angles;
  s.control.ControlMode = in.ControlMode;
  const bool betaHeld = asksForBeta(in.ControlMode);
  if (betaHeld) {
    s.control.betaref = in.reference;
    a.beta = s.control.betaref;
  } else {
    s.control.xhiref = in.reference;
    a.xhi = s.control.xhiref;
  }
  a.mu = in.mu;
  a.mu2 = float(Extended(a.mu) / 2.0f);
  s.flux.delta = in.delta;
  if (betaHeld) {
    a.alpha = firingAngleFromAdvance(a.beta, s.flux.delta);
    const float alpha1 = float(Extended(a.alpha) - a.mu2);
    a.xhi = float(Extended(alpha1) - a.mu2);
  } else {
    a.alpha = firingAnglesFromGuard(a).alpha;
    a.beta = float(((5.0f * Extended(pi)) / 6.0f + a.alpha) + s.flux.delta);
  }
  s.currents.iD = 0.0f;
  s.currents.iQ = 0.0f;
}

SupplyVoltageResults results(const DeviceParameters& d, DriveState& s) {
  s.udc = steadySupplyVoltage(d, s);
  s.Udc = s.udc;
  steadyStateFluxes(d, s);
  return {s.udc, s.fluxes.psid, s.fluxes.psiq, s.fluxes.psi};
}

}  // namespace

bool asksForBeta(float ControlMode) { return ControlMode < 1.5f; }

SupplyVoltageInputs supplyVoltageDefaults(const DriveState& s, float ControlMode) {
  return {s.omegam,
          s.Cmec,
          s.mfif,
          ControlMode,
          asksForBeta(ControlMode) ? s.angles.beta : s.angles.xhi,
          s.angles.mu,
          s.flux.delta};
}

RequestedTorques requestedTorques(const DeviceParameters& d, float omegam, float Cmec) {
  RequestedTorques t{};
  t.omega = float(Extended(omegam) * d.p);
  t.Cfrot = frictionTorque(d, omegam);
  t.frictionLoss = float(Extended(omegam) * t.Cfrot);
  t.Cem = float(Extended(t.Cfrot) + Cmec);
  return t;
}

float fieldEmf(float omega, float mfif) { return float(Extended(omega) * mfif); }

SupplyVoltageStudy supplyVoltage(const DeviceParameters& d, float xhimin, const DriveState& start,
                                 const SupplyVoltageInputs& in) {
  SupplyVoltageStudy study{};
  study.state = start;
  DriveState& s = study.state;
  s.drau = 0.0f;
  s.dmu = 0.0f;
  s.dnu = 0.0f;
  s.omegam = in.omegam;
  s.Cmec = in.Cmec;
  study.torques = requestedTorques(d, s.omegam, s.Cmec);
  s.omega = study.torques.omega;
  s.terms.Cfrot = study.torques.Cfrot;
  s.terms.Cem = study.torques.Cem;
  s.mfif = in.mfif;
  study.Ef = fieldEmf(s.omega, s.mfif);
  startAngles(in, s);
  study.chapterTwo = iterateSteadyState(d, xhimin, s, [&](DriveState& state) { torqueCurrent(d, state); });
  if (!study.chapterTwo.stop) study.results = results(d, s);
  return study;
}

}  // namespace msa
