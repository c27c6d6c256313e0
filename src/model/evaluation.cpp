#include "model/evaluation.hpp"

#include "model/angle_coefficients.hpp"
#include "model/angles.hpp"
#include "model/commutation.hpp"
#include "model/currents.hpp"
#include "model/voltages_and_torques.hpp"

namespace msa {

// A stop propagates before anything is remembered; an evaluation that told
// the user something is not remembered either, since restoring it would
// tell nothing.
void solveFromState(const DeviceParameters& d, float xhimin, DriveState& s, ModelNotices& notices, ModelMemo& memo) {
  const EvaluationKey key = EvaluationKey::of(s, xhimin);
  if (const ModelSolution* remembered = memo.evaluation.find(key)) {
    static_cast<ModelSolution&>(s) = *remembered;
    return;
  }
  CountedNotices counted(notices);
  solveCurrents(d, s);
  checkCurrent(s.currents);
  resolveAngles(d, {s.control, xhimin, s.currents, s.mfif, s.commutation}, s.flux, s.angles, counted, memo.cosines);
  const AngleTrig& t = memo.trig.of(s.angles);
  s.commutation = commutationCoefficients(s.angles, t);
  s.angleCoefficients = angleCoefficients(s.angles, s.commutation, t);
  if (counted.count == 0) memo.evaluation.remember(key, s);
}

void evaluateModel(const DeviceParameters& d, float xhimin, DriveState& s, ModelNotices& notices, ModelMemo& memo) {
  solveFromState(d, xhimin, s, notices, memo);
  setVoltagesAndTorques(d, s);
}

}  // namespace msa
