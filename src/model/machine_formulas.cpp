#include "model/machine_formulas.hpp"

#include "numeric/extended.hpp"

namespace msa {

float frictionTorque(const MachineData& m) { return float(Extended(m.omegam) * m.romegam); }

float electromagneticTorque(const MachineData& m) {
  return float((((-Extended(m.y)) * m.psidc - Extended(m.psiqc) * m.x) * m.p) * m.Idc);
}

void firingAnglesFromGuard(MachineData& m) {
  m.alpha1 = float(Extended(m.mu2) + m.xhi);
  m.alpha = float(Extended(m.mu) + m.xhi);
}

float firingAngleFromAdvance(const MachineData& m) {
  return float((Extended(m.beta) - (5.0f * Extended(pi)) / 6.0f) - m.delta);
}

float damperResistance(const MachineData& m) { return float(((Extended(m.M) * m.rA) / m.Lr) * m.coeffradd); }

float overlapCentreAngle(const MachineData& m) { return float(((Extended(pi) / 2.0f) + m.xhi) + m.mu2); }

}  // namespace msa
