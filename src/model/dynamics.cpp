#include "model/dynamics.hpp"

#include <cmath>

#include "model/machine_formulas.hpp"
#include "model/model_stop.hpp"

namespace msa {

using LD = long double;

void solveCurrents(MachineData& m) {
  // Flux equations of the armature circuit and of the D and Q dampers.
  const float a11 = float((((LD(m.x) * m.x + LD(m.y) * m.y) * m.M) * m.M) / m.Lr + (LD(m.lc) * m.z + m.ldc));
  const float a12 = float(LD(m.M) * m.x);
  const float a13 = float((-LD(m.y)) * m.M);
  const float b1 = float(LD(m.psi) - LD(m.mfif) * m.x);
  const float a21 = a12;
  const float a22 = m.Lr;
  const float b2 = float(LD(m.psid) - m.mfif);
  const float a31 = a13;
  const float a33 = m.Lr;
  const float b3 = m.psiq;

  m.det = float((LD(a22) * a11) * a33);
  m.det = float((LD(m.det) - (LD(a22) * a31) * a13) - (LD(a12) * a21) * a33);

  float num1 = float((LD(a22) * b1) * a33);
  num1 = float((LD(num1) - (LD(a22) * b3) * a13) - (LD(a12) * b2) * a33);
  m.Idc = float(LD(num1) / m.det);

  float num2 = float((LD(b3) * a21) * a13 + (LD(b2) * a11) * a33);
  num2 = float((LD(num2) - (LD(b2) * a31) * a13) - (LD(b1) * a21) * a33);
  m.iD = float(LD(num2) / m.det);

  float num3 = float((LD(a12) * a31) * b2 + (LD(a22) * a11) * b3);
  num3 = float((LD(num3) - (LD(a22) * a31) * b1) - (LD(a12) * a21) * b3);
  m.iQ = float(LD(num3) / m.det);

  if (!(m.Idc >= 0.0f)) throw ModelStop{StopReason::NegativeCurrent};
}

void angleCoefficients(MachineData& m, const AngleTrig& t) {
  const float fxy = float((((3.0f * LD(sqrt3)) / 4.0f) / pi) / t.cosNu);
  const float gmu = float((LD(m.smu2) - LD(m.cmu2) * m.mu2) / m.smu2);
  // The whole bracket, the cos(nu + rau) term included, is divided by smu2.
  m.kxmu = float(((t.cosDiff * gmu - t.cosSum) * fxy) / m.smu2);
  m.kymu = float(((t.sinDiff * gmu - t.sinSum) * fxy) / m.smu2);
  float dza = float((-4.0f) * LD(m.smu2) - ((LD(m.cmu2) * m.cmu2) * m.smu2) * 2.0f);
  dza = float((LD(m.cmu2) * m.mu) * 3.0f + dza);
  const float dzb = float(LD(m.cmu2) * m.mu + (((LD(m.smu2) * m.smu2) * m.smu2) * 2.0f + (-2.0f) * LD(m.smu2)));
  const float dzs = float((t.tanNu * t.tanNu) * dza + dzb);
  m.kzmu = float(((((LD(-0.75f) / pi) * dzs) / m.smu2) / m.smu2) / m.smu2);
  const float fnu = float(((((3.0f * LD(sqrt3)) / 2.0f) / pi) / t.cosNu) / t.cosNu);
  const float gnu = float(LD(m.mu2) / m.smu2 - m.cmu2);
  m.kxnu = float((t.sinRau * fnu) * gnu);
  m.kynu = float((t.cosRau * (-LD(fnu))) * gnu);
  const float dzn = float(((((t.sinMu * 3.0f) - m.mu) - ((LD(m.cmu2) * m.mu) * m.cmu2) * 2.0f) / m.smu2) / m.smu2);
  m.kznu = float(((((t.sinNu * (LD(-1.5f) / pi)) / t.cosNu) / t.cosNu) / t.cosNu) * dzn);
}

void voltagesAndTorques(MachineData& m) {
  m.Radd = damperResistance(m);
  m.urot = float((-(LD(m.drau) + m.omega)) * ((LD(m.M) * m.x) * m.iQ + ((LD(m.iD) * m.M) + m.mfif) * m.y));
  float wmu = float(((LD(m.lc) * m.kzmu) * m.Idc) * 0.5);
  wmu = float((LD(m.psidc) * m.kxmu + wmu) - LD(m.psiqc) * m.kymu);
  m.umu = float((-LD(m.dmu)) * wmu);
  float wnu = float(((LD(m.lc) * m.kznu) * m.Idc) * 0.5);
  wnu = float((LD(m.psidc) * m.kxnu + wnu) - LD(m.psiqc) * m.kynu);
  m.unu = float((-LD(m.dnu)) * wnu);
  m.ures = float((((LD(m.z) * m.r) + m.rdc) + m.Radd) * m.Idc);
  m.ue = float(((LD(m.umu) + m.urot) + m.unu) + m.ures);
  m.Cem = electromagneticTorque(m);
  m.Cfrot = frictionTorque(m);
}

}  // namespace msa
