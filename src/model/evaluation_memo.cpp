#include "model/evaluation_memo.hpp"

#include <bit>
#include <cstddef>
#include <iterator>

namespace msa {

namespace {

using Field = float MachineData::*;

// Read by solveCurrents, and by resolveAngles before it writes anything of its
// own (lc, M, Lr and mfif in the flux step; x, y and z are those of the
// previous evaluation).
constexpr Field kRead[] = {
    &MachineData::psi, &MachineData::psid, &MachineData::psiq, &MachineData::mfif,
    &MachineData::x,   &MachineData::y,    &MachineData::z,    &MachineData::M,
    &MachineData::Lr,  &MachineData::lc,   &MachineData::ldc,  &MachineData::ControlMode,
};
// Beta held fixed (ControlMode <= 1.5) reads betaref and xhimin; xhi is then
// written before it is read. Xhi held fixed reads xhi and neither of the others.
constexpr Field kReadHoldingBeta[] = {&MachineData::betaref, &MachineData::xhimin};
constexpr Field kReadHoldingXhi[] = {&MachineData::xhi};

// Written by solveCurrents, resolveAngles, commutationCoefficients and
// angleCoefficients.
constexpr Field kWritten[] = {
    &MachineData::det,  &MachineData::Idc,   &MachineData::iD,    &MachineData::iQ,
    &MachineData::beta, &MachineData::psidc, &MachineData::psiqc, &MachineData::delta,
    &MachineData::psic, &MachineData::alpha, &MachineData::xhi,   &MachineData::mu,
    &MachineData::mu2,  &MachineData::nu,    &MachineData::rau,   &MachineData::cmu2,
    &MachineData::smu2, &MachineData::x,     &MachineData::y,     &MachineData::z,
    &MachineData::coeffradd, &MachineData::kxmu, &MachineData::kymu, &MachineData::kzmu,
    &MachineData::kxnu, &MachineData::kynu,  &MachineData::kznu,
};

constexpr std::size_t kKeyWords = std::tuple_size_v<decltype(EvaluationInputs::bits)>;
static_assert(std::size(kRead) + std::size(kReadHoldingBeta) == kKeyWords);
static_assert(std::size(kReadHoldingXhi) <= std::size(kReadHoldingBeta));
static_assert(std::size(kWritten) == std::tuple_size_v<EvaluationResults>);

}  // namespace

EvaluationInputs EvaluationInputs::of(const MachineData& m) {
  EvaluationInputs in{};
  std::size_t i = 0;
  for (const Field f : kRead) in.bits[i++] = std::bit_cast<std::uint32_t>(m.*f);
  if (m.ControlMode <= 1.5f) {
    for (const Field f : kReadHoldingBeta) in.bits[i++] = std::bit_cast<std::uint32_t>(m.*f);
  } else {
    for (const Field f : kReadHoldingXhi) in.bits[i++] = std::bit_cast<std::uint32_t>(m.*f);
  }
  return in;
}

bool EvaluationMemo::restore(const EvaluationInputs& inputs, MachineData& m) const {
  for (const Entry& e : entries_) {
    if (!e.filled || !(inputs == e.inputs)) continue;
    for (std::size_t i = 0; i < e.results.size(); ++i) m.*kWritten[i] = e.results[i];
    return true;
  }
  return false;
}

void EvaluationMemo::remember(const EvaluationInputs& inputs, const MachineData& m) {
  Entry& e = entries_[next_];
  next_ = (next_ + 1) % entries_.size();
  for (std::size_t i = 0; i < e.results.size(); ++i) e.results[i] = m.*kWritten[i];
  e.inputs = inputs;
  e.filled = true;
}

}  // namespace msa
