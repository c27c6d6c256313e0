#include "model/commutation.hpp"

#include "numeric/extended.hpp"

namespace msa {

void commutationCoefficients(MachineData& m) { commutationCoefficients(m, AngleTrig::of(m)); }

void commutationCoefficients(MachineData& m, const AngleTrig& t) {
  m.cmu2 = float(t.cosMu2);
  m.smu2 = float(t.sinMu2);
  const float kxy = float((3.0f * Extended(sqrt3)) / ((t.cosNu * pi) * 2.0f));
  // mu2/smu2 tends to 1 for a small overlap but stays a quotient: 0/0 at mu = 0.
  const float bracketX = float(t.cosSum * m.cmu2 + (t.cosDiff * m.mu2) / m.smu2);
  m.x = float(Extended(bracketX) * kxy);
  const float bracketY = float(t.sinSum * m.cmu2 + (t.sinDiff * m.mu2) / m.smu2);
  m.y = float((-Extended(kxy)) * bracketY);
  const float za = float(((t.sinMu * 3.0f) - (((Extended(m.cmu2) * m.cmu2) * m.mu) * 2.0f)) - m.mu);
  const float zb = float(((((Extended(m.smu2) * m.smu2) * m.mu) * 2.0f) + t.sinMu) - m.mu);
  const float tnu = float(t.tanNu);
  m.z = float(2.0f - ((((((Extended(tnu) * tnu) * za + zb) * 3.0f) / m.smu2) / m.smu2) / 4.0f) / pi);
  m.coeffradd = float(((1.5 * Extended(m.z)) - Extended(m.x) * m.x) - Extended(m.y) * m.y);
}

}  // namespace msa
