#include "model/voltages_and_torques.hpp"

#include "model/machine_formulas.hpp"
#include "numeric/extended.hpp"

namespace msa {

void setVoltagesAndTorques(const DeviceParameters& d, DriveState& s) {
  const CommutationCoefficients& c = s.commutation;
  const AngleCoefficients& k = s.angleCoefficients;
  const CommutationFlux& f = s.flux;
  const Currents& i = s.currents;
  VoltagesAndTorques& v = s.terms;
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
}

}  // namespace msa
