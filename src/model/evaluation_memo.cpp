#include "model/evaluation_memo.hpp"

#include <bit>
#include <cstddef>

namespace msa {

using namespace evaluation_fields;

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
