// The evaluation memo: every input its key lists, one ulp away, is a miss;
// every other field of the record, changed, leaves the state-derived results
// as they were, so nothing read is missing from the key; a restore writes
// everything the evaluation writes.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

#include "model/angles.hpp"
#include "model/commutation.hpp"
#include "model/dynamics.hpp"
#include "model/evaluation_memo.hpp"
#include "model/model_stop.hpp"
#include "model/transient_integration.hpp"
#include "support/start_up_state.hpp"

using namespace msa;

namespace {

using Field = float MachineData::*;
using Words = std::array<std::uint32_t, sizeof(MachineData) / 4>;

struct Input {
  Field field;
  int mode;  // 0: read in both control modes
};

// The memo's own lists: a field the evaluation reads that is missing from
// them changes its results in NoOtherFieldChangesTheStateDerivedResults; one
// it writes, the restored record in RestoresEverythingTheEvaluationWrites.
std::vector<Input> inputs() {
  std::vector<Input> all;
  for (const Field f : evaluation_fields::kRead) all.push_back({f, 0});
  for (const Field f : evaluation_fields::kReadHoldingBeta) all.push_back({f, 1});
  for (const Field f : evaluation_fields::kReadHoldingXhi) all.push_back({f, 2});
  return all;
}

Words wordsOf(const MachineData& m) { return std::bit_cast<Words>(m); }
MachineData recordOf(const Words& w) { return std::bit_cast<MachineData>(w); }

// The state menu S starts from, with beta held fixed or xhi held fixed; a
// minimum of xhi above the xhi of that state (0.86) makes beta held fixed read it.
MachineData startIn(int mode, float xhimin = 0) {
  static const MachineData start = simulationStart();
  MachineData m = start;
  m.ControlMode = float(mode);
  if (xhimin > 0) m.xhimin = xhimin;
  return m;
}

std::size_t wordIndex(Field f) {
  static const MachineData probe{};
  return std::size_t(reinterpret_cast<const char*>(&(probe.*f)) - reinterpret_cast<const char*>(&probe)) / 4;
}

bool readIn(std::size_t word, int mode) {
  for (const Input& in : inputs())
    if (wordIndex(in.field) == word && (in.mode == 0 || in.mode == mode)) return true;
  return false;
}

void solveFromStateAfresh(MachineData& m) {
  SilentNotices notices;
  solveCurrents(m);
  resolveAngles(m, notices);
  commutationCoefficients(m);
  angleCoefficients(m, AngleTrig::of(m));
}

TEST(EvaluationMemo, AnyInputOneUlpAwayIsAMissAndWritesNothing) {
  for (const int mode : {1, 2}) {
    const MachineData start = startIn(mode);
    EvaluationMemo memo;
    memo.remember(EvaluationInputs::of(start), start);
    MachineData same = start;
    EXPECT_TRUE(memo.restore(EvaluationInputs::of(same), same));
    for (const Input& in : inputs()) {
      if (in.mode != 0 && in.mode != mode) continue;
      Words w = wordsOf(start);
      ++w[wordIndex(in.field)];
      MachineData changed = recordOf(w);
      EXPECT_FALSE(memo.restore(EvaluationInputs::of(changed), changed))
          << "word " << wordIndex(in.field) << " mode " << mode;
      EXPECT_EQ(wordsOf(changed), w) << "word " << wordIndex(in.field);
    }
  }
}

TEST(EvaluationMemo, NoOtherFieldChangesTheStateDerivedResults) {
  const struct {
    int mode;
    float xhimin;
  } starts[] = {{1, 0}, {1, 1.0f}, {2, 0}};
  for (const auto& s : starts) {
    MachineData reference = startIn(s.mode, s.xhimin);
    solveFromStateAfresh(reference);
    for (std::size_t word = 0; word < Words{}.size(); ++word) {
      if (readIn(word, s.mode)) continue;
      // Far other values: the exponent changed, the sign turned; for a zero, one.
      for (const std::uint32_t flip : {0x00400000u, 0x80000000u}) {
        Words w = wordsOf(startIn(s.mode, s.xhimin));
        w[word] = w[word] ? w[word] ^ flip : 0x3f800000u;
        MachineData changed = recordOf(w);
        solveFromStateAfresh(changed);
        Words got = wordsOf(changed), want = wordsOf(reference);
        got[word] = want[word];
        EXPECT_EQ(got, want) << "word " << word << " mode " << s.mode << " xhimin " << s.xhimin;
      }
    }
  }
}

TEST(EvaluationMemo, RemembersTheLastTwoEvaluations) {
  MachineData a = startIn(1), b = a, c = a;
  b.psi = 1.0f;
  c.psi = 2.0f;
  EvaluationMemo memo;
  memo.remember(EvaluationInputs::of(a), a);
  memo.remember(EvaluationInputs::of(b), b);
  MachineData probe = a;
  EXPECT_TRUE(memo.restore(EvaluationInputs::of(probe), probe));
  memo.remember(EvaluationInputs::of(c), c);  // in place of a
  EXPECT_FALSE(memo.restore(EvaluationInputs::of(probe), probe));
  probe = b;
  EXPECT_TRUE(memo.restore(EvaluationInputs::of(probe), probe));
}

// Every field the evaluation does not read starts as a not-a-number that no
// computation gives, and x, y, z (read and written) off the values it gives:
// the restored record must then be the evaluated one.
TEST(EvaluationMemo, RestoresEverythingTheEvaluationWrites) {
  for (const int mode : {1, 2}) {
    Words w = wordsOf(startIn(mode));
    for (std::size_t word = 0; word < w.size(); ++word)
      if (!readIn(word, mode)) w[word] = 0x7fc0deadu;
    for (const Field f : {&MachineData::x, &MachineData::y, &MachineData::z})
      w[wordIndex(f)] ^= 0x100u;
    MachineData evaluated = recordOf(w);
    solveFromStateAfresh(evaluated);
    EvaluationMemo memo;
    memo.remember(EvaluationInputs::of(recordOf(w)), evaluated);
    MachineData restored = recordOf(w);
    ASSERT_TRUE(memo.restore(EvaluationInputs::of(restored), restored));
    EXPECT_EQ(wordsOf(restored), wordsOf(evaluated)) << "mode " << mode;
  }
}

TEST(EvaluationMemo, AStopIsDoneAgainAndLeavesTheSameRecord) {
  MachineData stopping = startIn(1);
  stopping.psi = -1.0f;  // a negative dc current
  ModelMemo memo;
  SilentNotices notices;
  MachineData first = stopping, second = stopping;
  EXPECT_THROW(evaluateModel(first, notices, memo), ModelStop);
  EXPECT_THROW(evaluateModel(second, notices, memo), ModelStop);
  EXPECT_EQ(wordsOf(first), wordsOf(second));
}

}  // namespace
