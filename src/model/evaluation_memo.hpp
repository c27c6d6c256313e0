#pragma once

#include <array>
#include <cstdint>

#include "data/machine_data.hpp"
#include "model/angle_trig.hpp"
#include "model/model_notices.hpp"

// Everything the state-derived part of a model evaluation (currents, angles,
// commutation and angle coefficients) reads, as the bits of each stored
// float: the same bits give the same results (a negative zero is a key of its own).
struct EvaluationInputs {
  std::array<std::uint32_t, 14> bits;

  static EvaluationInputs of(const MachineData& m);
  friend bool operator==(const EvaluationInputs&, const EvaluationInputs&) = default;
};

// Everything that part writes.
using EvaluationResults = std::array<float, 27>;

// The results of the last state-derived evaluation, for its inputs. In a
// simulation the corrector passes of a step often end on the state of the
// pass before, and then the evaluation need not be done again.
class EvaluationMemo {
 public:
  // Writes the remembered results into m when `inputs` are the remembered ones.
  bool restore(const EvaluationInputs& inputs, MachineData& m) const;
  // Remembers the results now in m as those of `inputs`.
  void remember(const EvaluationInputs& inputs, const MachineData& m);

 private:
  bool filled_ = false;
  EvaluationInputs inputs_{};
  EvaluationResults results_{};
};

// What a simulation remembers from one evaluation to the next.
struct ModelMemo {
  EvaluationMemo evaluation;
  AngleTrigMemo trig;  // for evaluations done again, whose angles often repeat
};

// Passes the notices on and counts them: an evaluation that told the user
// something is not remembered, since restoring it would tell nothing.
class CountedNotices : public ModelNotices {
 public:
  explicit CountedNotices(ModelNotices& inner) : inner_(inner) {}
  void indeterminateArgument() override {
    ++count;
    inner_.indeterminateArgument();
  }
  int count = 0;

 private:
  ModelNotices& inner_;
};
