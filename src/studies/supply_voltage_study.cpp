#include "studies/supply_voltage_study.hpp"

#include "model/steady_state.hpp"
#include "numeric/extended.hpp"
#include "studies/iteration_screen.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

void steadyState(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.print(Msg::SteadyStateTitle, Ending::NewLine);
  d.newLine();
  startSupplyVoltageStudy(m);
  promptRpm(d, Msg::PromptSpeed, m.omegam);
  d.parameterPrompt(Msg::PromptShaftTorque, m.Cmec);
  requestedTorques(m);
  printFriction(d, m);
  printValueLine(d, Msg::CemLine, m.Cem);
  d.newLine();
  d.parameterPrompt(Msg::PromptFieldFlux, m.mfif);
  fieldEmf(m);
  printValueLine(d, Msg::FieldVoltageLine, m.Ef);
  d.newLine();
  printControlChoice(d);
  d.parameterPrompt(Msg::PromptControlChoice, m.ControlMode);
  d.newLine();
}

void referenceAndStartAngles(Dialogue& d, MachineData& m) {
  const bool betaHeld = m.ControlMode < 1.5f;
  if (betaHeld) {
    m.betaref = degrees(m.beta);
    d.parameterPrompt(Msg::PromptBetaref, m.betaref);
    m.betaref = float((Extended(m.betaref) / 180.0f) * pi);
    m.beta = m.betaref;
  } else {
    m.xhiref = degrees(m.xhi);
    d.parameterPrompt(Msg::PromptXhiref, m.xhiref);
    m.xhiref = float((Extended(m.xhiref) / 180.0f) * pi);
    m.xhi = m.xhiref;
  }
  promptDegrees(d, Msg::PromptStartMu, m.mu);
  m.mu2 = float(Extended(m.mu) / 2.0f);
  promptDegrees(d, Msg::PromptStartDelta, m.delta);
  d.newLine();
  if (betaHeld) {
    startAnglesBetaHeld(m);
  } else {
    startAnglesXhiHeld(m);
  }
  d.pause();
}

// The current that gives the electromagnetic torque, with the flux vector of
// the previous pass.
void newCurrent(Dialogue& d, MachineData& m) {
  torqueCurrent(m);
  printValueLine(d, Msg::RaddLine, m.Radd);
}

void results(Dialogue& d, MachineData& m) {
  d.print(Msg::IterationsEnd, Ending::NewLine);
  d.newLine();
  supplyVoltageResults(m);
  printValueLine(d, Msg::SupplyVoltageLine, m.udc);
  printValueLine(d, Msg::PsidLine, m.psid);
  printValueLine(d, Msg::PsiqLine, m.psiq);
  printValueLine(d, Msg::PsiLine, m.psi);
  d.newLine();
  d.pause();
}

}  // namespace

void supplyVoltageStudy(Dialogue& d, MachineData& m) {
  DialogueNotices notices(d);
  steadyState(d, m);
  referenceAndStartAngles(d, m);
  askIterationChoice(d, m);
  runIterations(d, m, notices, [&] { newCurrent(d, m); });
  results(d, m);
}

}  // namespace msa
