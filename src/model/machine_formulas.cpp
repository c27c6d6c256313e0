#include "model/machine_formulas.hpp"

namespace msa {

using LD = long double;

float frictionTorque(const MachineData& m) { return float(LD(m.omegam) * m.romegam); }

float electromagneticTorque(const MachineData& m) {
  return float((((-LD(m.y)) * m.psidc - LD(m.psiqc) * m.x) * m.p) * m.Idc);
}

void firingAnglesFromGuard(MachineData& m) {
  m.alpha1 = float(LD(m.mu2) + m.xhi);
  m.alpha = float(LD(m.mu) + m.xhi);
}

float firingAngleFromAdvance(const MachineData& m) {
  return float((LD(m.beta) - (5.0f * LD(pi)) / 6.0f) - m.delta);
}

float damperResistance(const MachineData& m) { return float(((LD(m.M) * m.rA) / m.Lr) * m.coeffradd); }

float overlapCentreAngle(const MachineData& m) { return float(((LD(pi) / 2.0f) + m.xhi) + m.mu2); }

}  // namespace msa
