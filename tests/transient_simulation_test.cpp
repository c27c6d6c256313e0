#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "support/headless_run.hpp"
#include "engine/simulation.hpp"
#include "model/model_stop.hpp"
#include "model/transient_integration.hpp"
#include "model/model_notices.hpp"
#include "support/start_up_state.hpp"
#include "numeric/extended.hpp"

using namespace msa;

namespace {

struct StepRecord {
  float te0, te, udc, Idc;
};

class Recorder : public SimulationObserver {
 public:
  void runStarted(const StepPoint&) override { ++runs; }
  void stepDone(const StepPoint& start, const StepPoint& end) override {
    steps.push_back({start.te, end.te, end.udc, end.Idc});
  }
  void runEnded() override { ++ends; }
  std::vector<StepRecord> steps;
  int runs = 0, ends = 0;
};

struct Simulated {
  SimulationRun run;
  std::vector<StepRecord> steps;
};

// A run through the engine, as every front end makes it.
Simulated simulateFrom(const MachineData& m) {
  NoticeCounter notices;
  Recorder recorder;
  SimulationRun run = simulate(m.device, m.settings, m.state, recorder, notices);
  EXPECT_EQ(recorder.runs, 1);
  EXPECT_EQ(recorder.ends, 1);
  EXPECT_EQ(run.steps, static_cast<long>(recorder.steps.size()));
  return {run, recorder.steps};
}

TEST(TransientIntegration, DefaultRunReachesTheDisplayEndWithAStepChangeAtStep100) {
  const MachineData m = defaultRunStart();
  const Simulated sim = simulateFrom(m);
  const std::vector<StepRecord>& steps = sim.steps;
  ASSERT_FALSE(sim.run.stop);
  ASSERT_GE(steps.size(), 6500u);
  // te accumulates in single precision from -0.05 and never lands on 0.
  for (std::size_t i = 0; i < 99; ++i) {
    EXPECT_LE(steps[i].te, 0.0f) << i;
    EXPECT_EQ(steps[i].udc, m.state.Udc) << i;
  }
  EXPECT_GT(steps[99].te, 0.0f);
  EXPECT_LT(steps[99].te, 1e-6f);
  EXPECT_EQ(steps[99].udc, m.settings.Udcfin);
  // The loop ends on the first accumulated te at or above temax.
  EXPECT_GE(steps.back().te, 3.2f);
  EXPECT_LT(steps[steps.size() - 2].te, 3.2f);
  EXPECT_GT(sim.run.state.omegam, 120.0f);  // the machine speeds up under the higher voltage
  EXPECT_EQ(sim.run.state.Udc, m.settings.Udcfin);  // the next transient's start
}

TEST(SupplyRamp, HoldsThenRampsThenHolds) {
  struct Case {
    float tdt, tft, te, expected;
  };
  const Case cases[] = {
      {1, 3, 0.5f, 100},  {1, 3, 1, 100},  {1, 3, 2, 150},   {1, 3, 3, 200},
      {1, 3, 4, 200},     {2, 2, 2, 100},  {2, 2, 2.5f, 200}, {3, 1, 2, 100},  // tft <= tdt: a jump after tdt
      {3, 1, 3, 100},     {3, 1, 3.5f, 200},
  };
  for (const Case& c : cases) {
    SimulationSettings s;
    s.Udcfin = 200;
    s.tdt = c.tdt;
    s.tft = c.tft;
    EXPECT_EQ(supplyVoltage(s, 100, c.te), c.expected) << c.tdt << " " << c.tft << " " << c.te;
  }
}

TEST(TransientIntegration, DisplayEndWithinOneStepComputesExactlyOneStep) {
  for (float temax : {-0.05f, -0.0495f, -1.0f}) {
    MachineData m = defaultRunStart();
    m.settings.temax = temax;
    EXPECT_EQ(simulateFrom(m).steps.size(), 1u) << temax;
  }
}

TEST(TransientIntegration, ZeroStepEndsInTheNegativeCurrentStopAtTheStartTime) {
  MachineData m = defaultRunStart();
  m.settings.teinc = 0;
  const Simulated sim = simulateFrom(m);
  ASSERT_TRUE(sim.run.stop);
  EXPECT_EQ(sim.run.stop->reason, StopReason::NegativeCurrent);
  EXPECT_EQ(sim.run.stop->te, m.settings.temin);
  EXPECT_EQ(sim.run.state.Udc, m.state.Udc);  // a stopped run leaves Udc
}

TEST(TransientIntegration, StepsThatDoNotMoveTheTimeEndAfterOneStep) {
  for (float teinc : {-0.0005f, 1e-12f, std::numeric_limits<float>::quiet_NaN()}) {
    MachineData m = defaultRunStart();
    m.settings.teinc = teinc;
    const Simulated sim = simulateFrom(m);
    ASSERT_TRUE(sim.run.stop) << teinc;
    // Otherwise the model itself stopped first, which is its own behaviour.
    if (sim.run.stop->reason == StopReason::TimeStalled) {
      EXPECT_EQ(sim.steps.size(), 1u) << teinc;
    }
  }
  // Far from zero a step of 0.0005 no longer moves a single-precision time.
  MachineData late = defaultRunStart();
  late.settings.temin = 20000;
  late.settings.temax = 30000;
  const Simulated sim = simulateFrom(late);
  ASSERT_TRUE(sim.run.stop);
  EXPECT_EQ(sim.run.stop->reason, StopReason::TimeStalled);
  EXPECT_EQ(sim.steps.size(), 1u);
}

TEST(TransientIntegration, StopInAPassLeavesTheEulerAdvancedState) {
  MachineData m = defaultRunStart();
  m.settings.Udcfin = -2000;  // the current collapses within the first step after te > 0
  const Simulated sim = simulateFrom(m);
  ASSERT_TRUE(sim.run.stop) << "the current must turn negative";
  EXPECT_EQ(sim.run.stop->reason, StopReason::NegativeCurrent);
  EXPECT_LT(sim.run.state.currents.Idc, 0.0f);
  EXPECT_EQ(sim.run.stop->Idc, sim.run.state.currents.Idc);
  const float failingStepStart = sim.steps.back().te;
  // The time of the pass, not of the step start.
  EXPECT_EQ(sim.run.state.te, float(Extended(failingStepStart) + m.settings.teinc));
  EXPECT_NE(sim.run.state.omegam, m.state.omegam);
}

// Menu S through msa-headless. After the menu answer: control mode, xhimin
// (beta held), pause, three rates, Udcfin, five times, two graduations.
const std::string kDefaultSimulation = kToFirstMenu + "s\n" + enters(14);

TEST(TransientSimulation, SetUpDialogueWithTheDefaults) {
  const HeadlessRun run = runHeadless(kDefaultSimulation);
  const int first = run.find(" Simulation à angle d'attaque beta constant");
  ASSERT_GE(first, 0);
  EXPECT_EQ(run.rowStartingWith(first, " votre choix"), " votre choix (df  1 )=");
  EXPECT_EQ(run.rowStartingWith(first, " Valeur minimum de xhi"), " Valeur minimum de xhi (df  10 °)=");
  const int rates = run.find(" valeur initiale de la dérivée de mu  (df  0 rad/s)=");
  ASSERT_GE(rates, 0);
  const int settings = run.find(" écart entre deux graduations verticales (df  0.2 p.u.)=");
  ASSERT_GE(settings, 0);
  EXPECT_EQ(run.rowStartingWith(settings, " temps de début de la simulation temin"),
            " temps de début de la simulation temin (df -5.e-002 s)=");
  EXPECT_EQ(run.rowStartingWith(settings, " Valeur initiale de la tension d'alimentation Udc = "),
            " Valeur initiale de la tension d'alimentation Udc =  110 V");
  // The final wait shows the diagram's header and legend.
  const auto& diagram = run.last();
  EXPECT_EQ(diagram[0], "diagramme : 1 graduation horizontale = 0.5s");
  EXPECT_EQ(diagram[1], "            1 graduation verticale = 0.2p.u. ou 10°");
  EXPECT_EQ(diagram[2], " omegam mu  xhi  courant");
}

TEST(TransientSimulation, XhiHeldAtOnePointFiveDoesNotAskForTheMinimum) {
  const HeadlessRun run = runHeadless(kToFirstMenu + "s\n1.5\n");
  const auto& screen = run.last();
  EXPECT_NE(std::find(screen.begin(), screen.end(), " Simulation à angle de garde xhi constant"), screen.end());
  EXPECT_EQ(std::find(screen.begin(), screen.end(), " Valeur minimum de xhi (df  10 °)="), screen.end());
}

TEST(TransientSimulation, ASecondRunContinuesTheFirst) {
  const HeadlessRun run = runHeadless(kDefaultSimulation + "\n" + "s\n" + enters(7));
  const int second = run.find(" Valeur initiale de la tension d'alimentation Udc = ", 40);
  ASSERT_GE(second, 0);
  EXPECT_EQ(run.rowStartingWith(second, " Valeur initiale de la tension d'alimentation Udc = "),
            " Valeur initiale de la tension d'alimentation Udc =  153.5 V");
  // The menu between the two shows the end of the first run.
  const int menu = run.find("menu principal", 30);
  ASSERT_GE(menu, 0);
  EXPECT_EQ(run.rowStartingWith(menu, " tension = "), " tension =  153.5 V");
}

TEST(TransientSimulation, ZeroStepStopReportAtTheStartTime) {
  const HeadlessRun run = runHeadless(kToFirstMenu + "s\n" + enters(11) + "0\n\n\n\n");
  const int stop = run.find(" arrêt sur courant négatif en te =");
  ASSERT_GE(stop, 0);
  EXPECT_EQ(run.screens[static_cast<std::size_t>(stop)][3].rfind(" arrêt sur courant négatif en te =-5.e-002 s avec I = ", 0), 0u);
  EXPECT_EQ(run.last()[7], "menu principal");
}

TEST(TransientSimulation, ZeroGraduationsStillDrawAndFinish) {
  const HeadlessRun run = runHeadless(kToFirstMenu + "s\n" + enters(12) + "0\n0\n\n");
  ASSERT_GE(run.screens.size(), 2u);
  EXPECT_EQ(run.last()[7], "menu principal");
}

std::vector<unsigned char> readPicture(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::size_t size = 640 * 350;
  return bytes.size() >= size ? std::vector<unsigned char>(bytes.end() - size, bytes.end()) : bytes;
}

TEST(TransientSimulation, DiagramPixelsOfTheDefaultRun) {
  const auto dir = std::filesystem::temp_directory_path() / "msa-diagram-pictures";
  std::filesystem::create_directories(dir);
  const HeadlessRun run = runHeadless(kDefaultSimulation, dir.string());
  const int read = static_cast<int>(run.screens.size());
  const auto pixels = readPicture((dir / ("read-" + std::to_string(read) + ".pgm")).string());
  ASSERT_EQ(pixels.size(), 640u * 350u);
  auto at = [&](int column, int row) { return pixels[static_cast<std::size_t>(row * 640 + column)]; };
  // The curves start on the left frame and cross it in their own colours.
  for (int row = 45; row < 349; ++row) EXPECT_NE(at(0, row), 0) << "left frame, row " << row;
  for (int column = 0; column < 640; ++column) EXPECT_EQ(at(column, 349), 15) << "bottom frame " << column;
  for (int column = 40; column < 600; column += 37) EXPECT_EQ(at(column, 326) != 0, true) << "time axis " << column;
  for (int column : {108, 207, 305, 404, 502, 601})
    for (int row = 333; row <= 349; ++row) EXPECT_NE(at(column, row), 0) << column << "," << row;
  for (int row : {279, 232, 186, 139, 92, 46})
    for (int column = 1; column <= 33; ++column) EXPECT_NE(at(column, row), 0) << column << "," << row;
  // The curves start at the plotted defaults: current 5 A at row 223, mu 6.1 degrees near row 297.
  EXPECT_EQ(at(1, 223), 15);
  std::filesystem::remove_all(dir);
}

}  // namespace
