#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"
#include "engine/study_stop.hpp"

namespace msa {

// One of the NITER iterations of the steady-state studies ("chapitre 2"),
// with what its screen prints, in that order.
struct SteadyIteration {
  std::int32_t iter = 0;  // 1 to NITER
  // The angles it starts from, in degrees.
  float rauDegrees = 0, muDegrees = 0, nuDegrees = 0;
  // The commutation coefficients of those angles.
  CommutationCoefficients commutation;
  // After the study's own step: the damper resistance, and the excitation
  // (menu E) or the dc current (menu U) it finds; the other as it was.
  float Radd = 0, mfif = 0, Idc = 0;
  // Directions found indeterminate while the angles were resolved: each
  // prints a line where it arises, before the flux vector.
  int notices = 0;
  // False when the model stopped in this iteration's angle resolution:
  // nothing below was computed.
  bool resolved = false;
  CommutationFlux flux;    // psidc, psiqc, psic
  float deltaDegrees = 0;  // the flux vector's new angle delta
};

struct SteadyIterations {
  std::vector<SteadyIteration> iterations;
  std::optional<StudyStop> stop;  // the model's stop, in the last iteration
};

// NITER passes on `s`, each computing the commutation coefficients of the
// angles it starts from, making the study's own step (`unknown`), and
// resolving the angles with the new flux vector. There is no convergence
// test: the count is fixed. A stop ends the passes, `s` as it stood then.
SteadyIterations iterateSteadyState(const DeviceParameters& d, float xhimin, DriveState& s,
                                    const std::function<void(DriveState&)>& unknown);

}  // namespace msa
