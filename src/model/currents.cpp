#include "model/currents.hpp"

#include "model/model_stop.hpp"
#include "numeric/extended.hpp"

namespace msa {

void solveCurrents(const DeviceParameters& d, DriveState& s) {
  const StateFluxes& f = s.fluxes;
  const float mfif = s.mfif;
  const CommutationCoefficients& c = s.commutation;
  const float a11 = float((((Extended(c.x) * c.x + Extended(c.y) * c.y) * d.M) * d.M) / d.Lr + (Extended(d.lc) * c.z + d.ldc));
  const float a12 = float(Extended(d.M) * c.x);
  const float a13 = float((-Extended(c.y)) * d.M);
  const float b1 = float(Extended(f.psi) - Extended(mfif) * c.x);
  const float a21 = a12;
  const float a22 = d.Lr;
  const float b2 = float(Extended(f.psid) - mfif);
  const float a31 = a13;
  const float a33 = d.Lr;
  const float b3 = f.psiq;

  Currents& i = s.currents;
  i.det = float((Extended(a22) * a11) * a33);
  i.det = float((Extended(i.det) - (Extended(a22) * a31) * a13) - (Extended(a12) * a21) * a33);

  float num1 = float((Extended(a22) * b1) * a33);
  num1 = float((Extended(num1) - (Extended(a22) * b3) * a13) - (Extended(a12) * b2) * a33);
  i.Idc = float(Extended(num1) / i.det);

  float num2 = float((Extended(b3) * a21) * a13 + (Extended(b2) * a11) * a33);
  num2 = float((Extended(num2) - (Extended(b2) * a31) * a13) - (Extended(b1) * a21) * a33);
  i.iD = float(Extended(num2) / i.det);

  float num3 = float((Extended(a12) * a31) * b2 + (Extended(a22) * a11) * b3);
  num3 = float((Extended(num3) - (Extended(a22) * a31) * b1) - (Extended(a12) * a21) * b3);
  i.iQ = float(Extended(num3) / i.det);
}

void checkCurrent(const Currents& i) {
  if (!(i.Idc >= 0.0f)) throw ModelStop{StopReason::NegativeCurrent};
}

}  // namespace msa
