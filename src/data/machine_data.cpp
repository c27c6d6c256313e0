#include "data/machine_data.hpp"

#include "numeric/extended.hpp"

namespace msa {

void loadDefaults(MachineData& m) {
  m.ldc = 0.217f;
  m.rdc = 0.88f;
  m.p = 2.0f;
  m.r = 0.5f;
  m.lc = 0.00611f;
  m.M = 0.0109f;
  m.Lr = m.M;
  m.rA = 0.02f;
  m.romegam = 0.018f;
  m.J = 0.0936f;
  m.xhi = float(Extended(0.275) * pi);
  m.Udc = 110.0f;
  m.Idc = 5.0f;
  m.mu = float(Extended(0.0338888888888889) * pi);
  m.omegam = float(Extended(38.2f) * pi);
  m.choixIter = 0.0f;
  m.xhimin = float(Extended(0.0555555555555556) * pi);
  m.Udcfin = 153.5f;
  m.temin = -0.05f;
  m.tdt = 0.0f;
  m.tft = 0.0f;
  m.temax = 3.2f;
  m.ymin = -0.1f;
  m.ymax = 1.4f;
  m.teinc = 0.0005f;
}

}  // namespace msa
