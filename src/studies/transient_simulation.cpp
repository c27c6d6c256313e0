#include "studies/transient_simulation.hpp"

#include <cstdio>
#include <string>

#include "diagram/curve_plotter.hpp"
#include "diagram/transient_diagram.hpp"
#include "engine/simulation.hpp"
#include "model/step_resolution.hpp"
#include "studies/run_observers.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

SimulationInputs chooseControl(Dialogue& d, MachineData& m) {
  SimulationInputs in = simulationDefaults(m.state);
  d.clearScreen();
  d.newLine();
  printControlChoice(d);
  d.parameterPrompt(Msg::PromptControlChoice, in.ControlMode);
  d.newLine();
  if (holdsBeta(in.ControlMode)) {
    d.print(Msg::BetaHeldTitle, Ending::NewLine);
    promptDegrees(d, Msg::PromptXhimin, m.settings.xhimin);
  } else {
    d.print(Msg::XhiHeldTitle, Ending::NewLine);
  }
  d.pause();
  return in;
}

void showStartingPoint(Dialogue& d, const DriveState& s) {
  d.print(Msg::TransientTitle, Ending::NewLine);
  d.newLine();
  printValueLine(d, Msg::InitialPsiLine, s.fluxes.psi);
  printValueLine(d, Msg::InitialPsidLine, s.fluxes.psid);
  printValueLine(d, Msg::InitialPsiqLine, s.fluxes.psiq);
  d.newLine();
  printValueLine(d, Msg::InitialRauLine, degrees(s.angles.rau));
  printValueLine(d, Msg::InitialMuLine, degrees(s.angles.mu));
  printValueLine(d, Msg::InitialNuLine, degrees(s.angles.nu));
  d.newLine();
}

void askSettings(Dialogue& d, SimulationInputs& in, float Udc, SimulationSettings& s) {
  d.parameterPrompt(Msg::PromptDrau, in.drau);
  d.parameterPrompt(Msg::PromptDmu, in.dmu);
  d.parameterPrompt(Msg::PromptDnu, in.dnu);
  d.newLine();
  printValueLine(d, Msg::InitialUdcLine, Udc);
  d.parameterPrompt(Msg::PromptUdcfin, s.Udcfin);
  d.newLine();
  d.parameterPrompt(Msg::PromptTemin, s.temin);
  d.parameterPrompt(Msg::PromptTdt, s.tdt);
  d.parameterPrompt(Msg::PromptTft, s.tft);
  d.parameterPrompt(Msg::PromptTemax, s.temax);
  d.parameterPrompt(Msg::PromptTeinc, s.teinc);
  // The graduations are offered at 0.5 s and 0.2 p.u. every time.
  s.dtgrad = 0.5f;
  d.parameterPrompt(Msg::PromptDtgrad, s.dtgrad);
  s.dygrad = 0.2f;
  d.parameterPrompt(Msg::PromptDygrad, s.dygrad);
}

// Draws each finished step on the diagram and lets the window show it.
class DiagramPlotter : public StepObserver {
 public:
  DiagramPlotter(Dialogue& d, const WorldWindow& world) : d_(d), curves_(world) {}
  void stepDone(const StepPoint& start, const StepPoint& end) override {
    curves_.plot(d_, {start.te, start.omegam, start.mu, start.xhi, start.Idc},
                 {end.te, end.omegam, end.mu, end.xhi, end.Idc});
    d_.host().pictureChanged(d_.screen());
  }

 private:
  Dialogue& d_;
  CurvePlotter curves_;
};

// Tells the host, for the length of the run, that its time step is below the
// range whose results the float state keeps (the screens stay as they are).
class StepNotice {
 public:
  StepNotice(Dialogue& d, const MachineData& m, const DriveState& start)
      : host_(d.host()), shown_(stepBelowTrustworthyRange(m.device, m.settings, start)) {
    if (!shown_) return;
    char step[32], least[32];
    std::snprintf(step, sizeof step, "%.3g", double(m.settings.teinc));
    std::snprintf(least, sizeof least, "%.2g", double(smallestTrustworthyStep(m.device, m.settings, start)));
    host_.runNotice(fillPlaceholders(d.text(Msg::SmallStepNotice), {step, least}));
  }
  ~StepNotice() {
    if (shown_) host_.runNotice({});
  }
  StepNotice(const StepNotice&) = delete;
  StepNotice& operator=(const StepNotice&) = delete;

 private:
  Host& host_;
  bool shown_;
};

}  // namespace

void drawAndSimulate(Dialogue& d, MachineData& m, const DriveState& start, SimulationObserver* data) {
  DialogueNotices notices(d);
  const WorldWindow world = drawDiagram(d, m.settings);
  DiagramPlotter plotter(d, world);
  RunFanOut observers;
  observers.add(plotter);
  if (data != nullptr) observers.add(*data);
  InterruptCheck interrupt(d.host());
  observers.add(interrupt);
  const SimulationRun run = simulate(m.device, m.settings, start, observers, notices);
  m.state = run.state;
  if (run.stop) throw *run.stop;
}

void transientSimulation(Dialogue& d, MachineData& m, SimulationObserver* data) {
  SimulationInputs in = chooseControl(d, m);
  showStartingPoint(d, m.state);
  askSettings(d, in, m.state.Udc, m.settings);
  const DriveState start = simulationStart(m.device, m.state, in);
  const StepNotice notice(d, m, start);
  drawAndSimulate(d, m, start, data);
  d.readAnswer();
}

}  // namespace msa
