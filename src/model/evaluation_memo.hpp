#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "data/machine_data.hpp"
#include "model/angle_trig.hpp"
#include "model/model_notices.hpp"

namespace msa {

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

// The results of the last two state-derived evaluations, for their inputs.
// In a simulation an evaluation often comes back to the inputs of the one or
// the two before it (passes that settle, or swing between two last bits), and
// then need not be done again: with a step of 1e-6 s, 13.4 of 16.7 million
// evaluations; with one remembered, 7.1 million.
class EvaluationMemo {
 public:
  // Writes the remembered results into m when `inputs` are remembered ones.
  bool restore(const EvaluationInputs& inputs, MachineData& m) const;
  // Remembers the results now in m as those of `inputs`, in place of the
  // older of the two.
  void remember(const EvaluationInputs& inputs, const MachineData& m);

 private:
  struct Entry {
    bool filled = false;
    EvaluationInputs inputs{};
    EvaluationResults results{};
  };
  std::array<Entry, 2> entries_{};
  std::size_t next_ = 0;
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

}  // namespace msa
