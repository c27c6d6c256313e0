#include "model/angles.hpp"

#include <bit>
#include <cmath>
#include <cstdint>

#include "data/constants.hpp"
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

// One resolution: the inputs, and where it writes.
struct Resolution {
  const DeviceParameters& d;
  const AngleResolutionInputs& in;
  CommutationFlux& f;
  ConverterAngles& a;
  ModelNotices& notices;
  CosineMemo& cosines;
};

void fluxStep(const Resolution& r) {
  const DeviceParameters& d = r.d;
  const CommutationCoefficients& c = r.in.commutation;
  const Currents& i = r.in.currents;
  r.f.psidc = float(((((Extended(d.M) * d.M) / d.Lr) * c.x) * i.Idc + r.in.mfif) + Extended(i.iD) * d.M);
  r.f.psiqc = float(((-((Extended(d.M) * d.M) / d.Lr)) * c.y) * i.Idc + Extended(i.iQ) * d.M);
  r.f.delta = argument(r.f.psidc, r.f.psiqc, r.notices);
  r.f.psic = float(extendedSqrt(Extended(r.f.psidc) * r.f.psidc + Extended(r.f.psiqc) * r.f.psiqc));
}

// The voltage drop of the overlap, 2 lc Idc / (sqrt3 psic), as cos xhi = cos alpha + it.
Extended overlapTerm(const Resolution& r) {
  return (((Extended(r.d.lc) * r.in.currents.Idc) * 2.0f) / sqrt3) / r.f.psic;
}

float sineOf(float cosval) { return float(extendedSqrt(-(Extended(cosval) * cosval) + 1.0)); }

void checkOverlap(const ConverterAngles& a) {
  if (Extended(a.mu) > Extended(pi) / 3.0f) throw ModelStop{StopReason::MuAbove60};
  if (a.mu < 0.0f || std::isnan(a.mu)) throw ModelStop{StopReason::MuBelow0};
}

void xhiFixed(const Resolution& r) {
  ConverterAngles& a = r.a;
  fluxStep(r);
  const float cosval = float(r.cosines.of(a.xhi) - overlapTerm(r));
  if (outsideUnitRange(cosval)) throw ModelStop{StopReason::AlphaUndefined};
  const float sinval = sineOf(cosval);
  a.alpha = argument(cosval, sinval, r.notices);
  a.mu = float(Extended(a.alpha) - a.xhi);
  checkOverlap(a);
  a.mu2 = float(Extended(a.mu) / 2.0f);
  a.nu = overlapCentreAngle(a.xhi, a.mu2);
  a.rau = float(Extended(r.f.delta) + a.nu);
  a.beta = float((Extended(pi) / 3.0f + a.rau) + a.mu2);
}

void betaFixed(const Resolution& r) {
  ConverterAngles& a = r.a;
  a.beta = r.in.control.betaref;
  fluxStep(r);
  a.alpha = firingAngleFromAdvance(a.beta, r.f.delta);
  if (a.alpha > pi) throw ModelStop{StopReason::AlphaAbove180};
  const float cosval = float(r.cosines.of(a.alpha) + overlapTerm(r));
  // No guard angle solves the overlap: hold xhi at its minimum instead.
  if (outsideUnitRange(cosval)) {
    a.xhi = r.in.xhimin;
    return xhiFixed(r);
  }
  const float sinval = sineOf(cosval);
  a.xhi = float(extendedAtan(Extended(sinval) / cosval));
  if (a.xhi < 0.0f) a.xhi = float(Extended(pi) + a.xhi);
  if (a.xhi < r.in.xhimin || std::isnan(a.xhi)) {
    a.xhi = r.in.xhimin;
    return xhiFixed(r);
  }
  a.mu = float(Extended(a.alpha) - a.xhi);
  checkOverlap(a);
  a.mu2 = float(Extended(a.mu) / 2.0f);
  a.rau = float((Extended(a.beta) - a.mu2) - Extended(pi) / 3.0f);
  a.nu = float(Extended(a.rau) - r.f.delta);
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

void resolveAngles(const DeviceParameters& d, const AngleResolutionInputs& in, CommutationFlux& flux,
                   ConverterAngles& angles, ModelNotices& notices, CosineMemo& cosines) {
  const Resolution r{d, in, flux, angles, notices, cosines};
  if (in.control.ControlMode <= 1.5f) {
    betaFixed(r);
  } else {
    xhiFixed(r);
  }
}

void resolveAngles(const DeviceParameters& d, const AngleResolutionInputs& in, CommutationFlux& flux,
                   ConverterAngles& angles, ModelNotices& notices) {
  CosineMemo fresh;
  resolveAngles(d, in, flux, angles, notices, fresh);
}

}  // namespace msa
