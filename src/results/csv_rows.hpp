#pragma once

#include <string>

#include "model/transient_integration.hpp"

namespace msa {

// The simulation data as comma-separated values: one row per instant, speed
// in r/min and angles in degrees as the status lines show them, each number
// with 9 significant digits (a float read back is the same float) and a
// point as decimal separator whatever the locale.

inline constexpr const char* kCsvHeader = "run,te_s,speed_rpm,idc_a,mu_deg,xhi_deg,beta_deg,udc_v,cem_nm\n";

// "%.9g" of the value, without the locale.
void appendCsvNumber(std::string& out, float value);

// One row, line end included; `run` counts the runs from 1.
void appendCsvRow(std::string& out, int run, const StepPoint& point);

}  // namespace msa
