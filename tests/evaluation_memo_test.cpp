// The evaluation memo: its key is everything the state-derived part of an
// evaluation reads of the state, so a state that keeps the key solves to the
// same ModelSolution whatever else differs, and any change of the key is a
// miss; a hit gives the state a fresh evaluation would.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>

#include "model/model_stop.hpp"
#include "model/evaluation.hpp"
#include "model/transient_integration.hpp"
#include "model/model_notices.hpp"
#include "support/start_up_state.hpp"

using namespace msa;

namespace {

using StateWords = std::array<std::uint32_t, sizeof(DriveState) / 4>;
using SolutionWords = std::array<std::uint32_t, sizeof(ModelSolution) / 4>;
using KeyWords = std::array<std::uint32_t, sizeof(EvaluationKey) / 4>;

StateWords wordsOf(const DriveState& s) { return std::bit_cast<StateWords>(s); }
SolutionWords solutionOf(const DriveState& s) { return std::bit_cast<SolutionWords>(static_cast<const ModelSolution&>(s)); }

// The state menu S starts from, with beta held fixed or xhi held fixed, and
// the lowest xhi beta held fixed allows: above the xhi of that state (0.86),
// it is read.
struct Start {
  int mode;
  float xhimin;
};
constexpr Start kStarts[] = {{1, 0.17453294f}, {1, 1.0f}, {2, 0.17453294f}};

DriveState startIn(const Start& start) {
  static const MachineData run = defaultRunStart();
  DriveState s = run.state;
  s.control.ControlMode = float(start.mode);
  return s;
}

const DeviceParameters& device() {
  static const MachineData run = defaultRunStart();
  return run.device;
}

// Evaluated with nothing remembered; false when the model stopped.
bool evaluateAfresh(DriveState& s, float xhimin) {
  NoticeCounter notices;
  ModelMemo fresh;
  try {
    evaluateModel(device(), xhimin, s, notices, fresh);
  } catch (const ModelStop&) {
    return false;
  }
  return true;
}

TEST(EvaluationMemo, WhatKeepsTheKeySolvesAlike) {
  for (const Start& start : kStarts) {
    DriveState reference = startIn(start);
    const EvaluationKey key = EvaluationKey::of(reference, start.xhimin);
    ASSERT_TRUE(evaluateAfresh(reference, start.xhimin));
    for (std::size_t word = 0; word < StateWords{}.size(); ++word) {
      // Far other values: the exponent changed, the sign turned; for a zero, one.
      for (const std::uint32_t flip : {0x00400000u, 0x80000000u}) {
        StateWords w = wordsOf(startIn(start));
        w[word] = w[word] ? w[word] ^ flip : 0x3f800000u;
        DriveState changed = std::bit_cast<DriveState>(w);
        if (!(EvaluationKey::of(changed, start.xhimin) == key)) continue;
        ASSERT_TRUE(evaluateAfresh(changed, start.xhimin)) << "word " << word;
        EXPECT_EQ(solutionOf(changed), solutionOf(reference))
            << "word " << word << " mode " << start.mode << " xhimin " << start.xhimin;
      }
    }
  }
}

TEST(EvaluationMemo, AnyKeyWordOneUlpAwayIsAMiss) {
  for (const Start& start : kStarts) {
    DriveState s = startIn(start);
    const EvaluationKey key = EvaluationKey::of(s, start.xhimin);
    EvaluationMemo memo;
    memo.remember(key, s);
    EXPECT_NE(memo.find(key), nullptr);
    for (std::size_t word = 0; word < KeyWords{}.size(); ++word) {
      KeyWords w = std::bit_cast<KeyWords>(key);
      ++w[word];
      EXPECT_EQ(memo.find(std::bit_cast<EvaluationKey>(w)), nullptr) << "word " << word;
    }
  }
}

TEST(EvaluationMemo, AHitGivesTheFreshEvaluationsState) {
  for (const Start& start : kStarts) {
    DriveState fresh = startIn(start);
    ASSERT_TRUE(evaluateAfresh(fresh, start.xhimin));
    NoticeCounter notices;
    ModelMemo memo;
    DriveState first = startIn(start), again = startIn(start);
    evaluateModel(device(), start.xhimin, first, notices, memo);
    // What the key does not hold of the solution is overwritten by a hit.
    for (float* f : {&again.currents.det, &again.flux.psic, &again.angles.alpha, &again.commutation.coeffradd,
                     &again.angleCoefficients.kznu})
      *f = 1234.5f;
    evaluateModel(device(), start.xhimin, again, notices, memo);
    EXPECT_EQ(wordsOf(first), wordsOf(fresh)) << "mode " << start.mode;
    EXPECT_EQ(wordsOf(again), wordsOf(fresh)) << "mode " << start.mode;
  }
}

TEST(EvaluationMemo, RemembersTheLastTwoEvaluations) {
  DriveState a = startIn(kStarts[0]), b = a, c = a;
  b.fluxes.psi = 1.0f;
  c.fluxes.psi = 2.0f;
  EvaluationMemo memo;
  memo.remember(EvaluationKey::of(a, 0), a);
  memo.remember(EvaluationKey::of(b, 0), b);
  EXPECT_NE(memo.find(EvaluationKey::of(a, 0)), nullptr);
  memo.remember(EvaluationKey::of(c, 0), c);  // in place of a
  EXPECT_EQ(memo.find(EvaluationKey::of(a, 0)), nullptr);
  EXPECT_NE(memo.find(EvaluationKey::of(b, 0)), nullptr);
}

TEST(EvaluationMemo, AStopIsDoneAgainAndLeavesTheSameState) {
  DriveState stopping = startIn(kStarts[0]);
  stopping.fluxes.psi = -1.0f;  // a negative dc current
  ModelMemo memo;
  NoticeCounter notices;
  DriveState first = stopping, second = stopping;
  EXPECT_THROW(evaluateModel(device(), 0, first, notices, memo), ModelStop);
  EXPECT_THROW(evaluateModel(device(), 0, second, notices, memo), ModelStop);
  EXPECT_EQ(wordsOf(first), wordsOf(second));
}

}  // namespace
