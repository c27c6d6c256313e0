#include "studies/run_observers.hpp"

namespace msa {

StepPoint runStartPoint(const MachineData& m) {
  return {m.temin, m.omegam, m.mu, m.xhi, m.Idc, m.beta, m.udc, m.Cem};
}

}  // namespace msa
