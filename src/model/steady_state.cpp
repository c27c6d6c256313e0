#include "model/steady_state.hpp"

#include <cmath>

#include "model/angles.hpp"
#include "model/extended_trig.hpp"
#include "model/machine_formulas.hpp"

namespace msa {

using LD = long double;

void steadyStateFluxes(MachineData& m) {
  m.psid = float(((LD(m.x) * m.M) * m.Idc) + m.mfif);
  m.psiq = float(((-LD(m.M)) * m.y) * m.Idc);
  m.psi = float(((LD(m.psidc) * m.x) + ((LD(m.z) * m.lc) + m.ldc) * m.Idc) - LD(m.psiqc) * m.y);
}

void startExcitationStudy(MachineData& m) {
  m.drau = 0.0f;
  m.dmu = 0.0f;
  m.dnu = 0.0f;
  m.iD = 0.0f;
  m.iQ = 0.0f;
  m.ControlMode = 2.0f;
}

void excitationOperatingPoint(MachineData& m) {
  m.udc = m.Udc;
  m.omega = float(LD(m.omegam) * m.p);
  m.mu2 = float(LD(m.mu) / 2.0f);
  firingAnglesFromGuard(m);
}

FieldEmf closedFormExcitation(MachineData& m) {
  m.I1 = float(((LD(sqrt3) * m.Idc) * 2.0f) / pi);
  const float denominator = float(((extendedCos(m.alpha1) * sqrt3) * extendedCos(m.mu2)) * 3.0f);
  m.Ec = float(((LD(m.udc) - LD(m.Idc) * m.rdc) * pi) / denominator);
  const FieldEmf emf{float(((LD(m.M2Lr) * m.omega) * m.I1) * extendedSin(m.alpha1) + m.Ec),
                     float(((LD(m.M2Lr) * m.omega) * m.I1) * extendedCos(m.alpha1))};
  m.Ef = float(sqrtl(LD(emf.b) * emf.b + LD(emf.a) * emf.a));
  m.mfif = float(LD(m.Ef) / m.omega);
  return emf;
}

void closedFormAngles(MachineData& m, FieldEmf emf, ModelNotices& notices) {
  m.delta = argument(emf.a, emf.b, notices);
  m.nu = overlapCentreAngle(m);
  m.rau = float(LD(m.delta) + m.nu);
}

// The damper resistance referred to the armature through (M/Lr) squared.
void balancingExcitation(MachineData& m) {
  m.Radd = float(((((LD(m.M) * m.rA) / m.Lr) * m.M) / m.Lr) * m.coeffradd);
  const float q = float((-(LD(m.udc) - (((LD(m.z) * m.r) + m.rdc) + m.Radd) * m.Idc)) / m.omega);
  m.mfif = float(LD(q) / m.y);
}

void excitationResults(MachineData& m) {
  steadyStateFluxes(m);
  m.Cem = electromagneticTorque(m);
  m.Cfrot = frictionTorque(m);
  m.Cmec = float(LD(m.Cem) - m.Cfrot);
  m.ControlMode = 1.0f;
}

void startSupplyVoltageStudy(MachineData& m) {
  m.drau = 0.0f;
  m.dmu = 0.0f;
  m.dnu = 0.0f;
}

void requestedTorques(MachineData& m) {
  m.omega = float(LD(m.omegam) * m.p);
  m.Cfrot = frictionTorque(m);
  m.Cem = float(LD(m.Cfrot) + m.Cmec);
}

void fieldEmf(MachineData& m) { m.Ef = float(LD(m.omega) * m.mfif); }

void startAnglesBetaHeld(MachineData& m) {
  m.alpha = firingAngleFromAdvance(m);
  m.alpha1 = float(LD(m.alpha) - m.mu2);
  m.xhi = float(LD(m.alpha1) - m.mu2);
  m.iD = 0.0f;
  m.iQ = 0.0f;
}

void startAnglesXhiHeld(MachineData& m) {
  firingAnglesFromGuard(m);
  m.beta = float(((5.0f * LD(pi)) / 6.0f + m.alpha) + m.delta);
  m.iD = 0.0f;
  m.iQ = 0.0f;
}

// Here the damper resistance is referred through M/Lr once, as in the dynamic
// equations.
void torqueCurrent(MachineData& m) {
  m.Radd = damperResistance(m);
  m.Idc = float(LD(m.Cem) / ((((-LD(m.y)) * m.psidc - LD(m.psiqc) * m.x) * m.p)));
}

void supplyVoltageResults(MachineData& m) {
  m.udc = float((((LD(m.z) * m.r) + m.rdc) + m.Radd) * m.Idc + ((-LD(m.omega)) * m.y) * m.mfif);
  m.Udc = m.udc;
  steadyStateFluxes(m);
}

}  // namespace msa
