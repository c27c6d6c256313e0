#include "model/angle_coefficients.hpp"

#include "data/constants.hpp"
#include "numeric/extended.hpp"

namespace msa {

AngleCoefficients angleCoefficients(const ConverterAngles& a, const CommutationCoefficients& c, const AngleTrig& t) {
  AngleCoefficients k;
  const float fxy = float((((3.0f * Extended(sqrt3)) / 4.0f) / pi) / t.cosNu);
  const float gmu = float((Extended(c.smu2) - Extended(c.cmu2) * a.mu2) / c.smu2);
  // The whole bracket, the cos(nu + rau) term included, is divided by smu2.
  k.kxmu = float(((t.cosDiff * gmu - t.cosSum) * fxy) / c.smu2);
  k.kymu = float(((t.sinDiff * gmu - t.sinSum) * fxy) / c.smu2);
  float dza = float((-4.0f) * Extended(c.smu2) - ((Extended(c.cmu2) * c.cmu2) * c.smu2) * 2.0f);
  dza = float((Extended(c.cmu2) * a.mu) * 3.0f + dza);
  const float dzb = float(Extended(c.cmu2) * a.mu + (((Extended(c.smu2) * c.smu2) * c.smu2) * 2.0f + (-2.0f) * Extended(c.smu2)));
  const float dzs = float((t.tanNu * t.tanNu) * dza + dzb);
  k.kzmu = float(((((Extended(-0.75f) / pi) * dzs) / c.smu2) / c.smu2) / c.smu2);
  const float fnu = float(((((3.0f * Extended(sqrt3)) / 2.0f) / pi) / t.cosNu) / t.cosNu);
  const float gnu = float(Extended(a.mu2) / c.smu2 - c.cmu2);
  k.kxnu = float((t.sinRau * fnu) * gnu);
  k.kynu = float((t.cosRau * (-Extended(fnu))) * gnu);
  const float dzn = float(((((t.sinMu * 3.0f) - a.mu) - ((Extended(c.cmu2) * a.mu) * c.cmu2) * 2.0f) / c.smu2) / c.smu2);
  k.kznu = float(((((t.sinNu * (Extended(-1.5f) / pi)) / t.cosNu) / t.cosNu) / t.cosNu) * dzn);
  return k;
}

}  // namespace msa
