#include "studies/transient_integration.hpp"

#include "model/angles.hpp"
#include "model/commutation.hpp"
#include "model/dynamics.hpp"
#include "model/evaluation_memo.hpp"
#include "model/model_stop.hpp"

using LD = long double;

namespace {

void takeStepStartCopies(MachineData& m) {
  m.psid0 = m.psid;
  m.psiq0 = m.psiq;
  m.psi0 = m.psi;
  m.omegam0 = m.omegam;
  m.Idc0 = m.Idc;
  m.iD0 = m.iD;
  m.iQ0 = m.iQ;
  m.udc0 = m.udc;
  m.ue0 = m.ue;
  m.Cem0 = m.Cem;
  m.Cfrot0 = m.Cfrot;
  m.rau0 = m.rau;
  m.mu0 = m.mu;
  m.nu0 = m.nu;
  m.te0 = m.te;
  m.xhi0 = m.xhi;
}

}  // namespace

// With tft <= tdt the linear branch is never reached, so tft - tdt = 0 is
// never divided by.
void setSupplyVoltage(MachineData& m) {
  if (m.te <= m.tdt) {
    m.udc = m.Udc;
  } else if (m.te >= m.tft) {
    m.udc = m.Udcfin;
  } else {
    m.udc = float((((LD(m.te) - m.tdt) * (LD(m.Udcfin) - m.Udc)) / (LD(m.tft) - m.tdt)) + m.Udc);
  }
}

namespace {

void startMeans(MachineData& m) {
  m.iDmoy = m.iD0;
  m.iQmoy = m.iQ0;
  m.udcmoy = m.udc0;
  m.uemoy = m.ue0;
  m.Cemmoy = m.Cem0;
  m.Cfrotmoy = m.Cfrot0;
}

void updateMeans(MachineData& m) {
  m.iDmoy = float((LD(m.iD) + m.iD0) / 2.0f);
  m.iQmoy = float((LD(m.iQ) + m.iQ0) / 2.0f);
  m.udcmoy = float((LD(m.udc) + m.udc0) / 2.0f);
  m.uemoy = float((LD(m.ue) + m.ue0) / 2.0f);
  m.Cemmoy = float((LD(m.Cem) + m.Cem0) / 2.0f);
  m.Cfrotmoy = float((LD(m.Cfrot) + m.Cfrot0) / 2.0f);
}

// Everything of an evaluation that follows from the state alone: currents,
// angles, commutation and angle coefficients; taken from the memo when the
// inputs repeat. A stop propagates before anything is remembered.
void solveFromState(MachineData& m, ModelNotices& notices, ModelMemo& memo) {
  const EvaluationInputs inputs = EvaluationInputs::of(m);
  if (memo.evaluation.restore(inputs, m)) return;
  CountedNotices counted(notices);
  solveCurrents(m);
  resolveAngles(m, counted);
  const AngleTrig& t = memo.trig.of(m);
  commutationCoefficients(m, t);
  angleCoefficients(m, t);
  if (counted.count == 0) memo.evaluation.remember(inputs, m);
}

void pass(MachineData& m, ModelNotices& notices, ModelMemo& memo) {
  m.psid = float(LD(m.psid0) - ((LD(m.iDmoy) * m.rA) * m.teinc));
  m.psiq = float(LD(m.psiq0) - ((LD(m.iQmoy) * m.rA) * m.teinc));
  m.psi = float(((LD(m.udcmoy) - m.uemoy) * m.teinc) + m.psi0);
  m.omegam = float(((((LD(m.Cemmoy) - m.Cfrotmoy) - m.Cmec) / m.J) * m.teinc) + m.omegam0);
  m.omega = float(LD(m.omegam) * m.p);
  solveFromState(m, notices, memo);
  m.drau = float((LD(m.rau) - m.rau0) / m.teinc);
  m.dmu = float((LD(m.mu) - m.mu0) / m.teinc);
  m.dnu = float((LD(m.nu) - m.nu0) / m.teinc);
  voltagesAndTorques(m);
  updateMeans(m);
}

}  // namespace

void evaluateModel(MachineData& m, ModelNotices& notices, ModelMemo& memo) {
  solveFromState(m, notices, memo);
  voltagesAndTorques(m);
}

void integrateTransient(MachineData& m, ModelNotices& notices, StepObserver& observer) {
  ModelMemo memo;
  m.te = m.temin;
  for (;;) {
    takeStepStartCopies(m);
    evaluateModel(m, notices, memo);
    m.te = float(LD(m.te) + m.teinc);
    setSupplyVoltage(m);
    startMeans(m);
    for (int k = 0; k < 4; ++k) pass(m, notices, memo);
    observer.stepDone(m);
    if (m.te >= m.temax) return;
    if (!(m.te > m.te0)) throw ModelStop{kTimeStalled};
  }
}
