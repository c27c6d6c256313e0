#include "studies/supply_voltage_study.hpp"

void supplyVoltageStudy(Dialogue&, MachineData&) {}
