#pragma once

namespace msa {

// What the studies and the transient diagram are set to: defaults of the
// title screen, changed at the prompts of menus E, U (the iteration choice)
// and S, kept from one study to the next.
struct SimulationSettings {
  float choixIter = 0;  // 0: iterations in one go, 1: a wait after each (compared with 0.5)
  float xhimin = 0;     // lowest xhi with beta held fixed, rad
  float Udcfin = 0;     // final supply voltage of a transient, V
  float temin = 0;      // start of the simulation and left edge of the diagram, s
  float tdt = 0;        // start of the supply ramp, s
  float tft = 0;        // end of the supply ramp, s
  float temax = 0;      // end of the simulation and right edge of the diagram, s
  float teinc = 0;      // time step, s
  float ymin = 0;       // bottom edge of the diagram, per unit
  float ymax = 0;       // top edge of the diagram, per unit
  float dtgrad = 0;     // distance of two time ticks, s; offered at 0.5 by every simulation
  float dygrad = 0;     // distance of two level ticks, per unit; offered at 0.2 by every simulation
};

// The defaults of the title screen, in their order.
void loadDefaults(SimulationSettings& s);

}  // namespace msa
