#include "studies/supply_voltage_study.hpp"

#include "engine/supply_voltage.hpp"
#include "studies/iteration_screen.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

SupplyVoltageInputs askSteadyState(Dialogue& d, const MachineData& m) {
  d.clearScreen();
  d.print(Msg::SteadyStateTitle, Ending::NewLine);
  d.newLine();
  SupplyVoltageInputs in = supplyVoltageDefaults(m.state, m.state.control.ControlMode);
  promptRpm(d, Msg::PromptSpeed, in.omegam);
  d.parameterPrompt(Msg::PromptShaftTorque, in.Cmec);
  const RequestedTorques torques = requestedTorques(m.device, in.omegam, in.Cmec);
  printFriction(d, torques.Cfrot, torques.frictionLoss);
  printValueLine(d, Msg::CemLine, torques.Cem);
  d.newLine();
  d.parameterPrompt(Msg::PromptFieldFlux, in.mfif);
  printValueLine(d, Msg::FieldVoltageLine, fieldEmf(torques.omega, in.mfif));
  d.newLine();
  printControlChoice(d);
  d.parameterPrompt(Msg::PromptControlChoice, in.ControlMode);
  d.newLine();
  // The reference offered is the angle the chosen mode holds.
  in.reference = supplyVoltageDefaults(m.state, in.ControlMode).reference;
  promptDegrees(d, asksForBeta(in.ControlMode) ? Msg::PromptBetaref : Msg::PromptXhiref, in.reference);
  promptDegrees(d, Msg::PromptStartMu, in.mu);
  promptDegrees(d, Msg::PromptStartDelta, in.delta);
  d.newLine();
  d.pause();
  return in;
}

void printResults(Dialogue& d, const SupplyVoltageResults& r) {
  d.print(Msg::IterationsEnd, Ending::NewLine);
  d.newLine();
  printValueLine(d, Msg::SupplyVoltageLine, r.udc);
  printValueLine(d, Msg::PsidLine, r.psid);
  printValueLine(d, Msg::PsiqLine, r.psiq);
  printValueLine(d, Msg::PsiLine, r.psi);
  d.newLine();
  d.pause();
}

}  // namespace

void supplyVoltageStudy(Dialogue& d, MachineData& m) {
  const SupplyVoltageInputs in = askSteadyState(d, m);
  const SupplyVoltageStudy u = supplyVoltage(m.device, m.settings.xhimin, m.state, in);
  m.state = u.state;
  askIterationChoice(d, m.settings);
  printIterations(d, u.chapterTwo, IterationUnknown::Current, m.settings.choixIter);
  if (u.chapterTwo.stop) throw *u.chapterTwo.stop;
  printResults(d, *u.results);
}

}  // namespace msa
