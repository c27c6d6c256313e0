#include "studies/iteration_screen.hpp"

#include "dialogue/number_format.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

void printStartAngles(Dialogue& d, const SteadyIteration& it) {
  d.printFilled(Msg::IterationNumber, {formatWhole(it.iter)}, Ending::NewLine);
  d.newLine();
  printValueLine(d, Msg::RauLine, it.rauDegrees);
  printValueLine(d, Msg::MuLine, it.muDegrees);
  printValueLine(d, Msg::NuLine, it.nuDegrees);
}

void printCoefficients(Dialogue& d, const CommutationCoefficients& c) {
  d.print(Msg::Coefficients, Ending::NextZone);
  d.printNumber(c.x, Ending::NextZone);
  d.printNumber(c.y, Ending::NextZone);
  d.printNumber(c.z, Ending::NewLine);
  d.print(Msg::CoeffraddLine, {c.coeffradd}, Ending::NewLine);
}

// Menu E finds the excitation, menu U the current (of which it prints
// only the damper resistance).
void printUnknown(Dialogue& d, const SteadyIteration& it, IterationUnknown unknown) {
  printValueLine(d, Msg::RaddLine, it.Radd);
  if (unknown == IterationUnknown::Excitation) printValueLine(d, Msg::MfifLine, it.mfif);
}

void printFluxVector(Dialogue& d, const SteadyIteration& it) {
  printValueLine(d, Msg::PsidcLine, it.flux.psidc);
  printValueLine(d, Msg::PsiqcLine, it.flux.psiqc);
  printValueLine(d, Msg::FluxNormLine, it.flux.psic);
  printValueLine(d, Msg::NewDeltaLine, it.deltaDegrees);
  d.newLine();
}

}  // namespace

void askIterationChoice(Dialogue& d, SimulationSettings& settings) {
  d.clearScreen();
  d.print(Msg::IterationChoiceTitle, Ending::NewLine);
  d.print(Msg::IterationChoiceAll, Ending::NewLine);
  d.print(Msg::IterationChoiceEach, Ending::NewLine);
  d.parameterPrompt(Msg::PromptIterationChoice, settings.choixIter);
}

void printIterations(Dialogue& d, const SteadyIterations& run, IterationUnknown unknown, float choixIter) {
  for (const SteadyIteration& it : run.iterations) {
    printStartAngles(d, it);
    printCoefficients(d, it.commutation);
    printUnknown(d, it, unknown);
    printIndeterminateArguments(d, it.notices);
    if (!it.resolved) return;
    printFluxVector(d, it);
    if (choixIter > 0.5f) d.readAnswer();
  }
}

}  // namespace msa
