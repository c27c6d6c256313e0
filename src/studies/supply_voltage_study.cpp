#include "studies/supply_voltage_study.hpp"

#include "studies/iteration_screen.hpp"
#include "studies/study_io.hpp"

using LD = long double;

namespace {

void steadyState(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.printText(" Calcul d'un état de régime", Ending::NewLine);
  d.newLine();
  m.drau = 0.0f;
  m.dmu = 0.0f;
  m.dnu = 0.0f;
  promptRpm(d, "Vitesse mécanique", m.omegam, "r/min");
  m.omega = float(LD(m.omegam) * m.p);
  d.parameterPrompt("Couple mécanique", m.Cmec, "Nm");
  m.Cfrot = float(LD(m.omegam) * m.romegam);
  printFriction(d, m);
  m.Cem = float(LD(m.Cfrot) + m.Cmec);
  printValueLine(d, " Couple électromagnétique Cem = ", m.Cem, " Nm");
  d.newLine();
  d.parameterPrompt("Flux d'induit dû à l'inducteur mf* if", m.mfif, " Wb");
  m.Ef = float(LD(m.omega) * m.mfif);
  printValueLine(d, " Amplitude de la tension d'induit due à l'inducteur", m.Ef, " V");
  d.newLine();
  printControlChoice(d);
  d.parameterPrompt("votre choix", m.ControlMode, "");
  d.newLine();
}

void referenceAndStartAngles(Dialogue& d, MachineData& m) {
  const bool betaHeld = m.ControlMode < 1.5f;
  if (betaHeld) {
    m.betaref = degrees(m.beta);
    d.parameterPrompt("angle d'attaque betaref", m.betaref, "°");
    m.betaref = float((LD(m.betaref) / 180.0f) * pi);
    m.beta = m.betaref;
  } else {
    m.xhiref = degrees(m.xhi);
    d.parameterPrompt("angle de garde xhiref", m.xhiref, "°");
    m.xhiref = float((LD(m.xhiref) / 180.0f) * pi);
    m.xhi = m.xhiref;
  }
  promptDegrees(d, "Angle mu de commutation pour début des itérations", m.mu, "°");
  m.mu2 = float(LD(m.mu) / 2.0f);
  promptDegrees(d, "Angle delta pour début des itérations", m.delta, "°");
  d.newLine();
  if (betaHeld) {
    m.alpha = float((LD(m.beta) - (5.0f * LD(pi)) / 6.0f) - m.delta);
    m.alpha1 = float(LD(m.alpha) - m.mu2);
    m.xhi = float(LD(m.alpha1) - m.mu2);
  } else {
    m.alpha1 = float(LD(m.mu2) + m.xhi);
    m.alpha = float(LD(m.mu) + m.xhi);
    m.beta = float(((5.0f * LD(pi)) / 6.0f + m.alpha) + m.delta);
  }
  m.iD = 0.0f;
  m.iQ = 0.0f;
  d.pause();
}

// The current that gives the electromagnetic torque, with the flux vector of
// the previous pass. The damper resistance is referred through M/Lr once here.
void torqueCurrent(Dialogue& d, MachineData& m) {
  m.Radd = float(((LD(m.M) * m.rA) / m.Lr) * m.coeffradd);
  printValueLine(d, " Résistance additionnelle due aux amortisseurs Radd = ", m.Radd, " ohms");
  m.Idc = float(LD(m.Cem) / ((((-LD(m.y)) * m.psidc - LD(m.psiqc) * m.x) * m.p)));
}

void results(Dialogue& d, MachineData& m) {
  d.printText(" Fin des itérations", Ending::NewLine);
  d.newLine();
  m.udc = float((((LD(m.z) * m.r) + m.rdc) + m.Radd) * m.Idc + ((-LD(m.omega)) * m.y) * m.mfif);
  printValueLine(d, " Tension d'alimentation nécessaire udcini = ", m.udc, " V");
  m.Udc = m.udc;
  m.psid = float(((LD(m.x) * m.M) * m.Idc) + m.mfif);
  m.psiq = float(((-LD(m.M)) * m.y) * m.Idc);
  m.psi = float((LD(m.psidc) * m.x + ((LD(m.z) * m.lc) + m.ldc) * m.Idc) - LD(m.psiqc) * m.y);
  printValueLine(d, " Flux de l'amortisseur d'axe D = ", m.psid, " Wb");
  printValueLine(d, " Flux de l'amortisseur d'axe Q = ", m.psiq, " Wb");
  printValueLine(d, " Flux du circuit d'induit = ", m.psi, " Wb");
  d.newLine();
  d.pause();
}

}  // namespace

void supplyVoltageStudy(Dialogue& d, MachineData& m) {
  DialogueNotices notices(d);
  steadyState(d, m);
  referenceAndStartAngles(d, m);
  askIterationChoice(d, m);
  runIterations(d, m, notices, [&] { torqueCurrent(d, m); });
  results(d, m);
}
