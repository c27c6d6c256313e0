#include "model/angles.hpp"

#include <bit>
#include <cmath>
#include <cstdint>

#include "model/machine_formulas.hpp"
#include "model/model_stop.hpp"
#include "numeric/extended.hpp"
#include "numeric/trigonometry.hpp"

namespace msa {

Extended CosineMemo::of(float angle) {
  const auto bits = std::bit_cast<std::uint32_t>(angle);
  if (bits != lastBits_) {
    lastCos_ = extendedCos(angle);
    lastBits_ = bits;
  }
  return lastCos_;
}

namespace {

bool outsideUnitRange(float c) { return c > 1.0f || c < -1.0f || std::isnan(c); }

void fluxStep(MachineData& m, ModelNotices& notices) {
  m.psidc = float(((((Extended(m.M) * m.M) / m.Lr) * m.x) * m.Idc + m.mfif) + Extended(m.iD) * m.M);
  m.psiqc = float(((-((Extended(m.M) * m.M) / m.Lr)) * m.y) * m.Idc + Extended(m.iQ) * m.M);
  m.delta = argument(m.psidc, m.psiqc, notices);
  m.psic = float(extendedSqrt(Extended(m.psidc) * m.psidc + Extended(m.psiqc) * m.psiqc));
}

// The voltage drop of the overlap, 2 lc Idc / (sqrt3 psic), as cos xhi = cos alpha + it.
Extended overlapTerm(const MachineData& m) { return (((Extended(m.lc) * m.Idc) * 2.0f) / sqrt3) / m.psic; }

float sineOf(float cosval) { return float(extendedSqrt(-(Extended(cosval) * cosval) + 1.0)); }

void checkOverlap(const MachineData& m) {
  if (Extended(m.mu) > Extended(pi) / 3.0f) throw ModelStop{StopReason::MuAbove60};
  if (m.mu < 0.0f || std::isnan(m.mu)) throw ModelStop{StopReason::MuBelow0};
}

void xhiFixed(MachineData& m, ModelNotices& notices, CosineMemo& cosines) {
  fluxStep(m, notices);
  const float cosval = float(cosines.of(m.xhi) - overlapTerm(m));
  if (outsideUnitRange(cosval)) throw ModelStop{StopReason::AlphaUndefined};
  const float sinval = sineOf(cosval);
  m.alpha = argument(cosval, sinval, notices);
  m.mu = float(Extended(m.alpha) - m.xhi);
  checkOverlap(m);
  m.mu2 = float(Extended(m.mu) / 2.0f);
  m.nu = overlapCentreAngle(m);
  m.rau = float(Extended(m.delta) + m.nu);
  m.beta = float((Extended(pi) / 3.0f + m.rau) + m.mu2);
}

void betaFixed(MachineData& m, ModelNotices& notices, CosineMemo& cosines) {
  m.beta = m.betaref;
  fluxStep(m, notices);
  m.alpha = firingAngleFromAdvance(m);
  if (m.alpha > pi) throw ModelStop{StopReason::AlphaAbove180};
  const float cosval = float(cosines.of(m.alpha) + overlapTerm(m));
  // No guard angle solves the overlap: hold xhi at its minimum instead.
  if (outsideUnitRange(cosval)) {
    m.xhi = m.xhimin;
    return xhiFixed(m, notices, cosines);
  }
  const float sinval = sineOf(cosval);
  m.xhi = float(extendedAtan(Extended(sinval) / cosval));
  if (m.xhi < 0.0f) m.xhi = float(Extended(pi) + m.xhi);
  if (m.xhi < m.xhimin || std::isnan(m.xhi)) {
    m.xhi = m.xhimin;
    return xhiFixed(m, notices, cosines);
  }
  m.mu = float(Extended(m.alpha) - m.xhi);
  checkOverlap(m);
  m.mu2 = float(Extended(m.mu) / 2.0f);
  m.rau = float((Extended(m.beta) - m.mu2) - Extended(pi) / 3.0f);
  m.nu = float(Extended(m.rau) - m.delta);
}

}  // namespace

float argument(float a, float b, ModelNotices& notices) {
  const Extended lengthSquared = Extended(a) * a + Extended(b) * b;
  if (lengthSquared == 0 || isNaN(lengthSquared)) {
    notices.indeterminateArgument();
    return 0.0f;
  }
  if (std::fabs(b) <= std::fabs(a)) {
    const float t = float(extendedAtan(Extended(b) / a));
    return a > 0 ? t : float(Extended(pi) + t);
  }
  const float t = float(extendedAtan(Extended(a) / b));
  return b > 0 ? float(Extended(pi) / 2.0f - t) : float((3.0f * Extended(pi)) / 2.0f - t);
}

void resolveAngles(MachineData& m, ModelNotices& notices, CosineMemo& cosines) {
  if (m.ControlMode <= 1.5f) {
    betaFixed(m, notices, cosines);
  } else {
    xhiFixed(m, notices, cosines);
  }
}

void resolveAngles(MachineData& m, ModelNotices& notices) {
  CosineMemo fresh;
  resolveAngles(m, notices, fresh);
}

}  // namespace msa
