#include "studies/stop_report.hpp"

void stopReport(Dialogue& d, const MachineData& m, const ModelStop& stop) {
  d.moveCursor(4, 1);
  d.printText(stop.message);
  d.printNumber(m.te);
  d.printText(" s avec I = ");
  d.printNumber(m.Idc);
  d.printText(" A");
  d.readAnswer();
}
