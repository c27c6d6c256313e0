#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "data/drive_state.hpp"
#include "model/angle_trig.hpp"
#include "model/angles.hpp"
#include "model/model_notices.hpp"

namespace msa {

// Everything the state-derived part of an evaluation (currents, angles,
// commutation and angle coefficients) reads, but the device parameters,
// which do not change during the run a memo serves: the fluxes, the field
// flux, the coefficients x, y and z of the evaluation before, the control
// mode and what it holds (beta held fixed: betaref and xhimin, xhi then being
// written before it is read; xhi held fixed: the xhi of the state).
struct EvaluationKey {
  StateFluxes fluxes;
  float mfif;
  float x, y, z;
  float ControlMode;
  float held;         // betaref, or xhi
  float heldMinimum;  // xhimin, or 0

  static EvaluationKey of(const DriveState& s, float xhimin);
  // The same bits give the same results (a negative zero is a key of its own).
  friend bool operator==(const EvaluationKey& a, const EvaluationKey& b);
};

// The solutions of the last two state-derived evaluations, for their keys.
// In a simulation an evaluation often comes back to the inputs of the one or
// the two before it (passes that settle, or swing between two last bits), and
// then need not be done again: with a step of 1e-6 s, 13.4 of 16.7 million
// evaluations; with one remembered, 7.1 million.
class EvaluationMemo {
 public:
  // The remembered solution of `key`, if it is a remembered one.
  const ModelSolution* find(const EvaluationKey& key) const;
  // Remembers `solution` as that of `key`, in place of the older of the two.
  void remember(const EvaluationKey& key, const ModelSolution& solution);

 private:
  struct Entry {
    bool filled = false;
    EvaluationKey key{};
    ModelSolution solution{};
  };
  std::array<Entry, 2> entries_{};
  std::size_t next_ = 0;
};

// What a simulation remembers from one evaluation to the next.
struct ModelMemo {
  EvaluationMemo evaluation;
  AngleTrigMemo trig;  // for evaluations done again, whose angles often repeat
  CosineMemo cosines;  // of alpha or xhi, which the passes of a step mostly end on
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
