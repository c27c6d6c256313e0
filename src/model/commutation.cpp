#include "model/commutation.hpp"

#include <cmath>

using LD = long double;

void commutationCoefficients(MachineData& m) {
  m.cmu2 = float(cosl(m.mu2));
  m.smu2 = float(sinl(m.mu2));
  const float kxy = float((3.0f * LD(sqrt3)) / ((cosl(m.nu) * pi) * 2.0f));
  // mu2/smu2 tends to 1 for a small overlap but stays a quotient: 0/0 at mu = 0.
  const float bracketX = float(cosl(LD(m.nu) + m.rau) * m.cmu2 + (cosl(LD(m.rau) - m.nu) * m.mu2) / m.smu2);
  m.x = float(LD(bracketX) * kxy);
  const float bracketY = float(sinl(LD(m.nu) + m.rau) * m.cmu2 + (sinl(LD(m.rau) - m.nu) * m.mu2) / m.smu2);
  m.y = float((-LD(kxy)) * bracketY);
  const float za = float(((sinl(m.mu) * 3.0f) - (((LD(m.cmu2) * m.cmu2) * m.mu) * 2.0f)) - m.mu);
  const float zb = float(((((LD(m.smu2) * m.smu2) * m.mu) * 2.0f) + sinl(m.mu)) - m.mu);
  const float tnu = float(tanl(m.nu));
  m.z = float(2.0f - ((((((LD(tnu) * tnu) * za + zb) * 3.0f) / m.smu2) / m.smu2) / 4.0f) / pi);
  m.coeffradd = float(((1.5 * LD(m.z)) - LD(m.x) * m.x) - LD(m.y) * m.y);
}
