#include "studies/excitation_study.hpp"

#include "engine/excitation.hpp"
#include "studies/iteration_screen.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

ExcitationInputs askOperatingPoint(Dialogue& d, const DriveState& s) {
  d.clearScreen();
  d.print(Msg::ExcitationTitle, Ending::NewLine);
  d.newLine();
  ExcitationInputs in = excitationDefaults(s);
  promptDegrees(d, Msg::PromptXhi, in.xhi);
  d.parameterPrompt(Msg::PromptUdc, in.Udc);
  d.parameterPrompt(Msg::PromptIdc, in.Idc);
  promptRpm(d, Msg::PromptSpeed, in.omegam);
  promptDegrees(d, Msg::PromptMu, in.mu);
  return in;
}

void printFiringAngle(Dialogue& d, const ExcitationStudy& e) {
  d.newLine();
  printValueLine(d, Msg::AlphaLine, e.alphaDegrees);
  d.pause();
}

// The closed form from the fundamentals of the phase current and the emfs.
void printChapterOne(Dialogue& d, const ClosedFormExcitation& c) {
  d.clearScreen();
  d.print(Msg::ChapterOneTitle, Ending::NewLine);
  d.newLine();
  printValueLine(d, Msg::FundamentalCurrentLine, c.I1);
  printValueLine(d, Msg::CommutationEmfLine, c.Ec);
  printValueLine(d, Msg::CommutationFluxLine, c.commutationFlux);
  printValueLine(d, Msg::FieldEmfLine, c.Ef);
  printValueLine(d, Msg::MfifProductLine, c.mfif);
  // A direction that cannot be found is reported here, after the emfs.
  printIndeterminateArguments(d, c.notices);
  printValueLine(d, Msg::DeltaLine, c.deltaDegrees);
  d.newLine();
  d.pause();
}

void printResults(Dialogue& d, const ExcitationResults& r) {
  d.print(Msg::IterationsEnd, Ending::NewLine);
  d.newLine();
  printValueLine(d, Msg::PsidLine, r.psid);
  printValueLine(d, Msg::PsiqLine, r.psiq);
  printValueLine(d, Msg::PsiLine, r.psi);
  printValueLine(d, Msg::CemLine, r.Cem);
  printFriction(d, r.Cfrot, r.frictionLoss);
  d.print(Msg::ShaftTorqueLine, {r.Cmec, r.shaftPower}, Ending::NewLine);
  d.newLine();
  d.pause();
}

}  // namespace

void excitationStudy(Dialogue& d, MachineData& m) {
  const ExcitationInputs in = askOperatingPoint(d, m.state);
  const ExcitationStudy e = excitation(m.device, m.state, in);
  m.state = e.state;
  printFiringAngle(d, e);
  printChapterOne(d, e.closedForm);
  askIterationChoice(d, m.settings);
  printIterations(d, e.chapterTwo, IterationUnknown::Excitation, m.settings.choixIter);
  if (e.chapterTwo.stop) throw *e.chapterTwo.stop;
  printResults(d, *e.results);
}

}  // namespace msa
