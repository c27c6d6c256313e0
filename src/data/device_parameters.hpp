#pragma once

namespace msa {

// The ten parameters of the device, typed on the data-entry screen, and
// M2Lr derived from them there. Every study and the model only read them.
struct DeviceParameters {
  float ldc = 0;      // dc-link inductance, H
  float rdc = 0;      // dc-link resistance, ohm
  float p = 0;        // pole pairs, a whole number held as a float
  float r = 0;        // resistance of one phase, ohm
  float lc = 0;       // commutation inductance, H
  float M = 0;        // largest mutual inductance of a phase and a damper, H
  float Lr = 0;       // self-inductance of a damper, H
  float rA = 0;       // damper resistance referred to the stator, ohm
  float romegam = 0;  // viscous friction coefficient, Nm/(rad/s)
  float J = 0;        // inertia, kg m^2
  float M2Lr = 0;     // 1.5 M^2 / Lr, H: set right after Lr is typed, read by the closed form of menu E
};

// The defaults of the title screen, in their order.
void loadDefaults(DeviceParameters& d);

// M2Lr as the data entry derives it from M and Lr: (M M 1.5) / Lr.
float derivedM2Lr(const DeviceParameters& d);

}  // namespace msa
