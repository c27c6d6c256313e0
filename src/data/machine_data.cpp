#include "data/machine_data.hpp"

#include "numeric/extended.hpp"

namespace msa {

void loadDefaults(DeviceParameters& d) {
  d.ldc = 0.217f;
  d.rdc = 0.88f;
  d.p = 2.0f;
  d.r = 0.5f;
  d.lc = 0.00611f;
  d.M = 0.0109f;
  d.Lr = d.M;
  d.rA = 0.02f;
  d.romegam = 0.018f;
  d.J = 0.0936f;
}

float derivedM2Lr(const DeviceParameters& d) { return float((Extended(d.M) * d.M * 1.5) / d.Lr); }

void loadDefaults(DriveState& s) {
  s.angles.xhi = float(Extended(0.275) * pi);
  s.Udc = 110.0f;
  s.currents.Idc = 5.0f;
  s.angles.mu = float(Extended(0.0338888888888889) * pi);
  s.omegam = float(Extended(38.2f) * pi);
}

void loadDefaults(SimulationSettings& s) {
  s.choixIter = 0.0f;
  s.xhimin = float(Extended(0.0555555555555556) * pi);
  s.Udcfin = 153.5f;
  s.temin = -0.05f;
  s.tdt = 0.0f;
  s.tft = 0.0f;
  s.temax = 3.2f;
  s.ymin = -0.1f;
  s.ymax = 1.4f;
  s.teinc = 0.0005f;
}

void loadDefaults(MachineData& m) {
  loadDefaults(m.device);
  loadDefaults(m.state);
  loadDefaults(m.settings);
}

}  // namespace msa
