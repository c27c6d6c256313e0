#include "engine/steady_iterations.hpp"

#include "data/constants.hpp"
#include "model/angles.hpp"
#include "model/commutation.hpp"
#include "model/degrees.hpp"
#include "model/model_stop.hpp"

namespace msa {

SteadyIterations iterateSteadyState(const DeviceParameters& d, float xhimin, DriveState& s,
                                    const std::function<void(DriveState&)>& unknown) {
  SteadyIterations run;
  for (std::int32_t iter = 1; iter <= NITER; ++iter) {
    SteadyIteration& it = run.iterations.emplace_back();
    it.iter = iter;
    it.rauDegrees = degrees(s.angles.rau);
    it.muDegrees = degrees(s.angles.mu);
    it.nuDegrees = degrees(s.angles.nu);
    s.commutation = commutationCoefficients(s.angles);
    it.commutation = s.commutation;
    unknown(s);
    it.Radd = s.terms.Radd;
    it.mfif = s.mfif;
    it.Idc = s.currents.Idc;
    NoticeCounter notices;
    try {
      resolveAngles(d, {s.control, xhimin, s.currents, s.mfif, s.commutation}, s.flux, s.angles, notices);
    } catch (const ModelStop& stop) {
      it.notices = notices.count;
      run.stop = studyStop(stop, s);
      return run;
    }
    it.notices = notices.count;
    it.resolved = true;
    it.flux = s.flux;
    it.deltaDegrees = degrees(s.flux.delta);
  }
  return run;
}

}  // namespace msa
