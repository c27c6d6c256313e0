#include "studies/transient_simulation.hpp"

void transientSimulation(Dialogue&, MachineData&) {}
