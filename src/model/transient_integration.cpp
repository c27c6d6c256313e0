#include "model/transient_integration.hpp"

#include "model/angles.hpp"
#include "model/commutation.hpp"
#include "model/dynamics.hpp"
#include "model/evaluation_memo.hpp"
#include "model/model_stop.hpp"
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

StepStart takeStepStartCopies(const MachineData& m) {
  return {m.te,  m.psid, m.psiq, m.psi, m.omegam, m.Idc, m.iD, m.iQ, m.udc,
          m.ue,  m.Cem,  m.Cfrot, m.rau, m.mu,    m.nu,  m.xhi, m.beta};
}

Means startMeans(const StepStart& s) { return {s.iD0, s.iQ0, s.udc0, s.ue0, s.Cem0, s.Cfrot0}; }

float mean(float value, float start) { return float((Extended(value) + start) / 2.0f); }

Means updateMeans(const MachineData& m, const StepStart& s) {
  return {mean(m.iD, s.iD0), mean(m.iQ, s.iQ0), mean(m.udc, s.udc0),
          mean(m.ue, s.ue0), mean(m.Cem, s.Cem0), mean(m.Cfrot, s.Cfrot0)};
}

// Everything of an evaluation that follows from the state alone: currents,
// angles, commutation and angle coefficients; taken from the memo when the
// inputs repeat. A stop propagates before anything is remembered.
void solveFromState(MachineData& m, ModelNotices& notices, ModelMemo& memo) {
  const EvaluationInputs inputs = EvaluationInputs::of(m);
  if (memo.evaluation.restore(inputs, m)) return;
  CountedNotices counted(notices);
  solveCurrents(m);
  resolveAngles(m, counted, memo.cosines);
  const AngleTrig& t = memo.trig.of(m);
  commutationCoefficients(m, t);
  angleCoefficients(m, t);
  if (counted.count == 0) memo.evaluation.remember(inputs, m);
}

Means pass(MachineData& m, const StepStart& s, const Means& w, ModelNotices& notices, ModelMemo& memo) {
  m.psid = float(Extended(s.psid0) - ((Extended(w.iDmoy) * m.rA) * m.teinc));
  m.psiq = float(Extended(s.psiq0) - ((Extended(w.iQmoy) * m.rA) * m.teinc));
  m.psi = float(((Extended(w.udcmoy) - w.uemoy) * m.teinc) + s.psi0);
  m.omegam = float(((((Extended(w.Cemmoy) - w.Cfrotmoy) - m.Cmec) / m.J) * m.teinc) + s.omegam0);
  m.omega = float(Extended(m.omegam) * m.p);
  solveFromState(m, notices, memo);
  m.drau = float((Extended(m.rau) - s.rau0) / m.teinc);
  m.dmu = float((Extended(m.mu) - s.mu0) / m.teinc);
  m.dnu = float((Extended(m.nu) - s.nu0) / m.teinc);
  voltagesAndTorques(m);
  return updateMeans(m, s);
}

StepPoint startPoint(const StepStart& s) {
  return {s.te0, s.omegam0, s.mu0, s.xhi0, s.Idc0, s.beta0, s.udc0, s.Cem0};
}

StepPoint endPoint(const MachineData& m) { return {m.te, m.omegam, m.mu, m.xhi, m.Idc, m.beta, m.udc, m.Cem}; }

}  // namespace

// With tft <= tdt the linear branch is never reached, so tft - tdt = 0 is
// never divided by.
void setSupplyVoltage(MachineData& m) {
  if (m.te <= m.tdt) {
    m.udc = m.Udc;
  } else if (m.te >= m.tft) {
    m.udc = m.Udcfin;
  } else {
    m.udc = float((((Extended(m.te) - m.tdt) * (Extended(m.Udcfin) - m.Udc)) / (Extended(m.tft) - m.tdt)) + m.Udc);
  }
}

void evaluateModel(MachineData& m, ModelNotices& notices, ModelMemo& memo) {
  solveFromState(m, notices, memo);
  voltagesAndTorques(m);
}

void integrateTransient(MachineData& m, ModelNotices& notices, StepObserver& observer) {
  ModelMemo memo;
  m.te = m.temin;
  for (;;) {
    const StepStart start = takeStepStartCopies(m);
    evaluateModel(m, notices, memo);
    m.te = float(Extended(m.te) + m.teinc);
    setSupplyVoltage(m);
    Means means = startMeans(start);
    for (int k = 0; k < kPassesPerStep; ++k) means = pass(m, start, means, notices, memo);
    observer.stepDone(startPoint(start), endPoint(m));
    if (m.te >= m.temax) return;
    if (!(m.te > start.te0)) throw ModelStop{StopReason::TimeStalled};
  }
}

}  // namespace msa
