#include "studies/transient_simulation.hpp"

#include <cstdio>
#include <string>

#include "diagram/curve_plotter.hpp"
#include "diagram/transient_diagram.hpp"
#include "model/dynamics.hpp"
#include "model/step_resolution.hpp"
#include "model/transient_integration.hpp"
#include "studies/run_observers.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

void chooseControl(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.newLine();
  printControlChoice(d);
  d.parameterPrompt(Msg::PromptControlChoice, m.ControlMode);
  d.newLine();
  if (m.ControlMode < 1.5f) {
    d.print(Msg::BetaHeldTitle, Ending::NewLine);
    m.betaref = m.beta;
    promptDegrees(d, Msg::PromptXhimin, m.xhimin);
  } else {
    d.print(Msg::XhiHeldTitle, Ending::NewLine);
    m.xhiref = m.xhi;
  }
  d.pause();
}

void showStartingPoint(Dialogue& d, const MachineData& m) {
  d.print(Msg::TransientTitle, Ending::NewLine);
  d.newLine();
  printValueLine(d, Msg::InitialPsiLine, m.psi);
  printValueLine(d, Msg::InitialPsidLine, m.psid);
  printValueLine(d, Msg::InitialPsiqLine, m.psiq);
  d.newLine();
  printValueLine(d, Msg::InitialRauLine, degrees(m.rau));
  printValueLine(d, Msg::InitialMuLine, degrees(m.mu));
  printValueLine(d, Msg::InitialNuLine, degrees(m.nu));
  d.newLine();
}

void askSettings(Dialogue& d, MachineData& m) {
  d.parameterPrompt(Msg::PromptDrau, m.drau);
  d.parameterPrompt(Msg::PromptDmu, m.dmu);
  d.parameterPrompt(Msg::PromptDnu, m.dnu);
  d.newLine();
  printValueLine(d, Msg::InitialUdcLine, m.Udc);
  d.parameterPrompt(Msg::PromptUdcfin, m.Udcfin);
  d.newLine();
  d.parameterPrompt(Msg::PromptTemin, m.temin);
  d.parameterPrompt(Msg::PromptTdt, m.tdt);
  d.parameterPrompt(Msg::PromptTft, m.tft);
  d.parameterPrompt(Msg::PromptTemax, m.temax);
  d.parameterPrompt(Msg::PromptTeinc, m.teinc);
  // The graduations are offered at 0.5 s and 0.2 p.u. every time.
  m.dtgrad = 0.5f;
  d.parameterPrompt(Msg::PromptDtgrad, m.dtgrad);
  m.dygrad = 0.2f;
  d.parameterPrompt(Msg::PromptDygrad, m.dygrad);
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
  StepNotice(Dialogue& d, const MachineData& m) : host_(d.host()), shown_(stepBelowTrustworthyRange(m)) {
    if (!shown_) return;
    char step[32], least[32];
    std::snprintf(step, sizeof step, "%.3g", double(m.teinc));
    std::snprintf(least, sizeof least, "%.2g", double(smallestTrustworthyStep(m)));
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

void drawAndIntegrate(Dialogue& d, MachineData& m, SimulationObserver* data) {
  DialogueNotices notices(d);
  const WorldWindow world = drawDiagram(d, m);
  DiagramPlotter plotter(d, world);
  StepFanOut observers;
  observers.add(plotter);
  if (data != nullptr) observers.add(*data);
  InterruptCheck interrupt(d.host());
  observers.add(interrupt);
  const FollowedRun followed(data, runStartPoint(m));
  integrateTransient(m, notices, observers);
}

void transientSimulation(Dialogue& d, MachineData& m, SimulationObserver* data) {
  chooseControl(d, m);
  voltagesAndTorques(m);
  showStartingPoint(d, m);
  askSettings(d, m);
  const StepNotice notice(d, m);
  drawAndIntegrate(d, m, data);
  d.readAnswer();
  m.Udc = m.Udcfin;
}

}  // namespace msa
