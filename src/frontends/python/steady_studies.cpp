#include "frontends/python/steady_studies.hpp"

#include "data/simulation_settings.hpp"
#include "engine/excitation.hpp"
#include "engine/prompt_units.hpp"
#include "engine/supply_voltage.hpp"
#include "frontends/python/records.hpp"
#include "frontends/python/stored_values.hpp"
#include "frontends/python/study_results.hpp"

namespace py = pybind11;

namespace msa::python {

namespace {

py::dict excitationStudy(const DeviceParameters& device, const StateRecord& start, py::handle xhi, py::handle Udc,
                         py::handle Idc, py::handle speed, py::handle mu) {
  ExcitationInputs in = excitationDefaults(start.drive);
  in.xhi = angleAnswer(in.xhi, typedFloat(xhi, "xhi"));
  in.Udc = typedFloat(Udc, "Udc").value_or(in.Udc);
  in.Idc = typedFloat(Idc, "Idc").value_or(in.Idc);
  in.omegam = speedAnswer(in.omegam, typedFloat(speed, "speed"));
  in.mu = angleAnswer(in.mu, typedFloat(mu, "mu"));
  ExcitationStudy e;
  {
    py::gil_scoped_release released;
    e = excitation(device, start.drive, in);
  }
  py::dict out;
  out["alpha"] = e.alphaDegrees;
  const ClosedFormExcitation& c = e.closedForm;
  py::dict closed;
  closed["I1"] = c.I1;
  closed["Ec"] = c.Ec;
  closed["commutation_flux"] = c.commutationFlux;
  closed["Ef"] = c.Ef;
  closed["mfif"] = c.mfif;
  closed["notices"] = c.notices;
  closed["delta"] = c.deltaDegrees;
  out["closed_form"] = closed;
  out["iterations"] = iterationList(e.chapterTwo);
  out["stop"] = stopDict(e.chapterTwo.stop);
  if (e.results) {
    const ExcitationResults& r = *e.results;
    py::dict results;
    results["psid"] = r.psid;
    results["psiq"] = r.psiq;
    results["psi"] = r.psi;
    results["Cem"] = r.Cem;
    results["Cfrot"] = r.Cfrot;
    results["friction_loss"] = r.frictionLoss;
    results["Cmec"] = r.Cmec;
    results["shaft_power"] = r.shaftPower;
    out["results"] = results;
  } else {
    out["results"] = py::none();
  }
  out["state"] = StateRecord{e.state, start.runs};
  return out;
}

py::dict supplyVoltageStudy(const DeviceParameters& device, const StateRecord& start,
                            const SimulationSettings& settings, py::handle speed, py::handle Cmec, py::handle mfif,
                            py::handle mode, py::handle betaref, py::handle xhiref, py::handle mu, py::handle delta) {
  const DriveState& s = start.drive;
  SupplyVoltageInputs in = supplyVoltageDefaults(s, s.control.ControlMode);
  in.omegam = speedAnswer(in.omegam, typedFloat(speed, "speed"));
  in.Cmec = typedFloat(Cmec, "Cmec").value_or(in.Cmec);
  in.mfif = typedFloat(mfif, "mfif").value_or(in.mfif);
  in.ControlMode = typedFloat(mode, "mode").value_or(in.ControlMode);
  // The reference offered is the angle the chosen mode holds; only that one is asked.
  const bool beta = asksForBeta(in.ControlMode);
  if (!(beta ? xhiref : betaref).is_none())
    throw py::value_error(beta ? "xhiref: with beta held fixed the study asks for betaref, not xhiref"
                               : "betaref: with xhi held fixed the study asks for xhiref, not betaref");
  in.reference = angleAnswer(supplyVoltageDefaults(s, in.ControlMode).reference,
                             typedFloat(beta ? betaref : xhiref, beta ? "betaref" : "xhiref"));
  in.mu = angleAnswer(in.mu, typedFloat(mu, "mu"));
  in.delta = angleAnswer(in.delta, typedFloat(delta, "delta"));
  SupplyVoltageStudy u;
  {
    py::gil_scoped_release released;
    u = supplyVoltage(device, settings.xhimin, s, in);
  }
  py::dict out;
  py::dict torques;
  torques["Cfrot"] = u.torques.Cfrot;
  torques["friction_loss"] = u.torques.frictionLoss;
  torques["Cem"] = u.torques.Cem;
  out["torques"] = torques;
  out["Ef"] = u.Ef;
  out["iterations"] = iterationList(u.chapterTwo);
  out["stop"] = stopDict(u.chapterTwo.stop);
  if (u.results) {
    py::dict results;
    results["udc"] = u.results->udc;
    results["psid"] = u.results->psid;
    results["psiq"] = u.results->psiq;
    results["psi"] = u.results->psi;
    out["results"] = results;
  } else {
    out["results"] = py::none();
  }
  out["state"] = StateRecord{u.state, start.runs};
  return out;
}

}  // namespace

void bindSteadyStudies(py::module_& m) {
  m.def("excitation", &excitationStudy, py::arg("device"), py::arg("state"), py::arg("xhi"), py::arg("Udc"),
        py::arg("Idc"), py::arg("speed"), py::arg("mu"));
  m.def("supply_voltage", &supplyVoltageStudy, py::arg("device"), py::arg("state"), py::arg("settings"),
        py::arg("speed"), py::arg("Cmec"), py::arg("mfif"), py::arg("mode"), py::arg("betaref"), py::arg("xhiref"),
        py::arg("mu"), py::arg("delta"));
}

}  // namespace msa::python
