#include "frontends/python/study_results.hpp"

namespace py = pybind11;

namespace msa::python {

const char* reasonName(StopReason reason) {
  switch (reason) {
    case StopReason::NegativeCurrent: return "negative_current";
    case StopReason::AlphaAbove180: return "alpha_above_180";
    case StopReason::MuAbove60: return "mu_above_60";
    case StopReason::MuBelow0: return "mu_below_0";
    case StopReason::AlphaUndefined: return "alpha_undefined";
    case StopReason::TimeStalled: return "time_stalled";
    case StopReason::Requested: return "requested";
  }
  return "requested";
}

py::object stopDict(const std::optional<StudyStop>& stop) {
  if (!stop) return py::none();
  py::dict d;
  d["reason"] = reasonName(stop->reason);
  d["te"] = stop->te;
  d["Idc"] = stop->Idc;
  return d;
}

py::list iterationList(const SteadyIterations& run) {
  py::list list;
  for (const SteadyIteration& it : run.iterations) {
    py::dict d;
    d["iter"] = it.iter;
    d["rau"] = it.rauDegrees;
    d["mu"] = it.muDegrees;
    d["nu"] = it.nuDegrees;
    d["x"] = it.commutation.x;
    d["y"] = it.commutation.y;
    d["z"] = it.commutation.z;
    d["coeffradd"] = it.commutation.coeffradd;
    d["Radd"] = it.Radd;
    d["mfif"] = it.mfif;
    d["Idc"] = it.Idc;
    d["notices"] = it.notices;
    d["resolved"] = it.resolved;
    // Not computed when the model stopped in this iteration.
    const auto computed = [&](float value) -> py::object {
      return it.resolved ? py::object(py::float_(value)) : py::object(py::none());
    };
    d["psidc"] = computed(it.flux.psidc);
    d["psiqc"] = computed(it.flux.psiqc);
    d["psic"] = computed(it.flux.psic);
    d["delta"] = computed(it.deltaDegrees);
    list.append(std::move(d));
  }
  return list;
}

}  // namespace msa::python
