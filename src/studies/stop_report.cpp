#include "studies/stop_report.hpp"

namespace msa {

std::string_view stopMessage(StopReason reason) {
  switch (reason) {
    case StopReason::NegativeCurrent: return " arrêt sur courant négatif en te =";
    case StopReason::AlphaAbove180: return " commutation impossible car alpha > 180° en te = ";
    case StopReason::MuAbove60: return " court-circuit car mu > 60° en te =";
    case StopReason::MuBelow0: return " impossibilité car mu < 0° en te =";
    case StopReason::AlphaUndefined: return "arrêt sur impossibilité de calculer alpha en te = ";
    case StopReason::TimeStalled: return " arrêt car le pas temporel ne fait plus avancer le temps en te =";
    case StopReason::Requested: return " arrêt demandé en te =";
  }
  return "";
}

void stopReport(Dialogue& d, const MachineData& m, const ModelStop& stop) {
  d.moveCursor(4, 1);
  d.printText(stopMessage(stop.reason));
  d.printNumber(m.te);
  d.printText(" s avec I = ");
  d.printNumber(m.Idc);
  d.printText(" A");
  d.readAnswer();
}

}  // namespace msa
