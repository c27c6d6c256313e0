#include "model/steady_state.hpp"

#include <cmath>

#include "model/angles.hpp"
#include "model/machine_formulas.hpp"
#include "numeric/extended.hpp"
#include "numeric/trigonometry.hpp"

namespace msa {

void steadyStateFluxes(MachineData& m) {
  m.psid = float(((Extended(m.x) * m.M) * m.Idc) + m.mfif);
  m.psiq = float(((-Extended(m.M)) * m.y) * m.Idc);
  m.psi = float(((Extended(m.psidc) * m.x) + ((Extended(m.z) * m.lc) + m.ldc) * m.Idc) - Extended(m.psiqc) * m.y);
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
  m.omega = float(Extended(m.omegam) * m.p);
  m.mu2 = float(Extended(m.mu) / 2.0f);
  firingAnglesFromGuard(m);
}

FieldEmf closedFormExcitation(MachineData& m) {
  m.I1 = float(((Extended(sqrt3) * m.Idc) * 2.0f) / pi);
  const float denominator = float(((extendedCos(m.alpha1) * sqrt3) * extendedCos(m.mu2)) * 3.0f);
  m.Ec = float(((Extended(m.udc) - Extended(m.Idc) * m.rdc) * pi) / denominator);
  const FieldEmf emf{float(((Extended(m.M2Lr) * m.omega) * m.I1) * extendedSin(m.alpha1) + m.Ec),
                     float(((Extended(m.M2Lr) * m.omega) * m.I1) * extendedCos(m.alpha1))};
  m.Ef = float(extendedSqrt(Extended(emf.b) * emf.b + Extended(emf.a) * emf.a));
  m.mfif = float(Extended(m.Ef) / m.omega);
  return emf;
}

void closedFormAngles(MachineData& m, FieldEmf emf, ModelNotices& notices) {
  m.delta = argument(emf.a, emf.b, notices);
  m.nu = overlapCentreAngle(m);
  m.rau = float(Extended(m.delta) + m.nu);
}

// The damper resistance referred to the armature through (M/Lr) squared.
void balancingExcitation(MachineData& m) {
  m.Radd = float(((((Extended(m.M) * m.rA) / m.Lr) * m.M) / m.Lr) * m.coeffradd);
  const float q = float((-(Extended(m.udc) - (((Extended(m.z) * m.r) + m.rdc) + m.Radd) * m.Idc)) / m.omega);
  m.mfif = float(Extended(q) / m.y);
}

void excitationResults(MachineData& m) {
  steadyStateFluxes(m);
  m.Cem = electromagneticTorque(m);
  m.Cfrot = frictionTorque(m);
  m.Cmec = float(Extended(m.Cem) - m.Cfrot);
  m.ControlMode = 1.0f;
}

void startSupplyVoltageStudy(MachineData& m) {
  m.drau = 0.0f;
  m.dmu = 0.0f;
  m.dnu = 0.0f;
}

void requestedTorques(MachineData& m) {
  m.omega = float(Extended(m.omegam) * m.p);
  m.Cfrot = frictionTorque(m);
  m.Cem = float(Extended(m.Cfrot) + m.Cmec);
}

void fieldEmf(MachineData& m) { m.Ef = float(Extended(m.omega) * m.mfif); }

void startAnglesBetaHeld(MachineData& m) {
  m.alpha = firingAngleFromAdvance(m);
  m.alpha1 = float(Extended(m.alpha) - m.mu2);
  m.xhi = float(Extended(m.alpha1) - m.mu2);
  m.iD = 0.0f;
  m.iQ = 0.0f;
}

void startAnglesXhiHeld(MachineData& m) {
  firingAnglesFromGuard(m);
  m.beta = float(((5.0f * Extended(pi)) / 6.0f + m.alpha) + m.delta);
  m.iD = 0.0f;
  m.iQ = 0.0f;
}

// Here the damper resistance is referred through M/Lr once, as in the dynamic
// equations.
void torqueCurrent(MachineData& m) {
  m.Radd = damperResistance(m);
  m.Idc = float(Extended(m.Cem) / ((((-Extended(m.y)) * m.psidc - Extended(m.psiqc) * m.x) * m.p)));
}

void supplyVoltageResults(MachineData& m) {
  m.udc = float((((Extended(m.z) * m.r) + m.rdc) + m.Radd) * m.Idc + ((-Extended(m.omega)) * m.y) * m.mfif);
  m.Udc = m.udc;
  steadyStateFluxes(m);
}

}  // namespace msa
