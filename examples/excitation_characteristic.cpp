// The field excitation a drive needs over a range of speeds, computed
// through msa's engine alone: no screen, no keys. The device and the
// operating point are those of the title screen's defaults, answered as
// Enter would answer every prompt but the speed's; each speed is a menu E of
// its own, from the same starting state.
//
//   excitation_characteristic [FROM_RPM TO_RPM STEP_RPM]   (default 200 2000 50)
//
// Prints one line per speed: the speed, the closed-form estimate of mf if,
// the excitation the iterations reach, and the shaft torque and power of
// that steady state; a speed where the model stops prints why instead.
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "data/machine_data.hpp"
#include "engine/excitation.hpp"
#include "engine/prompt_units.hpp"

using namespace msa;

namespace {

const char* stopName(StopReason reason) {
  switch (reason) {
    case StopReason::MuAbove60: return "overlap above 60 degrees";
    case StopReason::MuBelow0: return "negative overlap";
    case StopReason::AlphaUndefined: return "no firing angle";
    default: return "stopped";
  }
}

}  // namespace

int main(int argc, char** argv) {
  float from = 200, to = 2000, step = 50;
  if (argc == 4) {
    from = std::strtof(argv[1], nullptr);
    to = std::strtof(argv[2], nullptr);
    step = std::strtof(argv[3], nullptr);
  }
  if (!(step > 0) || !(to >= from)) {
    std::fprintf(stderr, "usage: excitation_characteristic [FROM_RPM TO_RPM STEP_RPM]\n");
    return 2;
  }
  DeviceParameters device;
  loadDefaults(device);
  device.M2Lr = derivedM2Lr(device);
  DriveState start;
  loadDefaults(start);

  std::printf("%8s %12s %12s %12s %12s\n", "r/min", "mfif_1 (Wb)", "mfif (Wb)", "Cmec (Nm)", "P (W)");
  for (int i = 0;; ++i) {
    const float rpm = from + float(i) * step;
    if (rpm > to) break;
    ExcitationInputs in = excitationDefaults(start);
    in.xhi = angleAnswer(start.angles.xhi, std::nullopt);
    in.omegam = speedAnswer(start.omegam, rpm);
    in.mu = angleAnswer(start.angles.mu, std::nullopt);
    const ExcitationStudy e = excitation(device, start, in);
    if (e.results) {
      std::printf("%8g %12.7g %12.7g %12.7g %12.7g\n", double(rpm), double(e.closedForm.mfif), double(e.state.mfif),
                  double(e.results->Cmec), double(e.results->shaftPower));
    } else {
      std::printf("%8g %12.7g %s\n", double(rpm), double(e.closedForm.mfif), stopName(e.chapterTwo.stop->reason));
    }
  }
  return 0;
}
