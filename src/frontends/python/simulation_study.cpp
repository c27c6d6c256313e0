#include "frontends/python/simulation_study.hpp"

#include <cmath>
#include <cstdint>
#include <vector>

#include <pybind11/numpy.h>

#include "engine/prompt_units.hpp"
#include "engine/simulation.hpp"
#include "frontends/python/records.hpp"
#include "frontends/python/run_columns.hpp"
#include "frontends/python/signal_check.hpp"
#include "frontends/python/stored_values.hpp"
#include "frontends/python/study_results.hpp"
#include "model/degrees.hpp"
#include "model/model_stop.hpp"
#include "model/step_resolution.hpp"
#include "studies/run_observers.hpp"

namespace py = pybind11;

namespace msa::python {

namespace {


// Room for the rows the settings promise, within reason: a run that stalls
// or stops early does not hold memory it never fills.
std::size_t expectedRows(const SimulationSettings& s) {
  const double rows = (double(s.temax) - double(s.temin)) / double(s.teinc) + 2.0;
  constexpr double kMost = 1 << 20;
  return std::isfinite(rows) && rows > 0 ? static_cast<std::size_t>(std::fmin(rows, kMost)) : 1;
}

// A column handed to numpy without a copy: the array owns the vector.
template <typename T>
py::array_t<T> arrayOf(std::vector<T>&& column) {
  auto* owned = new std::vector<T>(std::move(column));
  py::capsule owner(owned, [](void* p) { delete static_cast<std::vector<T>*>(p); });
  return py::array_t<T>(static_cast<py::ssize_t>(owned->size()), owned->data(), owner);
}

// Ends the run after a given number of steps, as a recorded {BREAK n} does:
// the engine's Requested stop, which the screen words "arrêt demandé".
class StepLimit : public StepObserver {
 public:
  explicit StepLimit(std::uint64_t limit) : limit_(limit) {}
  void stepDone(const StepPoint&, const StepPoint&) override {
    if (limit_ != 0 && ++steps_ >= limit_) throw ModelStop{StopReason::Requested};
  }

 private:
  std::uint64_t limit_;
  std::uint64_t steps_ = 0;
};

// None for no limit, else a whole number of steps, at least 1.
std::uint64_t stepLimit(py::handle stopAfter) {
  if (stopAfter.is_none()) return 0;
  if (!py::isinstance<py::int_>(stopAfter) || py::isinstance<py::bool_>(stopAfter))
    throw py::type_error("stop_after: a whole number of steps, or None");
  const long long steps = stopAfter.cast<long long>();
  if (steps < 1) throw py::value_error("stop_after: at least 1 step");
  return static_cast<std::uint64_t>(steps);
}

struct SetUp {
  SimulationSettings settings;
  DriveState start;
};

// The set-up dialogue of menu S in its order: the control mode, xhimin when
// beta is held (converted through degrees even when kept), the rates, the
// final voltage, the times and the step, the graduations (offered anew at
// 0.5 s and 0.2 p.u.).
SetUp setUp(const DeviceParameters& device, const DriveState& before, SimulationSettings s, py::handle mode,
            py::handle xhimin, py::handle drau, py::handle dmu, py::handle dnu, py::handle Udcfin, py::handle temin,
            py::handle tdt, py::handle tft, py::handle temax, py::handle teinc, py::handle dtgrad, py::handle dygrad) {
  SimulationInputs in = simulationDefaults(before);
  in.ControlMode = typedFloat(mode, "mode").value_or(in.ControlMode);
  if (holdsBeta(in.ControlMode)) {
    s.xhimin = angleAnswer(s.xhimin, typedFloat(xhimin, "xhimin"));
  } else if (!xhimin.is_none()) {
    throw py::value_error("xhimin: asked only with beta held fixed (mode 'beta')");
  }
  in.drau = typedFloat(drau, "drau").value_or(in.drau);
  in.dmu = typedFloat(dmu, "dmu").value_or(in.dmu);
  in.dnu = typedFloat(dnu, "dnu").value_or(in.dnu);
  s.Udcfin = typedFloat(Udcfin, "Udcfin").value_or(s.Udcfin);
  s.temin = typedFloat(temin, "temin").value_or(s.temin);
  s.tdt = typedFloat(tdt, "tdt").value_or(s.tdt);
  s.tft = typedFloat(tft, "tft").value_or(s.tft);
  s.temax = typedFloat(temax, "temax").value_or(s.temax);
  s.teinc = typedFloat(teinc, "teinc").value_or(s.teinc);
  s.dtgrad = typedFloat(dtgrad, "dtgrad").value_or(0.5f);
  s.dygrad = typedFloat(dygrad, "dygrad").value_or(0.2f);
  return {s, simulationStart(device, before, in)};
}

py::dict simulateRun(const DeviceParameters& device, const StateRecord& before, const SimulationSettings& settings,
                     py::handle mode, py::handle xhimin, py::handle drau, py::handle dmu, py::handle dnu,
                     py::handle Udcfin, py::handle temin, py::handle tdt, py::handle tft, py::handle temax,
                     py::handle teinc, py::handle dtgrad, py::handle dygrad, py::handle stopAfter) {
  StepLimit limit(stepLimit(stopAfter));
  const SetUp set = setUp(device, before.drive, settings, mode, xhimin, drau, dmu, dnu, Udcfin, temin, tdt, tft,
                          temax, teinc, dtgrad, dygrad);
  RunColumns columns(expectedRows(set.settings));
  SignalCheck signals;
  RunFanOut observers;
  observers.add(columns);
  observers.add(signals);
  observers.add(limit);
  NoticeCounter notices;
  SimulationRun run;
  {
    py::gil_scoped_release released;
    run = simulate(device, set.settings, set.start, observers, notices);
  }
  const std::int64_t number = before.runs + 1;
  py::dict out;
  // The set-up screen's starting point, from the state before the run.
  const DriveState& s = before.drive;
  py::dict starting;
  starting["psi"] = s.fluxes.psi;
  starting["psid"] = s.fluxes.psid;
  starting["psiq"] = s.fluxes.psiq;
  starting["rau"] = degrees(s.angles.rau);
  starting["mu"] = degrees(s.angles.mu);
  starting["nu"] = degrees(s.angles.nu);
  starting["Udc"] = s.Udc;
  out["start"] = starting;
  py::dict arrays;
  arrays["run"] = arrayOf(std::vector<std::int32_t>(columns.rows(), static_cast<std::int32_t>(number)));
  arrays["te_s"] = arrayOf(std::move(columns.te));
  arrays["speed_rpm"] = arrayOf(std::move(columns.speed));
  arrays["idc_a"] = arrayOf(std::move(columns.idc));
  arrays["mu_deg"] = arrayOf(std::move(columns.mu));
  arrays["xhi_deg"] = arrayOf(std::move(columns.xhi));
  arrays["beta_deg"] = arrayOf(std::move(columns.beta));
  arrays["udc_v"] = arrayOf(std::move(columns.udc));
  arrays["cem_nm"] = arrayOf(std::move(columns.cem));
  out["columns"] = arrays;
  out["steps"] = run.steps;
  out["notices"] = notices.count;
  out["stop"] = stopDict(run.stop);
  out["interruption"] = signals.takeInterruption();
  out["state"] = StateRecord{run.state, number};
  out["settings"] = set.settings;
  // The step is below the range whose results the float state keeps.
  out["least_step"] = stepBelowTrustworthyRange(device, set.settings, set.start)
                          ? py::object(py::float_(smallestTrustworthyStep(device, set.settings, set.start)))
                          : py::object(py::none());
  return out;
}

}  // namespace

void bindSimulation(py::module_& m) {
  m.def("simulate", &simulateRun, py::arg("device"), py::arg("state"), py::arg("settings"), py::arg("mode"),
        py::arg("xhimin"), py::arg("drau"), py::arg("dmu"), py::arg("dnu"), py::arg("Udcfin"), py::arg("temin"),
        py::arg("tdt"), py::arg("tft"), py::arg("temax"), py::arg("teinc"), py::arg("dtgrad"), py::arg("dygrad"),
        py::arg("stop_after"));
}

}  // namespace msa::python
