#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/machine_data.hpp"
#include "model/angles.hpp"
#include "model/commutation.hpp"
#include "model/dynamics.hpp"
#include "model/model_stop.hpp"
#include "model/steady_state.hpp"
#include "support/start_up_state.hpp"
#include "studies/stop_report.hpp"
#include "support/silent_notices.hpp"

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
  SilentNotices notices;
  for (const Case& c : cases) EXPECT_NEAR(argument(c.a, c.b, notices), c.expected, 1e-3) << c.a << "," << c.b;
  EXPECT_EQ(notices.count, 0);
}

TEST(Argument, ZeroOrUndefinedLengthIsReportedAndGivesZero) {
  SilentNotices notices;
  EXPECT_EQ(argument(0, 0, notices), 0.0f);
  EXPECT_EQ(argument(std::nanf(""), 1, notices), 0.0f);
  EXPECT_EQ(notices.count, 2);
}

MachineData anglesOnly(float muDegrees, float nuDegrees, float rauDegrees) {
  MachineData m;
  m.mu = float(muDegrees * kPi / 180);
  m.mu2 = m.mu / 2.0f;
  m.nu = float(nuDegrees * kPi / 180);
  m.rau = float(rauDegrees * kPi / 180);
  return m;
}

TEST(CommutationCoefficients, ApproachTheirLimitsForASmallOverlap) {
  MachineData m = anglesOnly(0.001f, 0, 0);
  commutationCoefficients(m);
  EXPECT_EQ(m.cmu2, 1.0f);
  EXPECT_EQ(m.smu2, m.mu2);
  EXPECT_EQ(m.y, 0.0f);
  EXPECT_NEAR(m.x, 3 * std::sqrt(3.0) / kPi, 1e-6);
  EXPECT_NEAR(m.z, 2.0, 1e-2);
  EXPECT_NEAR(m.coeffradd, 3 - 27 / (kPi * kPi), 2e-2);

  MachineData rotated = anglesOnly(0.001f, 0, 30);
  commutationCoefficients(rotated);
  EXPECT_NEAR(rotated.x, 3 * std::sqrt(3.0) / kPi * std::cos(kPi / 6), 1e-5);
  EXPECT_NEAR(rotated.y, -3 * std::sqrt(3.0) / kPi * std::sin(kPi / 6), 1e-5);
}

TEST(CommutationCoefficients, ZeroOverlapGivesUndefinedCoefficients) {
  MachineData m = anglesOnly(0, 140, 150);
  commutationCoefficients(m);
  EXPECT_TRUE(std::isnan(m.x));
  EXPECT_TRUE(std::isnan(m.y));
  EXPECT_TRUE(std::isnan(m.z));
  EXPECT_TRUE(std::isnan(m.coeffradd));
}

TEST(CommutationCoefficients, AreRepeatableAndLeaveTheAnglesAlone) {
  MachineData m = anglesOnly(6.1f, 142.5f, 148.9f);
  const MachineData before = m;
  commutationCoefficients(m);
  const float x = m.x, y = m.y, z = m.z, c = m.coeffradd;
  commutationCoefficients(m);
  EXPECT_EQ(m.x, x);
  EXPECT_EQ(m.y, y);
  EXPECT_EQ(m.z, z);
  EXPECT_EQ(m.coeffradd, c);
  EXPECT_EQ(m.mu, before.mu);
  EXPECT_EQ(m.mu2, before.mu2);
  EXPECT_EQ(m.nu, before.nu);
  EXPECT_EQ(m.rau, before.rau);
}

// A steady state close to the one the default data reach.
MachineData defaultSteadyState() {
  MachineData m;
  loadDefaults(m);
  m.x = -1.416715f;
  m.y = -0.8520617f;
  m.z = 1.966131f;
  m.mfif = 0.4922161f;
  m.Idc = 5;
  m.ControlMode = 2;
  return m;
}

std::string stopText(MachineData& m) {
  SilentNotices notices;
  try {
    resolveAngles(m, notices);
  } catch (const ModelStop& stop) {
    const std::string_view text = message(Language::French, stopMessage(stop.reason));
    return std::string(text.substr(0, text.find("{0}")));  // the words before the time
  }
  return "";
}

TEST(ResolveAngles, XhiFixedKeepsTheGuardAngleAndTiesTheAngles) {
  MachineData m = defaultSteadyState();
  const float xhi = m.xhi;
  EXPECT_EQ(stopText(m), "");
  EXPECT_EQ(m.xhi, xhi);
  EXPECT_NEAR(m.mu * 180 / kPi, 6.1, 0.1);
  EXPECT_NEAR(m.mu2, m.mu / 2, 1e-7);
  EXPECT_NEAR(m.nu, m.rau - m.delta, 1e-5);
  EXPECT_NEAR(m.beta, kPi / 3 + m.rau + m.mu2, 1e-5);
  EXPECT_NEAR(m.alpha, m.beta - 5 * kPi / 6 - m.delta, 1e-5);
  EXPECT_NEAR(m.psic, std::hypot(m.psidc, m.psiqc), 1e-6);
}

TEST(ResolveAngles, BetaFixedFindsTheSameStateFromItsBeta) {
  MachineData xhiHeld = defaultSteadyState();
  ASSERT_EQ(stopText(xhiHeld), "");
  MachineData betaHeld = defaultSteadyState();
  betaHeld.ControlMode = 1.5f;  // 1.5 itself holds beta here
  betaHeld.betaref = xhiHeld.beta;
  betaHeld.xhi = 0;
  EXPECT_EQ(stopText(betaHeld), "");
  EXPECT_EQ(betaHeld.beta, xhiHeld.beta);
  EXPECT_NEAR(betaHeld.xhi, xhiHeld.xhi, 1e-5);
  EXPECT_NEAR(betaHeld.mu, xhiHeld.mu, 1e-5);
}

TEST(ResolveAngles, GuardAngleBelowItsMinimumSwitchesToXhiHeldAtTheMinimum) {
  MachineData reference = defaultSteadyState();
  ASSERT_EQ(stopText(reference), "");
  MachineData m = defaultSteadyState();
  m.ControlMode = 1;
  m.betaref = reference.beta;
  m.xhimin = float(60 * kPi / 180);  // above the 49.5 degrees beta would give
  EXPECT_EQ(stopText(m), "");
  EXPECT_EQ(m.xhi, m.xhimin);
  EXPECT_NE(m.beta, m.betaref);  // recomputed by the xhi-held branch
}

TEST(ResolveAngles, StopsWithTheFourMessagesAndKeepsWhatItComputed) {
  {
    MachineData m = defaultSteadyState();
    m.ControlMode = 1;
    m.betaref = float(400 * kPi / 180);
    EXPECT_EQ(stopText(m), " commutation impossible car alpha > 180° en te = ");
    EXPECT_GT(m.alpha, pi);
    EXPECT_EQ(m.beta, m.betaref);
  }
  {
    MachineData m = defaultSteadyState();
    m.lc = 0.08f;  // a long overlap for the same current
    const float mu2 = m.mu2;
    EXPECT_EQ(stopText(m), " court-circuit car mu > 60° en te =");
    EXPECT_GT(m.mu, pi / 3);
    EXPECT_EQ(m.mu2, mu2);  // assigned only after the checks
  }
  {
    MachineData m = defaultSteadyState();
    m.Idc = -5;
    EXPECT_EQ(stopText(m), " impossibilité car mu < 0° en te =");
    EXPECT_LT(m.mu, 0);
  }
  {
    MachineData m = defaultSteadyState();
    m.x = std::nanf("");
    EXPECT_EQ(stopText(m), "arrêt sur impossibilité de calculer alpha en te = ");
  }
}

TEST(ResolveAngles, ZeroOverlapIsAcceptedButARoundedNegativeOneStops) {
  MachineData m = defaultSteadyState();
  m.xhi = 0;
  m.Idc = 0;  // cosval exactly 1: alpha = 0 = xhi
  EXPECT_EQ(stopText(m), "");
  EXPECT_EQ(m.mu, 0.0f);
  // Without current the overlap is mathematically 0, but arccos(cos xhi)
  // rounds below this xhi: the model reports it as a negative overlap.
  MachineData rounded = defaultSteadyState();
  rounded.xhi = 0.3f;
  rounded.Idc = 0;
  EXPECT_EQ(stopText(rounded), " impossibilité car mu < 0° en te =");
}

// The fluxes the excitation study leaves are those of its current with no
// damper current: solving the flux equations gives that state back.
TEST(SolveCurrents, TheFluxesOfASteadyStateGiveBackItsCurrents) {
  MachineData m = stateAfterStartUp();
  const float Idc = m.Idc;
  solveCurrents(m);
  EXPECT_NEAR(m.Idc, Idc, 1e-5 * Idc);
  EXPECT_NEAR(m.iD, 0.0f, 1e-5 * Idc);
  EXPECT_NEAR(m.iQ, 0.0f, 1e-5 * Idc);
}

TEST(SolveCurrents, NegativeCurrentStopsButZerosPass) {
  MachineData m = defaultSteadyState();
  m.mfif = 0;
  m.psi = m.psid = m.psiq = 0;  // nothing drives a current: Idc = 0
  EXPECT_NO_THROW(solveCurrents(m));
  EXPECT_EQ(m.Idc, 0.0f);
  m.psi = -0.01f;
  try {
    solveCurrents(m);
    FAIL() << "a negative current must stop";
  } catch (const ModelStop& stop) {
    EXPECT_EQ(stop.reason, StopReason::NegativeCurrent);
    EXPECT_LT(m.Idc, 0);
  }
  m.x = m.y = m.z = std::nanf("");
  EXPECT_THROW(solveCurrents(m), ModelStop);
}

// In a steady state the armature voltage of the dynamic equations is the
// supply voltage the supply-voltage study finds, and the current that study
// derives from the torque is the current that gives it.
TEST(VoltagesAndTorques, AgreeWithTheSupplyVoltageStudyInASteadyState) {
  MachineData m = defaultSteadyState();
  SilentNotices notices;
  ASSERT_NO_THROW(resolveAngles(m, notices));
  commutationCoefficients(m);
  angleCoefficients(m, AngleTrig::of(m));
  m.omega = float(m.omegam * m.p);
  m.iD = m.iQ = 0;
  m.drau = m.dmu = m.dnu = 0;
  voltagesAndTorques(m);
  EXPECT_EQ(m.umu, 0.0f);
  EXPECT_EQ(m.unu, 0.0f);
  MachineData study = m;
  torqueCurrent(study);
  EXPECT_FLOAT_EQ(study.Idc, m.Idc);
  supplyVoltageResults(study);
  EXPECT_NEAR(m.ue, study.udc, 1e-4 * std::fabs(study.udc));
  const float friction = m.Cfrot;
  m.omegam *= 2;
  voltagesAndTorques(m);
  EXPECT_FLOAT_EQ(m.Cfrot, 2 * friction);  // viscous friction
  m.Idc = 0;
  voltagesAndTorques(m);
  EXPECT_EQ(m.Cem, 0.0f);
  EXPECT_EQ(m.ures, 0.0f);
}

}  // namespace
