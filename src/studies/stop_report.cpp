#include "studies/stop_report.hpp"

namespace msa {

Msg stopMessage(StopReason reason) {
  switch (reason) {
    case StopReason::NegativeCurrent: return Msg::StopNegativeCurrent;
    case StopReason::AlphaAbove180: return Msg::StopAlphaAbove180;
    case StopReason::MuAbove60: return Msg::StopMuAbove60;
    case StopReason::MuBelow0: return Msg::StopMuBelow0;
    case StopReason::AlphaUndefined: return Msg::StopAlphaUndefined;
    case StopReason::TimeStalled: return Msg::StopTimeStalled;
    case StopReason::Requested: return Msg::StopRequested;
  }
  return Msg::StopRequested;
}

void stopReport(Dialogue& d, const StudyStop& stop) {
  d.moveCursor(4, 1);
  d.print(stopMessage(stop.reason), {stop.te, stop.Idc});
  d.readAnswer();
}

}  // namespace msa
