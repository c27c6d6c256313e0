#include "model/evaluation_memo.hpp"

#include <bit>

namespace msa {

namespace {

using KeyBits = std::array<std::uint32_t, sizeof(EvaluationKey) / sizeof(std::uint32_t)>;
static_assert(sizeof(EvaluationKey) == sizeof(KeyBits), "the key is floats alone");

}  // namespace

EvaluationKey EvaluationKey::of(const DriveState& s, float xhimin) {
  const bool betaHeld = s.control.ControlMode <= 1.5f;
  // Float by float: the fluxes were just stored by the x87, and a copy of
  // the three at once loads two of them as one word, which waits for both
  // stores to reach the cache (five times a step).
  return {{s.fluxes.psi, s.fluxes.psid, s.fluxes.psiq},
          s.mfif,
          s.commutation.x,
          s.commutation.y,
          s.commutation.z,
          s.control.ControlMode,
          betaHeld ? s.control.betaref : s.angles.xhi,
          betaHeld ? xhimin : 0.0f};
}

bool operator==(const EvaluationKey& a, const EvaluationKey& b) {
  return std::bit_cast<KeyBits>(a) == std::bit_cast<KeyBits>(b);
}

const ModelSolution* EvaluationMemo::find(const EvaluationKey& key) const {
  for (const Entry& e : entries_)
    if (e.filled && e.key == key) return &e.solution;
  return nullptr;
}

void EvaluationMemo::remember(const EvaluationKey& key, const ModelSolution& solution) {
  Entry& e = entries_[next_];
  next_ = (next_ + 1) % entries_.size();
  e = {true, key, solution};
}

}  // namespace msa
