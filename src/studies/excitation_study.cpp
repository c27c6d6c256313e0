#include "studies/excitation_study.hpp"

#include <cmath>

#include "model/angles.hpp"
#include "model/extended_trig.hpp"
#include "studies/iteration_screen.hpp"
#include "studies/study_io.hpp"

using LD = long double;

namespace {

void operatingPoint(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.printText(" Calcul de l'excitation correspondant à un état de régime", Ending::NewLine);
  d.newLine();
  m.drau = 0.0f;
  m.dmu = 0.0f;
  m.dnu = 0.0f;
  m.iD = 0.0f;
  m.iQ = 0.0f;
  m.ControlMode = 2.0f;
  promptDegrees(d, "angle de garde xhi", m.xhi, "°");
  d.parameterPrompt("Tension dc", m.Udc, "V");
  m.udc = m.Udc;
  d.parameterPrompt("Courant dc", m.Idc, "A");
  promptRpm(d, "Vitesse mécanique", m.omegam, "r/min");
  m.omega = float(LD(m.omegam) * m.p);
  promptDegrees(d, "Angle mu de commutation", m.mu, "°");
  m.mu2 = float(LD(m.mu) / 2.0f);
  d.newLine();
  m.alpha1 = float(LD(m.mu2) + m.xhi);
  m.alpha = float(LD(m.mu) + m.xhi);
  printValueLine(d, " Angle alpha d'allumage = ", degrees(m.alpha), " °");
  d.pause();
}

// The closed form from the fundamentals of the phase current and the emfs.
void chapterOne(Dialogue& d, MachineData& m, ModelNotices& notices) {
  d.clearScreen();
  d.printText(" Calcul selon le chapitre 1", Ending::NewLine);
  d.newLine();
  m.I1 = float(((LD(sqrt3) * m.Idc) * 2.0f) / pi);
  printValueLine(d, " Amplitude de la fondamentale du courant de phase = ", m.I1, " A");
  const float denominator = float(((extendedCos(m.alpha1) * sqrt3) * extendedCos(m.mu2)) * 3.0f);
  m.Ec = float(((LD(m.udc) - LD(m.Idc) * m.rdc) * pi) / denominator);
  printValueLine(d, " Amplitude de la f.e.m. de commutation = ", m.Ec, " V");
  printValueLine(d, " soit un flux de ", float(LD(m.Ec) / m.omega), " Wb");
  const float efb = float(((LD(m.M2Lr) * m.omega) * m.I1) * extendedCos(m.alpha1));
  const float efa = float(((LD(m.M2Lr) * m.omega) * m.I1) * extendedSin(m.alpha1) + m.Ec);
  m.Ef = float(sqrtl(LD(efb) * efb + LD(efa) * efa));
  printValueLine(d, " Amplitude de la f.e.m. due à l'inducteur = ", m.Ef, " V");
  m.mfif = float(LD(m.Ef) / m.omega);
  printValueLine(d, " Produit mf * if = mrf * if = ", m.mfif, "Wb");
  m.delta = argument(efa, efb, notices);
  printValueLine(d, " Angle delta = ", degrees(m.delta), " °");
  d.newLine();
  m.nu = float(((LD(pi) / 2.0f) + m.xhi) + m.mu2);
  m.rau = float(LD(m.delta) + m.nu);
  d.pause();
}

// The excitation that balances the dc-side voltage equation
// udc = (z r + rdc + Radd) Idc - omega y mfif. The damper resistance
// is referred through (M/Lr) squared here.
void newExcitation(Dialogue& d, MachineData& m) {
  m.Radd = float(((((LD(m.M) * m.rA) / m.Lr) * m.M) / m.Lr) * m.coeffradd);
  printValueLine(d, " Résistance additionnelle due aux amortisseurs Radd = ", m.Radd, " ohms");
  const float q = float((-(LD(m.udc) - (((LD(m.z) * m.r) + m.rdc) + m.Radd) * m.Idc)) / m.omega);
  m.mfif = float(LD(q) / m.y);
  printValueLine(d, " Flux d'inducteur ramené au stator  mfif = ", m.mfif, " Wb");
}

void results(Dialogue& d, MachineData& m) {
  d.printText(" Fin des itérations", Ending::NewLine);
  d.newLine();
  m.psid = float(((LD(m.x) * m.M) * m.Idc) + m.mfif);
  m.psiq = float(((-LD(m.M)) * m.y) * m.Idc);
  m.psi = float(((LD(m.psidc) * m.x) + ((LD(m.z) * m.lc) + m.ldc) * m.Idc) - LD(m.psiqc) * m.y);
  printValueLine(d, " Flux de l'amortisseur d'axe D = ", m.psid, " Wb");
  printValueLine(d, " Flux de l'amortisseur d'axe Q = ", m.psiq, " Wb");
  printValueLine(d, " Flux du circuit d'induit = ", m.psi, " Wb");
  m.Cem = float((((-LD(m.y)) * m.psidc - LD(m.psiqc) * m.x) * m.p) * m.Idc);
  printValueLine(d, " Couple électromagnétique Cem = ", m.Cem, " Nm");
  m.Cfrot = float(LD(m.omegam) * m.romegam);
  printFriction(d, m);
  m.Cmec = float(LD(m.Cem) - m.Cfrot);
  d.printText(" Couple mécanique = ");
  d.printNumber(m.Cmec);
  printValueLine(d, " Nm soit une puissance de ", float(LD(m.omegam) * m.Cmec), " W");
  d.newLine();
  m.ControlMode = 1.0f;
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
