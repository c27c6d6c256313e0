#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/machine_data.hpp"
#include "model/angles.hpp"
#include "model/commutation.hpp"
#include "model/angle_coefficients.hpp"
#include "model/currents.hpp"
#include "model/voltages_and_torques.hpp"
#include "model/model_stop.hpp"
#include "engine/steady_state.hpp"
#include "model/model_notices.hpp"
#include "support/start_up_state.hpp"
#include "studies/stop_report.hpp"

using namespace msa;

namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(Argument, GivesTheDirectionInMinusQuarterToSevenQuarters) {
  struct Case {
    float a, b;
    double expected;
  };
  const Case cases[] = {
      {1, 0, 0},          {1, 1, kPi / 4},         {0, 1, kPi / 2},        {-1, 1, 3 * kPi / 4},
      {-1, 0, kPi},       {-1, -1, 5 * kPi / 4},   {0, -1, 3 * kPi / 2},   {1, -1, -kPi / 4},
      {0.5f, -0.866f, 5.236},
  };
  NoticeCounter notices;
  for (const Case& c : cases) EXPECT_NEAR(argument(c.a, c.b, notices), c.expected, 1e-3) << c.a << "," << c.b;
  EXPECT_EQ(notices.count, 0);
}

TEST(Argument, ZeroOrUndefinedLengthIsReportedAndGivesZero) {
  NoticeCounter notices;
  EXPECT_EQ(argument(0, 0, notices), 0.0f);
  EXPECT_EQ(argument(std::nanf(""), 1, notices), 0.0f);
  EXPECT_EQ(notices.count, 2);
}

ConverterAngles anglesOnly(float muDegrees, float nuDegrees, float rauDegrees) {
  ConverterAngles a;
  a.mu = float(muDegrees * kPi / 180);
  a.mu2 = a.mu / 2.0f;
  a.nu = float(nuDegrees * kPi / 180);
  a.rau = float(rauDegrees * kPi / 180);
  return a;
}

TEST(CommutationCoefficients, ApproachTheirLimitsForASmallOverlap) {
  const ConverterAngles a = anglesOnly(0.001f, 0, 0);
  const CommutationCoefficients c = commutationCoefficients(a);
  EXPECT_EQ(c.cmu2, 1.0f);
  EXPECT_EQ(c.smu2, a.mu2);
  EXPECT_EQ(c.y, 0.0f);
  EXPECT_NEAR(c.x, 3 * std::sqrt(3.0) / kPi, 1e-6);
  EXPECT_NEAR(c.z, 2.0, 1e-2);
  EXPECT_NEAR(c.coeffradd, 3 - 27 / (kPi * kPi), 2e-2);

  const CommutationCoefficients rotated = commutationCoefficients(anglesOnly(0.001f, 0, 30));
  EXPECT_NEAR(rotated.x, 3 * std::sqrt(3.0) / kPi * std::cos(kPi / 6), 1e-5);
  EXPECT_NEAR(rotated.y, -3 * std::sqrt(3.0) / kPi * std::sin(kPi / 6), 1e-5);
}

TEST(CommutationCoefficients, ZeroOverlapGivesUndefinedCoefficients) {
  const CommutationCoefficients c = commutationCoefficients(anglesOnly(0, 140, 150));
  EXPECT_TRUE(std::isnan(c.x));
  EXPECT_TRUE(std::isnan(c.y));
  EXPECT_TRUE(std::isnan(c.z));
  EXPECT_TRUE(std::isnan(c.coeffradd));
}

// A steady state close to the one the default data reach.
MachineData defaultSteadyState() {
  MachineData m;
  loadDefaults(m);
  m.state.commutation.x = -1.416715f;
  m.state.commutation.y = -0.8520617f;
  m.state.commutation.z = 1.966131f;
  m.state.mfif = 0.4922161f;
  m.state.currents.Idc = 5;
  m.state.control.ControlMode = 2;
  return m;
}

void resolve(MachineData& m, ModelNotices& notices) {
  DriveState& s = m.state;
  resolveAngles(m.device, {s.control, m.settings.xhimin, s.currents, s.mfif, s.commutation}, s.flux, s.angles, notices);
}

std::string stopText(MachineData& m) {
  NoticeCounter notices;
  try {
    resolve(m, notices);
  } catch (const ModelStop& stop) {
    const std::string_view text = message(Language::French, stopMessage(stop.reason));
    return std::string(text.substr(0, text.find("{0}")));  // the words before the time
  }
  return "";
}

TEST(ResolveAngles, XhiFixedKeepsTheGuardAngleAndTiesTheAngles) {
  MachineData m = defaultSteadyState();
  const float xhi = m.state.angles.xhi;
  EXPECT_EQ(stopText(m), "");
  EXPECT_EQ(m.state.angles.xhi, xhi);
  EXPECT_NEAR(m.state.angles.mu * 180 / kPi, 6.1, 0.1);
  EXPECT_NEAR(m.state.angles.mu2, m.state.angles.mu / 2, 1e-7);
  EXPECT_NEAR(m.state.angles.nu, m.state.angles.rau - m.state.flux.delta, 1e-5);
  EXPECT_NEAR(m.state.angles.beta, kPi / 3 + m.state.angles.rau + m.state.angles.mu2, 1e-5);
  EXPECT_NEAR(m.state.angles.alpha, m.state.angles.beta - 5 * kPi / 6 - m.state.flux.delta, 1e-5);
  EXPECT_NEAR(m.state.flux.psic, std::hypot(m.state.flux.psidc, m.state.flux.psiqc), 1e-6);
}

TEST(ResolveAngles, BetaFixedFindsTheSameStateFromItsBeta) {
  MachineData xhiHeld = defaultSteadyState();
  ASSERT_EQ(stopText(xhiHeld), "");
  MachineData betaHeld = defaultSteadyState();
  betaHeld.state.control.ControlMode = 1.5f;  // 1.5 itself holds beta here
  betaHeld.state.control.betaref = xhiHeld.state.angles.beta;
  betaHeld.state.angles.xhi = 0;
  EXPECT_EQ(stopText(betaHeld), "");
  EXPECT_EQ(betaHeld.state.angles.beta, xhiHeld.state.angles.beta);
  EXPECT_NEAR(betaHeld.state.angles.xhi, xhiHeld.state.angles.xhi, 1e-5);
  EXPECT_NEAR(betaHeld.state.angles.mu, xhiHeld.state.angles.mu, 1e-5);
}

TEST(ResolveAngles, GuardAngleBelowItsMinimumSwitchesToXhiHeldAtTheMinimum) {
  MachineData reference = defaultSteadyState();
  ASSERT_EQ(stopText(reference), "");
  MachineData m = defaultSteadyState();
  m.state.control.ControlMode = 1;
  m.state.control.betaref = reference.state.angles.beta;
  m.settings.xhimin = float(60 * kPi / 180);  // above the 49.5 degrees beta would give
  EXPECT_EQ(stopText(m), "");
  EXPECT_EQ(m.state.angles.xhi, m.settings.xhimin);
  EXPECT_NE(m.state.angles.beta, m.state.control.betaref);  // recomputed by the xhi-held branch
}

TEST(ResolveAngles, StopsWithTheFourMessagesAndKeepsWhatItComputed) {
  {
    MachineData m = defaultSteadyState();
    m.state.control.ControlMode = 1;
    m.state.control.betaref = float(400 * kPi / 180);
    EXPECT_EQ(stopText(m), " commutation impossible car alpha > 180° en te = ");
    EXPECT_GT(m.state.angles.alpha, pi);
    EXPECT_EQ(m.state.angles.beta, m.state.control.betaref);
  }
  {
    MachineData m = defaultSteadyState();
    m.device.lc = 0.08f;  // a long overlap for the same current
    const float mu2 = m.state.angles.mu2;
    EXPECT_EQ(stopText(m), " court-circuit car mu > 60° en te =");
    EXPECT_GT(m.state.angles.mu, pi / 3);
    EXPECT_EQ(m.state.angles.mu2, mu2);  // assigned only after the checks
  }
  {
    MachineData m = defaultSteadyState();
    m.state.currents.Idc = -5;
    EXPECT_EQ(stopText(m), " impossibilité car mu < 0° en te =");
    EXPECT_LT(m.state.angles.mu, 0);
  }
  {
    MachineData m = defaultSteadyState();
    m.state.commutation.x = std::nanf("");
    EXPECT_EQ(stopText(m), "arrêt sur impossibilité de calculer alpha en te = ");
  }
}

TEST(ResolveAngles, ZeroOverlapIsAcceptedButARoundedNegativeOneStops) {
  MachineData m = defaultSteadyState();
  m.state.angles.xhi = 0;
  m.state.currents.Idc = 0;  // cosval exactly 1: alpha = 0 = xhi
  EXPECT_EQ(stopText(m), "");
  EXPECT_EQ(m.state.angles.mu, 0.0f);
  // Without current the overlap is mathematically 0, but arccos(cos xhi)
  // rounds below this xhi: the model reports it as a negative overlap.
  MachineData rounded = defaultSteadyState();
  rounded.state.angles.xhi = 0.3f;
  rounded.state.currents.Idc = 0;
  EXPECT_EQ(stopText(rounded), " impossibilité car mu < 0° en te =");
}

// Solves the flux equations of the state into its currents, and stops as
// an evaluation does.
void solveAndCheck(MachineData& m) {
  solveCurrents(m.device, m.state);
  checkCurrent(m.state.currents);
}

// The fluxes the excitation study leaves are those of its current with no
// damper current: solving the flux equations gives that state back.
TEST(SolveCurrents, TheFluxesOfASteadyStateGiveBackItsCurrents) {
  MachineData m = stateAfterStartUp();
  const float Idc = m.state.currents.Idc;
  solveCurrents(m.device, m.state);
  const Currents& i = m.state.currents;
  EXPECT_NEAR(i.Idc, Idc, 1e-5 * Idc);
  EXPECT_NEAR(i.iD, 0.0f, 1e-5 * Idc);
  EXPECT_NEAR(i.iQ, 0.0f, 1e-5 * Idc);
}

TEST(SolveCurrents, NegativeCurrentStopsButZerosPass) {
  MachineData m = defaultSteadyState();
  m.state.mfif = 0;
  m.state.fluxes = {0, 0, 0};  // nothing drives a current: Idc = 0
  EXPECT_NO_THROW(solveAndCheck(m));
  EXPECT_EQ(m.state.currents.Idc, 0.0f);
  m.state.fluxes.psi = -0.01f;
  try {
    solveAndCheck(m);
    FAIL() << "a negative current must stop";
  } catch (const ModelStop& stop) {
    EXPECT_EQ(stop.reason, StopReason::NegativeCurrent);
    EXPECT_LT(m.state.currents.Idc, 0);
  }
  m.state.commutation.x = m.state.commutation.y = m.state.commutation.z = std::nanf("");
  EXPECT_THROW(solveAndCheck(m), ModelStop);
}

// In a steady state the armature voltage of the dynamic equations is the
// supply voltage the supply-voltage study finds, and the current that study
// derives from the torque is the current that gives it.
TEST(VoltagesAndTorques, AgreeWithTheSupplyVoltageStudyInASteadyState) {
  MachineData m = defaultSteadyState();
  DriveState& s = m.state;
  const DeviceParameters& d = m.device;
  NoticeCounter notices;
  ASSERT_NO_THROW(resolve(m, notices));
  s.commutation = commutationCoefficients(s.angles);
  s.angleCoefficients = angleCoefficients(s.angles, s.commutation, AngleTrig::of(s.angles));
  s.omega = float(s.omegam * d.p);
  s.currents.iD = s.currents.iQ = 0;
  s.drau = s.dmu = s.dnu = 0;
  setVoltagesAndTorques(d, s);
  EXPECT_EQ(s.terms.umu, 0.0f);
  EXPECT_EQ(s.terms.unu, 0.0f);
  DriveState study = s;
  torqueCurrent(d, study);
  EXPECT_FLOAT_EQ(study.currents.Idc, s.currents.Idc);
  EXPECT_NEAR(s.terms.ue, steadySupplyVoltage(d, study), 1e-4 * std::fabs(steadySupplyVoltage(d, study)));
  const float friction = s.terms.Cfrot;
  s.omegam *= 2;
  setVoltagesAndTorques(d, s);
  EXPECT_FLOAT_EQ(s.terms.Cfrot, 2 * friction);  // viscous friction
  s.currents.Idc = 0;
  setVoltagesAndTorques(d, s);
  EXPECT_EQ(s.terms.Cem, 0.0f);
  EXPECT_EQ(s.terms.ures, 0.0f);
}

}  // namespace
