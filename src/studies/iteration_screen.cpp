#include "studies/iteration_screen.hpp"

#include "model/angles.hpp"
#include "model/commutation.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

void printStartAngles(Dialogue& d, const MachineData& m) {
  d.printText(" Itération N°");
  d.printWhole(m.iter, Ending::NewLine);
  d.newLine();
  printValueLine(d, " Angle rau = ", degrees(m.rau), " °");
  printValueLine(d, " Angle mu = ", degrees(m.mu), " °");
  printValueLine(d, " Angle nu = ", degrees(m.nu), " °");
}

void printCoefficients(Dialogue& d, const MachineData& m) {
  d.printText(" Coefficients x,y,z = ", Ending::NextZone);
  d.printNumber(m.x, Ending::NextZone);
  d.printNumber(m.y, Ending::NextZone);
  d.printNumber(m.z, Ending::NewLine);
  d.printText(" coeffradd = ");
  d.printNumber(m.coeffradd, Ending::NewLine);
}

void printFluxVector(Dialogue& d, const MachineData& m) {
  printValueLine(d, " psidc = ", m.psidc, " Wb");
  printValueLine(d, " psiqc = ", m.psiqc, " Wb");
  printValueLine(d, " soit en norme ", m.psic, " Wb");
  printValueLine(d, " nouvel angle delta = ", degrees(m.delta), " °");
  d.newLine();
}

}  // namespace

void askIterationChoice(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.printText(" Calcul utilisant le chapitre 2", Ending::NewLine);
  d.printText(" Entrez 0 pour effectuer les itérations d'une traite", Ending::NewLine);
  d.printText("        1 pour un arrêt après chaque intération", Ending::NewLine);
  d.parameterPrompt("Votre choix", m.choixIter, "");
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
