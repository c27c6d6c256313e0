#include "studies/excitation_study.hpp"

#include "model/steady_state.hpp"
#include "numeric/extended.hpp"
#include "studies/iteration_screen.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

void operatingPoint(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.printText(" Calcul de l'excitation correspondant à un état de régime", Ending::NewLine);
  d.newLine();
  startExcitationStudy(m);
  promptDegrees(d, "angle de garde xhi", m.xhi, "°");
  d.parameterPrompt("Tension dc", m.Udc, "V");
  d.parameterPrompt("Courant dc", m.Idc, "A");
  promptRpm(d, "Vitesse mécanique", m.omegam, "r/min");
  promptDegrees(d, "Angle mu de commutation", m.mu, "°");
  excitationOperatingPoint(m);
  d.newLine();
  printValueLine(d, " Angle alpha d'allumage = ", degrees(m.alpha), " °");
  d.pause();
}

// The closed form from the fundamentals of the phase current and the emfs.
void chapterOne(Dialogue& d, MachineData& m, ModelNotices& notices) {
  d.clearScreen();
  d.printText(" Calcul selon le chapitre 1", Ending::NewLine);
  d.newLine();
  const FieldEmf emf = closedFormExcitation(m);
  printValueLine(d, " Amplitude de la fondamentale du courant de phase = ", m.I1, " A");
  printValueLine(d, " Amplitude de la f.e.m. de commutation = ", m.Ec, " V");
  printValueLine(d, " soit un flux de ", float(Extended(m.Ec) / m.omega), " Wb");
  printValueLine(d, " Amplitude de la f.e.m. due à l'inducteur = ", m.Ef, " V");
  printValueLine(d, " Produit mf * if = mrf * if = ", m.mfif, "Wb");
  // A direction that cannot be found is reported here, after the emfs.
  closedFormAngles(m, emf, notices);
  printValueLine(d, " Angle delta = ", degrees(m.delta), " °");
  d.newLine();
  d.pause();
}

void newExcitation(Dialogue& d, MachineData& m) {
  balancingExcitation(m);
  printValueLine(d, " Résistance additionnelle due aux amortisseurs Radd = ", m.Radd, " ohms");
  printValueLine(d, " Flux d'inducteur ramené au stator  mfif = ", m.mfif, " Wb");
}

void results(Dialogue& d, MachineData& m) {
  d.printText(" Fin des itérations", Ending::NewLine);
  d.newLine();
  excitationResults(m);
  printValueLine(d, " Flux de l'amortisseur d'axe D = ", m.psid, " Wb");
  printValueLine(d, " Flux de l'amortisseur d'axe Q = ", m.psiq, " Wb");
  printValueLine(d, " Flux du circuit d'induit = ", m.psi, " Wb");
  printValueLine(d, " Couple électromagnétique Cem = ", m.Cem, " Nm");
  printFriction(d, m);
  d.printText(" Couple mécanique = ");
  d.printNumber(m.Cmec);
  printValueLine(d, " Nm soit une puissance de ", float(Extended(m.omegam) * m.Cmec), " W");
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
