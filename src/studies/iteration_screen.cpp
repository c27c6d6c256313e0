#include "studies/iteration_screen.hpp"

#include "dialogue/number_format.hpp"
#include "model/angles.hpp"
#include "model/commutation.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

void printStartAngles(Dialogue& d, const MachineData& m) {
  d.printFilled(Msg::IterationNumber, {formatWhole(m.iter)}, Ending::NewLine);
  d.newLine();
  printValueLine(d, Msg::RauLine, degrees(m.rau));
  printValueLine(d, Msg::MuLine, degrees(m.mu));
  printValueLine(d, Msg::NuLine, degrees(m.nu));
}

void printCoefficients(Dialogue& d, const MachineData& m) {
  d.print(Msg::Coefficients, Ending::NextZone);
  d.printNumber(m.x, Ending::NextZone);
  d.printNumber(m.y, Ending::NextZone);
  d.printNumber(m.z, Ending::NewLine);
  d.print(Msg::CoeffraddLine, {m.coeffradd}, Ending::NewLine);
}

void printFluxVector(Dialogue& d, const MachineData& m) {
  printValueLine(d, Msg::PsidcLine, m.psidc);
  printValueLine(d, Msg::PsiqcLine, m.psiqc);
  printValueLine(d, Msg::FluxNormLine, m.psic);
  printValueLine(d, Msg::NewDeltaLine, degrees(m.delta));
  d.newLine();
}

}  // namespace

void askIterationChoice(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.print(Msg::IterationChoiceTitle, Ending::NewLine);
  d.print(Msg::IterationChoiceAll, Ending::NewLine);
  d.print(Msg::IterationChoiceEach, Ending::NewLine);
  d.parameterPrompt(Msg::PromptIterationChoice, m.choixIter);
}

void runIterations(Dialogue& d, MachineData& m, ModelNotices& notices, const std::function<void()>& unknown) {
  m.iter = 0;
  for (;;) {
    m.iter = m.iter + 1;
    printStartAngles(d, m);
    commutationCoefficients(m);
    printCoefficients(d, m);
    unknown();
    resolveAngles(m, notices);
    printFluxVector(d, m);
    if (m.choixIter > 0.5f) d.readAnswer();
    if (m.iter >= NITER) break;
  }
}

}  // namespace msa
