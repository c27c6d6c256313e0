#include "model/dynamics.hpp"

#include "data/constants.hpp"
#include "model/machine_formulas.hpp"
#include "model/model_stop.hpp"
#include "numeric/extended.hpp"

namespace msa {

Currents solveCurrents(const DeviceParameters& d, const StateFluxes& f, float mfif, const CommutationCoefficients& c) {
  // Flux equations of the armature circuit and of the D and Q dampers.
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

  Currents i;
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
  return i;
}

void checkCurrent(const Currents& i) {
  if (!(i.Idc >= 0.0f)) throw ModelStop{StopReason::NegativeCurrent};
}

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

VoltagesAndTorques voltagesAndTorques(const DeviceParameters& d, const DriveState& s) {
  const CommutationCoefficients& c = s.commutation;
  const AngleCoefficients& k = s.angleCoefficients;
  const CommutationFlux& f = s.flux;
  const Currents& i = s.currents;
  VoltagesAndTorques v;
  v.Radd = damperResistance(d, c.coeffradd);
  v.urot = float((-(Extended(s.drau) + s.omega)) * ((Extended(d.M) * c.x) * i.iQ + ((Extended(i.iD) * d.M) + s.mfif) * c.y));
  float wmu = float(((Extended(d.lc) * k.kzmu) * i.Idc) * 0.5);
  wmu = float((Extended(f.psidc) * k.kxmu + wmu) - Extended(f.psiqc) * k.kymu);
  v.umu = float((-Extended(s.dmu)) * wmu);
  float wnu = float(((Extended(d.lc) * k.kznu) * i.Idc) * 0.5);
  wnu = float((Extended(f.psidc) * k.kxnu + wnu) - Extended(f.psiqc) * k.kynu);
  v.unu = float((-Extended(s.dnu)) * wnu);
  v.ures = float((((Extended(c.z) * d.r) + d.rdc) + v.Radd) * i.Idc);
  v.ue = float(((Extended(v.umu) + v.urot) + v.unu) + v.ures);
  v.Cem = electromagneticTorque(d, c, f, i.Idc);
  v.Cfrot = frictionTorque(d, s.omegam);
  return v;
}

}  // namespace msa
