#include "studies/transient_simulation.hpp"

#include "diagram/curve_plotter.hpp"
#include "diagram/transient_diagram.hpp"
#include <cstdio>
#include <string>

#include "model/dynamics.hpp"
#include "model/step_resolution.hpp"
#include "studies/study_io.hpp"
#include "model/transient_integration.hpp"
#include "studies/run_observers.hpp"

namespace msa {

namespace {

void chooseControl(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.newLine();
  printControlChoice(d);
  d.parameterPrompt("votre choix", m.ControlMode, "");
  d.newLine();
  if (m.ControlMode < 1.5f) {
    d.printText(" Simulation à angle d'attaque beta constant", Ending::NewLine);
    m.betaref = m.beta;
    promptDegrees(d, "Valeur minimum de xhi", m.xhimin, "°");
  } else {
    d.printText(" Simulation à angle de garde xhi constant", Ending::NewLine);
    m.xhiref = m.xhi;
  }
  d.pause();
}

void showStartingPoint(Dialogue& d, const MachineData& m) {
  d.printText(" Calcul de simulation temporelle", Ending::NewLine);
  d.newLine();
  printValueLine(d, " Valeur initiale de psi  = ", m.psi, " Wb");
  printValueLine(d, " Valeur initiale de psid = ", m.psid, " Wb");
  printValueLine(d, " Valeur initiale de psiq = ", m.psiq, " Wb");
  d.newLine();
  printValueLine(d, " Valeur initiale de rau = ", degrees(m.rau), "°");
  printValueLine(d, " Valeur initiale de mu  = ", degrees(m.mu), "°");
  printValueLine(d, " Valeur initiale de nu  = ", degrees(m.nu), "°");
  d.newLine();
}

void askSettings(Dialogue& d, MachineData& m) {
  d.parameterPrompt("valeur initiale de la dérivée de rau", m.drau, "rad/s");
  d.parameterPrompt("valeur initiale de la dérivée de mu ", m.dmu, "rad/s");
  d.parameterPrompt("valeur initiale de la dérivée de nu ", m.dnu, "rad/s");
  d.newLine();
  printValueLine(d, " Valeur initiale de la tension d'alimentation Udc = ", m.Udc, " V");
  d.parameterPrompt("Valeur finale de la tension d'alimentation Udc", m.Udcfin, "V");
  d.newLine();
  d.parameterPrompt("temps de début de la simulation temin", m.temin, "s");
  d.parameterPrompt("temps de début du transitoire", m.tdt, "s");
  d.parameterPrompt("temps de fin du transitoire de tension", m.tft, "s");
  d.parameterPrompt("temps de fin de l'affichage temax", m.temax, "s");
  d.parameterPrompt("pas temporel teinc", m.teinc, "s");
  // The graduations are offered at 0.5 s and 0.2 p.u. every time.
  m.dtgrad = 0.5f;
  d.parameterPrompt("écart entre deux graduations de temps", m.dtgrad, "s");
  m.dygrad = 0.2f;
  d.parameterPrompt("écart entre deux graduations verticales", m.dygrad, "p.u.");
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
  StepNotice(Host& host, const MachineData& m) : host_(host), shown_(stepBelowTrustworthyRange(m)) {
    if (!shown_) return;
    char text[160];
    std::snprintf(text, sizeof text, "pas de %.3g s trop petit pour les nombres en simple précision : "
                  "résultats moins précis, prendre au moins %.2g s", double(m.teinc),
                  double(smallestTrustworthyStep(m)));
    host_.runNotice(text);
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
  const StepNotice notice(d.host(), m);
  drawAndIntegrate(d, m, data);
  d.readAnswer();
  m.Udc = m.Udcfin;
}

}  // namespace msa
