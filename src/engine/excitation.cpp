#include "engine/excitation.hpp"

#include "data/constants.hpp"
#include "engine/steady_state.hpp"
#include "model/angles.hpp"
#include "model/degrees.hpp"
#include "numeric/trigonometry.hpp"
#include "model/machine_formulas.hpp"
#include "numeric/extended.hpp"

namespace msa {

namespace {

// The typed operating point, the guard angle held (control mode 2), the
// rates and the damper currents of a steady state.
float operatingPoint(const DeviceParameters& d, const ExcitationInputs& in, DriveState& s) {
  s.drau = 0.0f;
  s.dmu = 0.0f;
  s.dnu = 0.0f;
  s.currents.iD = 0.0f;
  s.currents.iQ = 0.0f;
  s.control.ControlMode = 2.0f;
  s.angles.xhi = in.xhi;
  s.Udc = in.Udc;
  s.currents.Idc = in.Idc;
  s.omegam = in.omegam;
  s.angles.mu = in.mu;
  s.udc = s.Udc;
  s.omega = float(Extended(s.omegam) * d.p);
  s.angles.mu2 = float(Extended(s.angles.mu) / 2.0f);
  const FiringAngles firing = firingAnglesFromGuard(s.angles);
  s.angles.alpha = firing.alpha;
  return firing.alpha1;
}

ClosedFormExcitation closedForm(const DeviceParameters& d, float alpha1, DriveState& s) {
  ClosedFormExcitation c{};
  const float Idc = s.currents.Idc;
  c.I1 = float(((Extended(sqrt3) * Idc) * 2.0f) / pi);
  const float denominator = float(((extendedCos(alpha1) * sqrt3) * extendedCos(s.angles.mu2)) * 3.0f);
  c.Ec = float(((Extended(s.udc) - Extended(Idc) * d.rdc) * pi) / denominator);
  const float efa = float(((Extended(d.M2Lr) * s.omega) * c.I1) * extendedSin(alpha1) + c.Ec);
  const float efb = float(((Extended(d.M2Lr) * s.omega) * c.I1) * extendedCos(alpha1));
  c.Ef = float(extendedSqrt(Extended(efb) * efb + Extended(efa) * efa));
  s.mfif = float(Extended(c.Ef) / s.omega);
  c.commutationFlux = float(Extended(c.Ec) / s.omega);
  c.mfif = s.mfif;
  NoticeCounter notices;
  s.flux.delta = argument(efa, efb, notices);
  c.notices = notices.count;
  s.angles.nu = overlapCentreAngle(s.angles.xhi, s.angles.mu2);
  s.angles.rau = float(Extended(s.flux.delta) + s.angles.nu);
  c.deltaDegrees = degrees(s.flux.delta);
  return c;
}

ExcitationResults results(const DeviceParameters& d, DriveState& s) {
  steadyStateFluxes(d, s);
  s.terms.Cem = electromagneticTorque(d, s.commutation, s.flux, s.currents.Idc);
  s.terms.Cfrot = frictionTorque(d, s.omegam);
  s.Cmec = float(Extended(s.terms.Cem) - s.terms.Cfrot);
  s.control.ControlMode = 1.0f;
  return {s.fluxes.psid,
          s.fluxes.psiq,
          s.fluxes.psi,
          s.terms.Cem,
          s.terms.Cfrot,
          float(Extended(s.omegam) * s.terms.Cfrot),
          s.Cmec,
          float(Extended(s.omegam) * s.Cmec)};
}

}  // namespace

ExcitationInputs excitationDefaults(const DriveState& s) {
  return {s.angles.xhi, s.Udc, s.currents.Idc, s.omegam, s.angles.mu};
}

ExcitationStudy excitation(const DeviceParameters& d, const DriveState& start, const ExcitationInputs& in) {
  ExcitationStudy study{};
  study.state = start;
  DriveState& s = study.state;
  const float alpha1 = operatingPoint(d, in, s);
  study.alphaDegrees = degrees(s.angles.alpha);
  study.closedForm = closedForm(d, alpha1, s);
  // The guard angle is held, so xhimin is never read.
  study.chapterTwo = iterateSteadyState(d, 0.0f, s, [&](DriveState& state) { balancingExcitation(d, state); });
  if (!study.chapterTwo.stop) study.results = results(d, s);
  return study;
}

}  // namespace msa
