#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "data/machine_data.hpp"
#include "model/angle_trig.hpp"
#include "model/angles.hpp"
#include "model/model_notices.hpp"

namespace msa {

// The fields of the record that the state-derived part of a model evaluation
// (currents, angles, commutation and angle coefficients: solveCurrents,
// resolveAngles, commutationCoefficients, angleCoefficients) reads and
// writes. The memo's key and its results are these lists and nothing else;
// tests/evaluation_memo_test.cpp runs the evaluation against them and fails
// when a field it reads or writes is missing here.
namespace evaluation_fields {

using Field = float MachineData::*;

// Read by solveCurrents, and by resolveAngles before it writes anything of its
// own (lc, M, Lr and mfif in the flux step; x, y and z are those of the
// previous evaluation).
inline constexpr Field kRead[] = {
    &MachineData::psi, &MachineData::psid, &MachineData::psiq, &MachineData::mfif,
    &MachineData::x,   &MachineData::y,    &MachineData::z,    &MachineData::M,
    &MachineData::Lr,  &MachineData::lc,   &MachineData::ldc,  &MachineData::ControlMode,
};
// Beta held fixed (ControlMode <= 1.5) reads betaref and xhimin; xhi is then
// written before it is read. Xhi held fixed reads xhi and neither of the others.
inline constexpr Field kReadHoldingBeta[] = {&MachineData::betaref, &MachineData::xhimin};
inline constexpr Field kReadHoldingXhi[] = {&MachineData::xhi};

inline constexpr Field kWritten[] = {
    &MachineData::det,  &MachineData::Idc,   &MachineData::iD,    &MachineData::iQ,
    &MachineData::beta, &MachineData::psidc, &MachineData::psiqc, &MachineData::delta,
    &MachineData::psic, &MachineData::alpha, &MachineData::xhi,   &MachineData::mu,
    &MachineData::mu2,  &MachineData::nu,    &MachineData::rau,   &MachineData::cmu2,
    &MachineData::smu2, &MachineData::x,     &MachineData::y,     &MachineData::z,
    &MachineData::coeffradd, &MachineData::kxmu, &MachineData::kymu, &MachineData::kzmu,
    &MachineData::kxnu, &MachineData::kynu,  &MachineData::kznu,
};

}  // namespace evaluation_fields

// Everything the evaluation reads, as the bits of each stored float, in the
// order of the lists (kRead, then the control mode's own): the same bits give
// the same results (a negative zero is a key of its own).
struct EvaluationInputs {
  std::array<std::uint32_t, std::size(evaluation_fields::kRead) +
                                std::max(std::size(evaluation_fields::kReadHoldingBeta),
                                         std::size(evaluation_fields::kReadHoldingXhi))>
      bits;

  static EvaluationInputs of(const MachineData& m);
  friend bool operator==(const EvaluationInputs&, const EvaluationInputs&) = default;
};

// Everything that part writes, in the order of kWritten.
using EvaluationResults = std::array<float, std::size(evaluation_fields::kWritten)>;

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
