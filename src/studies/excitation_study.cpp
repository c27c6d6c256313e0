#include "studies/excitation_study.hpp"

#include "model/steady_state.hpp"
#include "numeric/extended.hpp"
#include "studies/iteration_screen.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

void operatingPoint(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.print(Msg::ExcitationTitle, Ending::NewLine);
  d.newLine();
  startExcitationStudy(m);
  promptDegrees(d, Msg::PromptXhi, m.xhi);
  d.parameterPrompt(Msg::PromptUdc, m.Udc);
  d.parameterPrompt(Msg::PromptIdc, m.Idc);
  promptRpm(d, Msg::PromptSpeed, m.omegam);
  promptDegrees(d, Msg::PromptMu, m.mu);
  excitationOperatingPoint(m);
  d.newLine();
  printValueLine(d, Msg::AlphaLine, degrees(m.alpha));
  d.pause();
}

// The closed form from the fundamentals of the phase current and the emfs.
void chapterOne(Dialogue& d, MachineData& m, ModelNotices& notices) {
  d.clearScreen();
  d.print(Msg::ChapterOneTitle, Ending::NewLine);
  d.newLine();
  const FieldEmf emf = closedFormExcitation(m);
  printValueLine(d, Msg::FundamentalCurrentLine, m.I1);
  printValueLine(d, Msg::CommutationEmfLine, m.Ec);
  printValueLine(d, Msg::CommutationFluxLine, float(Extended(m.Ec) / m.omega));
  printValueLine(d, Msg::FieldEmfLine, m.Ef);
  printValueLine(d, Msg::MfifProductLine, m.mfif);
  // A direction that cannot be found is reported here, after the emfs.
  closedFormAngles(m, emf, notices);
  printValueLine(d, Msg::DeltaLine, degrees(m.delta));
  d.newLine();
  d.pause();
}

void newExcitation(Dialogue& d, MachineData& m) {
  balancingExcitation(m);
  printValueLine(d, Msg::RaddLine, m.Radd);
  printValueLine(d, Msg::MfifLine, m.mfif);
}

void results(Dialogue& d, MachineData& m) {
  d.print(Msg::IterationsEnd, Ending::NewLine);
  d.newLine();
  excitationResults(m);
  printValueLine(d, Msg::PsidLine, m.psid);
  printValueLine(d, Msg::PsiqLine, m.psiq);
  printValueLine(d, Msg::PsiLine, m.psi);
  printValueLine(d, Msg::CemLine, m.Cem);
  printFriction(d, m);
  d.print(Msg::ShaftTorqueLine, {m.Cmec, float(Extended(m.omegam) * m.Cmec)}, Ending::NewLine);
  d.newLine();
  d.pause();
}

}  // namespace

void excitationStudy(Dialogue& d, MachineData& m) {
  DialogueNotices notices(d);
  operatingPoint(d, m);
  chapterOne(d, m, notices);
  askIterationChoice(d, m);
  runIterations(d, m, notices, [&] { newExcitation(d, m); });
  results(d, m);
}

}  // namespace msa
