#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

#include "data/machine_data.hpp"

namespace {

std::uint32_t bits(float f) { return std::bit_cast<std::uint32_t>(f); }

TEST(MachineData, ConstantsHoldTheirSingleValues) {
  EXPECT_EQ(pi, 3.1415927410125732f);
  EXPECT_EQ(sqrt3, 1.7320507764816284f);
  EXPECT_EQ(NITER, 20);
}

TEST(MachineData, DefaultsAreTheListedSingleValues) {
  MachineData m;
  loadDefaults(m);
  EXPECT_EQ(m.ldc, 0.217f);
  EXPECT_EQ(m.rdc, 0.88f);
  EXPECT_EQ(m.p, 2.0f);
  EXPECT_EQ(m.r, 0.5f);
  EXPECT_EQ(m.lc, 0.00611f);
  EXPECT_EQ(m.M, 0.0109f);
  EXPECT_EQ(m.Lr, m.M);
  EXPECT_EQ(m.rA, 0.02f);
  EXPECT_EQ(m.romegam, 0.018f);
  EXPECT_EQ(m.J, 0.0936f);
  EXPECT_EQ(m.Udc, 110.0f);
  EXPECT_EQ(m.Idc, 5.0f);
  EXPECT_EQ(m.Udcfin, 153.5f);
  EXPECT_EQ(m.temin, -0.05f);
  EXPECT_EQ(m.temax, 3.2f);
  EXPECT_EQ(m.teinc, 0.0005f);
  EXPECT_EQ(m.ymin, -0.1f);
  EXPECT_EQ(m.ymax, 1.4f);
  EXPECT_EQ(m.choixIter, 0.0f);
}

// These depend on the products being formed in 80-bit extended precision.
TEST(MachineData, DefaultAnglesAndSpeedRoundOnceFromExtendedProducts) {
  if (sizeof(long double) < 10 || std::numeric_limits<long double>::digits != 64)
    GTEST_SKIP() << "needs the x87 80-bit long double";
  MachineData m;
  loadDefaults(m);
  EXPECT_FLOAT_EQ(m.xhi, 0.86393803f);
  EXPECT_EQ(bits(m.xhi), bits(0.86393803f));
  EXPECT_EQ(bits(m.mu), bits(0.10646509f));
  EXPECT_EQ(bits(m.omegam), bits(120.00884f));
  EXPECT_EQ(bits(m.xhimin), bits(0.17453294f));
}

// Converting to the unit shown and back, as a prompt answered with Enter does.
float throughDegrees(float angle) {
  using LD = long double;
  const float shown = float((LD(angle) / pi) * 180.0f);
  return float((LD(shown) / 180.0f) * pi);
}

TEST(MachineData, EnterAtTheGuardAnglePromptMovesItOneStepDown) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP() << "needs the x87 80-bit long double";
  MachineData m;
  loadDefaults(m);
  EXPECT_EQ(bits(throughDegrees(m.xhi)), bits(0.86393797f));
  EXPECT_EQ(bits(throughDegrees(m.mu)), bits(m.mu));
  EXPECT_EQ(bits(throughDegrees(m.xhimin)), bits(m.xhimin));
  using LD = long double;
  const float rpm = float((LD(m.omegam) / pi) * 30.0f);
  EXPECT_EQ(rpm, 1146.0f);
  EXPECT_EQ(bits(float((LD(rpm) / 30.0f) * pi)), bits(m.omegam));
}

}  // namespace
