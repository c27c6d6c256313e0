#include "model/commutation.hpp"

#include "data/constants.hpp"
#include "numeric/extended.hpp"

namespace msa {

CommutationCoefficients commutationCoefficients(const ConverterAngles& a) {
  return commutationCoefficients(a, AngleTrig::of(a));
}

CommutationCoefficients commutationCoefficients(const ConverterAngles& a, const AngleTrig& t) {
  CommutationCoefficients c;
  c.cmu2 = float(t.cosMu2);
  c.smu2 = float(t.sinMu2);
  const float kxy = float((3.0f * Extended(sqrt3)) / ((t.cosNu * pi) * 2.0f));
  // mu2/smu2 tends to 1 for a small overlap but stays a quotient: 0/0 at mu = 0.
  const float bracketX = float(t.cosSum * c.cmu2 + (t.cosDiff * a.mu2) / c.smu2);
  c.x = float(Extended(bracketX) * kxy);
  const float bracketY = float(t.sinSum * c.cmu2 + (t.sinDiff * a.mu2) / c.smu2);
  c.y = float((-Extended(kxy)) * bracketY);
  const float za = float(((t.sinMu * 3.0f) - (((Extended(c.cmu2) * c.cmu2) * a.mu) * 2.0f)) - a.mu);
  const float zb = float(((((Extended(c.smu2) * c.smu2) * a.mu) * 2.0f) + t.sinMu) - a.mu);
  const float tnu = float(t.tanNu);
  c.z = float(2.0f - ((((((Extended(tnu) * tnu) * za + zb) * 3.0f) / c.smu2) / c.smu2) / 4.0f) / pi);
  c.coeffradd = float(((1.5 * Extended(c.z)) - Extended(c.x) * c.x) - Extended(c.y) * c.y);
  return c;
}

}  // namespace msa
