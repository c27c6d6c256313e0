#include "model/dynamics.hpp"

#include <cmath>

#include "model/machine_formulas.hpp"
#include "model/model_stop.hpp"
#include "numeric/extended.hpp"

namespace msa {

void solveCurrents(MachineData& m) {
  // Flux equations of the armature circuit and of the D and Q dampers.
  const float a11 = float((((Extended(m.x) * m.x + Extended(m.y) * m.y) * m.M) * m.M) / m.Lr + (Extended(m.lc) * m.z + m.ldc));
  const float a12 = float(Extended(m.M) * m.x);
  const float a13 = float((-Extended(m.y)) * m.M);
  const float b1 = float(Extended(m.psi) - Extended(m.mfif) * m.x);
  const float a21 = a12;
  const float a22 = m.Lr;
  const float b2 = float(Extended(m.psid) - m.mfif);
  const float a31 = a13;
  const float a33 = m.Lr;
  const float b3 = m.psiq;

  m.det = float((Extended(a22) * a11) * a33);
  m.det = float((Extended(m.det) - (Extended(a22) * a31) * a13) - (Extended(a12) * a21) * a33);

  float num1 = float((Extended(a22) * b1) * a33);
  num1 = float((Extended(num1) - (Extended(a22) * b3) * a13) - (Extended(a12) * b2) * a33);
  m.Idc = float(Extended(num1) / m.det);

  float num2 = float((Extended(b3) * a21) * a13 + (Extended(b2) * a11) * a33);
  num2 = float((Extended(num2) - (Extended(b2) * a31) * a13) - (Extended(b1) * a21) * a33);
  m.iD = float(Extended(num2) / m.det);

  float num3 = float((Extended(a12) * a31) * b2 + (Extended(a22) * a11) * b3);
  num3 = float((Extended(num3) - (Extended(a22) * a31) * b1) - (Extended(a12) * a21) * b3);
  m.iQ = float(Extended(num3) / m.det);

  if (!(m.Idc >= 0.0f)) throw ModelStop{StopReason::NegativeCurrent};
}

void angleCoefficients(MachineData& m, const AngleTrig& t) {
  const float fxy = float((((3.0f * Extended(sqrt3)) / 4.0f) / pi) / t.cosNu);
  const float gmu = float((Extended(m.smu2) - Extended(m.cmu2) * m.mu2) / m.smu2);
  // The whole bracket, the cos(nu + rau) term included, is divided by smu2.
  m.kxmu = float(((t.cosDiff * gmu - t.cosSum) * fxy) / m.smu2);
  m.kymu = float(((t.sinDiff * gmu - t.sinSum) * fxy) / m.smu2);
  float dza = float((-4.0f) * Extended(m.smu2) - ((Extended(m.cmu2) * m.cmu2) * m.smu2) * 2.0f);
  dza = float((Extended(m.cmu2) * m.mu) * 3.0f + dza);
  const float dzb = float(Extended(m.cmu2) * m.mu + (((Extended(m.smu2) * m.smu2) * m.smu2) * 2.0f + (-2.0f) * Extended(m.smu2)));
  const float dzs = float((t.tanNu * t.tanNu) * dza + dzb);
  m.kzmu = float(((((Extended(-0.75f) / pi) * dzs) / m.smu2) / m.smu2) / m.smu2);
  const float fnu = float(((((3.0f * Extended(sqrt3)) / 2.0f) / pi) / t.cosNu) / t.cosNu);
  const float gnu = float(Extended(m.mu2) / m.smu2 - m.cmu2);
  m.kxnu = float((t.sinRau * fnu) * gnu);
  m.kynu = float((t.cosRau * (-Extended(fnu))) * gnu);
  const float dzn = float(((((t.sinMu * 3.0f) - m.mu) - ((Extended(m.cmu2) * m.mu) * m.cmu2) * 2.0f) / m.smu2) / m.smu2);
  m.kznu = float(((((t.sinNu * (Extended(-1.5f) / pi)) / t.cosNu) / t.cosNu) / t.cosNu) * dzn);
}

void voltagesAndTorques(MachineData& m) {
  m.Radd = damperResistance(m);
  m.urot = float((-(Extended(m.drau) + m.omega)) * ((Extended(m.M) * m.x) * m.iQ + ((Extended(m.iD) * m.M) + m.mfif) * m.y));
  float wmu = float(((Extended(m.lc) * m.kzmu) * m.Idc) * 0.5);
  wmu = float((Extended(m.psidc) * m.kxmu + wmu) - Extended(m.psiqc) * m.kymu);
  m.umu = float((-Extended(m.dmu)) * wmu);
  float wnu = float(((Extended(m.lc) * m.kznu) * m.Idc) * 0.5);
  wnu = float((Extended(m.psidc) * m.kxnu + wnu) - Extended(m.psiqc) * m.kynu);
  m.unu = float((-Extended(m.dnu)) * wnu);
  m.ures = float((((Extended(m.z) * m.r) + m.rdc) + m.Radd) * m.Idc);
  m.ue = float(((Extended(m.umu) + m.urot) + m.unu) + m.ures);
  m.Cem = electromagneticTorque(m);
  m.Cfrot = frictionTorque(m);
}

}  // namespace msa
