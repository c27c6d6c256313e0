#pragma once

#include "data/drive_state.hpp"
#include "model/model_stop.hpp"

namespace msa {

// Why a study ended before its results, with the time and the dc current
// the stop report shows: those of the state the study reached.
struct StudyStop {
  StopReason reason;
  float te;   // s
  float Idc;  // A
};

inline StudyStop studyStop(const ModelStop& stop, const DriveState& s) {
  return {stop.reason, s.te, s.currents.Idc};
}

}  // namespace msa
