#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <limits>

#include "data/machine_data.hpp"
#include "numeric/extended.hpp"

using namespace msa;

namespace {

std::uint32_t bits(float f) { return std::bit_cast<std::uint32_t>(f); }

// Menu R restores every default the data entry and the studies may have
// changed, and leaves what the last study computed for the next one.
TEST(MachineData, DefaultsRestoreTheSettingsAndKeepTheStateReached) {
  MachineData fresh;
  loadDefaults(fresh);
  MachineData m = fresh;
  m.ldc = m.rdc = m.p = m.r = m.lc = m.M = m.Lr = m.rA = m.romegam = m.J = 7;
  m.xhi = m.mu = m.omegam = m.Udc = m.Idc = 7;
  m.choixIter = m.xhimin = m.Udcfin = m.temin = m.tdt = m.tft = m.temax = m.ymin = m.ymax = m.teinc = 7;
  m.beta = m.betaref = m.xhiref = m.delta = m.mfif = m.Cmec = m.ControlMode = m.udc = m.psi = 3;
  loadDefaults(m);
  using Field = float MachineData::*;
  for (const Field field : std::initializer_list<Field>{&MachineData::ldc, &MachineData::rdc, &MachineData::p, &MachineData::r, &MachineData::lc,
        &MachineData::M, &MachineData::Lr, &MachineData::rA, &MachineData::romegam, &MachineData::J,
        &MachineData::xhi, &MachineData::mu, &MachineData::omegam, &MachineData::Udc, &MachineData::Idc,
        &MachineData::choixIter, &MachineData::xhimin, &MachineData::Udcfin, &MachineData::temin,
        &MachineData::tdt, &MachineData::tft, &MachineData::temax, &MachineData::ymin, &MachineData::ymax,
        &MachineData::teinc})
    EXPECT_EQ(bits(m.*field), bits(fresh.*field));
  EXPECT_EQ(m.Lr, m.M);  // a copy of M's default, not a constant of its own
  for (const Field kept : std::initializer_list<Field>{&MachineData::beta, &MachineData::betaref, &MachineData::xhiref,
                                   &MachineData::delta, &MachineData::mfif, &MachineData::Cmec,
                                   &MachineData::ControlMode, &MachineData::udc, &MachineData::psi})
    EXPECT_EQ(m.*kept, 3.0f);
}

// These depend on the products being formed in 80-bit extended precision.
TEST(MachineData, DefaultAnglesAndSpeedRoundOnceFromExtendedProducts) {
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
  const float shown = float((Extended(angle) / pi) * 180.0f);
  return float((Extended(shown) / 180.0f) * pi);
}

TEST(MachineData, EnterAtTheGuardAnglePromptMovesItOneStepDown) {
  MachineData m;
  loadDefaults(m);
  EXPECT_EQ(bits(throughDegrees(m.xhi)), bits(0.86393797f));
  EXPECT_EQ(bits(throughDegrees(m.mu)), bits(m.mu));
  EXPECT_EQ(bits(throughDegrees(m.xhimin)), bits(m.xhimin));
  const float rpm = float((Extended(m.omegam) / pi) * 30.0f);
  EXPECT_EQ(rpm, 1146.0f);
  EXPECT_EQ(bits(float((Extended(rpm) / 30.0f) * pi)), bits(m.omegam));
}

}  // namespace
