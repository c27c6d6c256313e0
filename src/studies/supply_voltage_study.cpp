#include "studies/supply_voltage_study.hpp"

#include "model/steady_state.hpp"
#include "numeric/extended.hpp"
#include "studies/iteration_screen.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

void steadyState(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.printText(" Calcul d'un état de régime", Ending::NewLine);
  d.newLine();
  startSupplyVoltageStudy(m);
  promptRpm(d, "Vitesse mécanique", m.omegam, "r/min");
  d.parameterPrompt("Couple mécanique", m.Cmec, "Nm");
  requestedTorques(m);
  printFriction(d, m);
  printValueLine(d, " Couple électromagnétique Cem = ", m.Cem, " Nm");
  d.newLine();
  d.parameterPrompt("Flux d'induit dû à l'inducteur mf* if", m.mfif, " Wb");
  fieldEmf(m);
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
    m.betaref = float((Extended(m.betaref) / 180.0f) * pi);
    m.beta = m.betaref;
  } else {
    m.xhiref = degrees(m.xhi);
    d.parameterPrompt("angle de garde xhiref", m.xhiref, "°");
    m.xhiref = float((Extended(m.xhiref) / 180.0f) * pi);
    m.xhi = m.xhiref;
  }
  promptDegrees(d, "Angle mu de commutation pour début des itérations", m.mu, "°");
  m.mu2 = float(Extended(m.mu) / 2.0f);
  promptDegrees(d, "Angle delta pour début des itérations", m.delta, "°");
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
  printValueLine(d, " Résistance additionnelle due aux amortisseurs Radd = ", m.Radd, " ohms");
}

void results(Dialogue& d, MachineData& m) {
  d.printText(" Fin des itérations", Ending::NewLine);
  d.newLine();
  supplyVoltageResults(m);
  printValueLine(d, " Tension d'alimentation nécessaire udcini = ", m.udc, " V");
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
  runIterations(d, m, notices, [&] { newCurrent(d, m); });
  results(d, m);
}

}  // namespace msa
