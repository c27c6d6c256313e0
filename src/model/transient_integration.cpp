#include "model/transient_integration.hpp"

#include "model/evaluation.hpp"
#include "model/model_stop.hpp"
#include "model/voltages_and_torques.hpp"
#include "numeric/extended.hpp"

namespace msa {

namespace {

// An Euler predictor and three trapezoidal corrections.
constexpr int kPassesPerStep = 4;

// The values at the start of a time step, taken before anything of the step
// is computed: the end values of the previous step.
struct StepStart {
  float te0, psid0, psiq0, psi0, omegam0, Idc0, iD0, iQ0;
  float udc0, ue0, Cem0, Cfrot0, rau0, mu0, nu0, xhi0, beta0;
};

// The right-hand sides the passes advance the state with: the start values
// for the Euler pass, then the means of start and latest end values.
struct Means {
  float iDmoy, iQmoy, udcmoy, uemoy, Cemmoy, Cfrotmoy;
};

// What a run reads and does not change: the device, the settings.
struct Run {
  const DeviceParameters& d;
  const SimulationSettings& settings;
  ModelNotices& notices;
  ModelMemo& memo;
};

StepStart takeStepStartCopies(const DriveState& s) {
  return {s.te,  s.fluxes.psid, s.fluxes.psiq, s.fluxes.psi, s.omegam, s.currents.Idc, s.currents.iD, s.currents.iQ,
          s.udc, s.terms.ue,    s.terms.Cem,   s.terms.Cfrot, s.angles.rau, s.angles.mu, s.angles.nu, s.angles.xhi,
          s.angles.beta};
}

Means startMeans(const StepStart& s) { return {s.iD0, s.iQ0, s.udc0, s.ue0, s.Cem0, s.Cfrot0}; }

float mean(float value, float start) { return float((Extended(value) + start) / 2.0f); }

Means updateMeans(const DriveState& s, const StepStart& start) {
  return {mean(s.currents.iD, start.iD0), mean(s.currents.iQ, start.iQ0), mean(s.udc, start.udc0),
          mean(s.terms.ue, start.ue0),    mean(s.terms.Cem, start.Cem0),  mean(s.terms.Cfrot, start.Cfrot0)};
}

Means pass(const Run& run, DriveState& s, const StepStart& start, const Means& w) {
  const DeviceParameters& d = run.d;
  const float teinc = run.settings.teinc;
  s.fluxes.psid = float(Extended(start.psid0) - ((Extended(w.iDmoy) * d.rA) * teinc));
  s.fluxes.psiq = float(Extended(start.psiq0) - ((Extended(w.iQmoy) * d.rA) * teinc));
  s.fluxes.psi = float(((Extended(w.udcmoy) - w.uemoy) * teinc) + start.psi0);
  s.omegam = float(((((Extended(w.Cemmoy) - w.Cfrotmoy) - s.Cmec) / d.J) * teinc) + start.omegam0);
  s.omega = float(Extended(s.omegam) * d.p);
  solveFromState(d, run.settings.xhimin, s, run.notices, run.memo);
  s.drau = float((Extended(s.angles.rau) - start.rau0) / teinc);
  s.dmu = float((Extended(s.angles.mu) - start.mu0) / teinc);
  s.dnu = float((Extended(s.angles.nu) - start.nu0) / teinc);
  setVoltagesAndTorques(d, s);
  return updateMeans(s, start);
}

StepPoint startPoint(const StepStart& s) {
  return {s.te0, s.omegam0, s.mu0, s.xhi0, s.Idc0, s.beta0, s.udc0, s.Cem0};
}

}  // namespace

StepPoint stepPointOf(const DriveState& s) {
  return {s.te, s.omegam, s.angles.mu, s.angles.xhi, s.currents.Idc, s.angles.beta, s.udc, s.terms.Cem};
}

// With tft <= tdt the linear branch is never reached, so tft - tdt = 0 is
// never divided by.
float supplyVoltage(const SimulationSettings& settings, float Udc, float te) {
  if (te <= settings.tdt) return Udc;
  if (te >= settings.tft) return settings.Udcfin;
  return float((((Extended(te) - settings.tdt) * (Extended(settings.Udcfin) - Udc)) /
                (Extended(settings.tft) - settings.tdt)) +
               Udc);
}

void integrateTransient(const DeviceParameters& d, const SimulationSettings& settings, DriveState& s,
                        ModelNotices& notices, StepObserver& observer) {
  ModelMemo memo;
  const Run run{d, settings, notices, memo};
  s.te = settings.temin;
  for (;;) {
    const StepStart start = takeStepStartCopies(s);
    evaluateModel(d, settings.xhimin, s, notices, memo);
    s.te = float(Extended(s.te) + settings.teinc);
    s.udc = supplyVoltage(settings, s.Udc, s.te);
    Means means = startMeans(start);
    for (int k = 0; k < kPassesPerStep; ++k) means = pass(run, s, start, means);
    observer.stepDone(startPoint(start), stepPointOf(s));
    if (s.te >= settings.temax) return;
    if (!(s.te > start.te0)) throw ModelStop{StopReason::TimeStalled};
  }
}

}  // namespace msa
