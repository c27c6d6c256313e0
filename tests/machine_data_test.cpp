#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <limits>

#include "data/machine_data.hpp"
#include "engine/prompt_units.hpp"
#include "numeric/extended.hpp"

using namespace msa;

namespace {

std::uint32_t bits(float f) { return std::bit_cast<std::uint32_t>(f); }

template <typename Record>
using FloatsOf = std::array<float, sizeof(Record) / sizeof(float)>;

template <typename Record>
Record filled(float value) {
  FloatsOf<Record> floats;
  floats.fill(value);
  return std::bit_cast<Record>(floats);
}

template <typename Record>
FloatsOf<Record> floatsOf(const Record& r) {
  return std::bit_cast<FloatsOf<Record>>(r);
}

// Menu R restores every default the data entry and the studies may have
// changed, and leaves what the last study computed for the next one.
TEST(MachineData, DefaultsRestoreTheSettingsAndKeepTheStateReached) {
  MachineData fresh;
  loadDefaults(fresh);
  MachineData m{filled<DeviceParameters>(7), filled<SimulationSettings>(7), filled<DriveState>(3)};
  loadDefaults(m);
  m.device.M2Lr = fresh.device.M2Lr;  // the data entry's, not a default
  EXPECT_EQ(floatsOf(m.device), floatsOf(fresh.device));
  EXPECT_EQ(m.device.Lr, m.device.M);  // a copy of M's default, not a constant of its own
  // The graduations have no default: every simulation offers its own.
  EXPECT_EQ(m.settings.dtgrad, 7.0f);
  EXPECT_EQ(m.settings.dygrad, 7.0f);
  m.settings.dtgrad = m.settings.dygrad = 0;
  EXPECT_EQ(floatsOf(m.settings), floatsOf(fresh.settings));
  // Of the state, only what has a default.
  DriveState kept = filled<DriveState>(3);
  kept.angles.xhi = fresh.state.angles.xhi;
  kept.Udc = fresh.state.Udc;
  kept.currents.Idc = fresh.state.currents.Idc;
  kept.angles.mu = fresh.state.angles.mu;
  kept.omegam = fresh.state.omegam;
  EXPECT_EQ(floatsOf(m.state), floatsOf(kept));
}

// These depend on the products being formed in 80-bit extended precision.
TEST(MachineData, DefaultAnglesAndSpeedRoundOnceFromExtendedProducts) {
  MachineData m;
  loadDefaults(m);
  EXPECT_FLOAT_EQ(m.state.angles.xhi, 0.86393803f);
  EXPECT_EQ(bits(m.state.angles.xhi), bits(0.86393803f));
  EXPECT_EQ(bits(m.state.angles.mu), bits(0.10646509f));
  EXPECT_EQ(bits(m.state.omegam), bits(120.00884f));
  EXPECT_EQ(bits(m.settings.xhimin), bits(0.17453294f));
}

// A prompt answered with Enter converts to the unit shown and back.
TEST(MachineData, EnterAtTheGuardAnglePromptMovesItOneStepDown) {
  MachineData m;
  loadDefaults(m);
  EXPECT_EQ(bits(angleAnswer(m.state.angles.xhi, std::nullopt)), bits(0.86393797f));
  EXPECT_EQ(bits(angleAnswer(m.state.angles.xhi, 49.5f)), bits(0.86393797f));  // as typing what is shown
  EXPECT_EQ(bits(angleAnswer(m.state.angles.mu, std::nullopt)), bits(m.state.angles.mu));
  EXPECT_EQ(bits(angleAnswer(m.settings.xhimin, std::nullopt)), bits(m.settings.xhimin));
  EXPECT_EQ(rpmShown(m.state.omegam), 1146.0f);
  EXPECT_EQ(bits(speedAnswer(m.state.omegam, std::nullopt)), bits(m.state.omegam));
}

}  // namespace
