#include "frontends/python/records.hpp"

#include <cstring>
#include <string>
#include <type_traits>

#include "data/constants.hpp"
#include "data/machine_data.hpp"
#include "engine/prompt_units.hpp"
#include "frontends/python/float_text.hpp"
#include "frontends/python/stored_values.hpp"
#include "model/degrees.hpp"
#include "numeric/extended.hpp"

namespace py = pybind11;

namespace msa::python {

namespace {

// ---- what each record shows, by name -------------------------------------

struct DeviceField {
  const char* name;
  float DeviceParameters::*member;
};
// In the order of the data entry.
constexpr DeviceField kDeviceFields[] = {
    {"ldc", &DeviceParameters::ldc}, {"rdc", &DeviceParameters::rdc},         {"p", &DeviceParameters::p},
    {"r", &DeviceParameters::r},     {"lc", &DeviceParameters::lc},           {"M", &DeviceParameters::M},
    {"Lr", &DeviceParameters::Lr},   {"rA", &DeviceParameters::rA},           {"romegam", &DeviceParameters::romegam},
    {"J", &DeviceParameters::J},
};

struct SettingsField {
  const char* name;
  float SimulationSettings::*member;
  bool angle;  // held in rad, given and shown in degrees as the prompt does
};
// What may be given: the graduations are offered anew by every run.
constexpr SettingsField kSettingsFields[] = {
    {"choixIter", &SimulationSettings::choixIter, false}, {"xhimin", &SimulationSettings::xhimin, true},
    {"Udcfin", &SimulationSettings::Udcfin, false},       {"temin", &SimulationSettings::temin, false},
    {"tdt", &SimulationSettings::tdt, false},             {"tft", &SimulationSettings::tft, false},
    {"temax", &SimulationSettings::temax, false},         {"teinc", &SimulationSettings::teinc, false},
    {"ymin", &SimulationSettings::ymin, false},           {"ymax", &SimulationSettings::ymax, false},
};

struct StateField {
  const char* name;
  float (*of)(const DriveState&);
};
#define MSA_STATE_FIELD(name, path) \
  { #name, [](const DriveState& s) { return s.path; } }
// Every quantity of the state, grouped as the engine groups them.
constexpr StateField kStateFields[] = {
    MSA_STATE_FIELD(te, te),
    MSA_STATE_FIELD(omegam, omegam),
    MSA_STATE_FIELD(omega, omega),
    MSA_STATE_FIELD(Udc, Udc),
    MSA_STATE_FIELD(udc, udc),
    MSA_STATE_FIELD(mfif, mfif),
    MSA_STATE_FIELD(Cmec, Cmec),
    MSA_STATE_FIELD(drau, drau),
    MSA_STATE_FIELD(dmu, dmu),
    MSA_STATE_FIELD(dnu, dnu),
    MSA_STATE_FIELD(psi, fluxes.psi),
    MSA_STATE_FIELD(psid, fluxes.psid),
    MSA_STATE_FIELD(psiq, fluxes.psiq),
    MSA_STATE_FIELD(Idc, currents.Idc),
    MSA_STATE_FIELD(iD, currents.iD),
    MSA_STATE_FIELD(iQ, currents.iQ),
    MSA_STATE_FIELD(det, currents.det),
    MSA_STATE_FIELD(psidc, flux.psidc),
    MSA_STATE_FIELD(psiqc, flux.psiqc),
    MSA_STATE_FIELD(psic, flux.psic),
    MSA_STATE_FIELD(delta, flux.delta),
    MSA_STATE_FIELD(alpha, angles.alpha),
    MSA_STATE_FIELD(xhi, angles.xhi),
    MSA_STATE_FIELD(mu, angles.mu),
    MSA_STATE_FIELD(mu2, angles.mu2),
    MSA_STATE_FIELD(nu, angles.nu),
    MSA_STATE_FIELD(rau, angles.rau),
    MSA_STATE_FIELD(beta, angles.beta),
    MSA_STATE_FIELD(x, commutation.x),
    MSA_STATE_FIELD(y, commutation.y),
    MSA_STATE_FIELD(z, commutation.z),
    MSA_STATE_FIELD(coeffradd, commutation.coeffradd),
    MSA_STATE_FIELD(cmu2, commutation.cmu2),
    MSA_STATE_FIELD(smu2, commutation.smu2),
    MSA_STATE_FIELD(kxmu, angleCoefficients.kxmu),
    MSA_STATE_FIELD(kymu, angleCoefficients.kymu),
    MSA_STATE_FIELD(kzmu, angleCoefficients.kzmu),
    MSA_STATE_FIELD(kxnu, angleCoefficients.kxnu),
    MSA_STATE_FIELD(kynu, angleCoefficients.kynu),
    MSA_STATE_FIELD(kznu, angleCoefficients.kznu),
    MSA_STATE_FIELD(ControlMode, control.ControlMode),
    MSA_STATE_FIELD(betaref, control.betaref),
    MSA_STATE_FIELD(xhiref, control.xhiref),
    MSA_STATE_FIELD(Radd, terms.Radd),
    MSA_STATE_FIELD(urot, terms.urot),
    MSA_STATE_FIELD(umu, terms.umu),
    MSA_STATE_FIELD(unu, terms.unu),
    MSA_STATE_FIELD(ures, terms.ures),
    MSA_STATE_FIELD(ue, terms.ue),
    MSA_STATE_FIELD(Cem, terms.Cem),
    MSA_STATE_FIELD(Cfrot, terms.Cfrot),
};
#undef MSA_STATE_FIELD
static_assert(sizeof(DriveState) == sizeof(kStateFields) / sizeof(StateField) * sizeof(float),
              "every quantity of the state has its name");

// ---- exact copies for pickling and comparison ----------------------------

template <typename Record>
py::bytes bytesOf(const Record& record) {
  static_assert(std::is_trivially_copyable_v<Record> && sizeof(Record) % sizeof(float) == 0);
  return py::bytes(reinterpret_cast<const char*>(&record), sizeof record);
}

template <typename Record>
Record recordOf(const py::bytes& bytes, const char* what) {
  const std::string text = bytes;
  if (text.size() != sizeof(Record)) throw py::value_error(std::string(what) + ": not a pickled " + what);
  Record record;
  std::memcpy(&record, text.data(), sizeof record);
  return record;
}

template <typename Record>
bool sameBits(const Record& a, const Record& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// ---- values given by name ------------------------------------------------

template <typename Table>
void checkNames(const py::kwargs& given, const Table& table, const char* what) {
  for (const auto& item : given) {
    const std::string name = py::str(item.first);
    bool known = false;
    for (const auto& field : table) known = known || name == field.name;
    if (known) continue;
    std::string names;
    for (const auto& field : table) names += std::string(names.empty() ? "" : ", ") + field.name;
    throw py::type_error(std::string(what) + "() got an unexpected keyword argument '" + name + "' (it takes " +
                         names + ")");
  }
}

// The data entry: each parameter given replaces the one shown, then M2Lr is
// derived from M and Lr as the data entry derives it.
DeviceParameters enterData(DeviceParameters d, const py::kwargs& given) {
  checkNames(given, kDeviceFields, "Device");
  for (const DeviceField& field : kDeviceFields) {
    if (!given.contains(field.name)) continue;
    if (const auto value = typedFloat(given[field.name], field.name)) d.*field.member = *value;
  }
  d.M2Lr = derivedM2Lr(d);
  return d;
}

SimulationSettings enterSettings(SimulationSettings s, const py::kwargs& given) {
  checkNames(given, kSettingsFields, "Settings");
  for (const SettingsField& field : kSettingsFields) {
    if (!given.contains(field.name)) continue;
    const std::optional<float> typed = typedFloat(given[field.name], field.name);
    float& stored = s.*field.member;
    if (field.angle) {
      stored = angleAnswer(stored, typed);
    } else if (typed) {
      stored = *typed;
    }
  }
  return s;
}

// The main menu's status lines, as it computes them.
py::dict statusLines(const DriveState& s) {
  py::dict lines;
  lines["beta"] = degrees(s.angles.beta);
  lines["xhi"] = degrees(s.angles.xhi);
  lines["mu"] = degrees(s.angles.mu);
  // Multiplied before dividing, unlike the speed prompts: the last digit may differ.
  lines["speed"] = float((30.0f * Extended(s.omegam)) / pi);
  lines["Idc"] = s.currents.Idc;
  lines["udc"] = s.udc;
  return lines;
}

template <typename Table, typename Record, typename Value>
std::string reprOf(const char* what, const Table& table, const Record& record, Value value) {
  std::string text = std::string(what) + "(";
  bool first = true;
  for (const auto& field : table) {
    text += std::string(first ? "" : ", ") + field.name + "=" + shortestText(value(field, record));
    first = false;
  }
  return text;
}

void bindDevice(py::module_& m) {
  py::class_<DeviceParameters> device(m, "Device", R"(The ten device parameters, as the data entry takes them.

Device(**values): the title screen's defaults, each value given by name
replacing the one shown (ldc H, rdc ohm, p, r ohm, lc H, M H, Lr H, rA ohm,
romegam Nm/(rad/s), J kg m^2); None keeps it. M2Lr = (M M 1.5) / Lr is
derived from M and Lr as the data entry derives it. Values are the stored
floats; the record is read-only (replace() is the data entry again).)");
  device.def(py::init([](const py::kwargs& given) {
    DeviceParameters d;
    loadDefaults(d);
    return enterData(d, given);
  }));
  device.def(
      "replace", [](const DeviceParameters& d, const py::kwargs& given) { return enterData(d, given); },
      "The data entry again from these values (menu D): the values given replace them, M2Lr derived anew.");
  for (const DeviceField& field : kDeviceFields) {
    const auto member = field.member;
    device.def_property_readonly(field.name, [member](const DeviceParameters& d) { return d.*member; });
  }
  device.def_property_readonly("M2Lr", [](const DeviceParameters& d) { return d.M2Lr; });
  device.def("__eq__", [](const DeviceParameters& a, const DeviceParameters& b) { return sameBits(a, b); });
  device.def("__repr__", [](const DeviceParameters& d) {
    return reprOf("Device", kDeviceFields, d, [](const DeviceField& f, const DeviceParameters& r) {
             return r.*f.member;
           }) + ")";
  });
  device.def(py::pickle([](const DeviceParameters& d) { return py::make_tuple(bytesOf(d)); },
                        [](const py::tuple& t) { return recordOf<DeviceParameters>(t[0], "Device"); }));
}

void bindSettings(py::module_& m) {
  py::class_<SimulationSettings> settings(m, "Settings", R"(What the studies and the transient are set to.

Settings(**values): the title screen's defaults, each value given by name
replacing the one shown, in the prompts' units (xhimin in degrees): choixIter,
xhimin, Udcfin V, temin s, tdt s, tft s, temax s, teinc s, ymin, ymax. None
keeps it. Read-only; a simulation returns the settings it leaves, and
replace() gives new ones. xhimin reads in degrees as its prompt shows it.)");
  settings.def(py::init([](const py::kwargs& given) {
    SimulationSettings s;
    loadDefaults(s);
    return enterSettings(s, given);
  }));
  settings.def(
      "replace", [](const SimulationSettings& s, const py::kwargs& given) { return enterSettings(s, given); },
      "These settings with the values given replacing them (xhimin in degrees).");
  for (const SettingsField& field : kSettingsFields) {
    const auto member = field.member;
    if (field.angle) {
      settings.def_property_readonly(field.name, [member](const SimulationSettings& s) { return degrees(s.*member); });
    } else {
      settings.def_property_readonly(field.name, [member](const SimulationSettings& s) { return s.*member; });
    }
  }
  settings.def_property_readonly("dtgrad", [](const SimulationSettings& s) { return s.dtgrad; });
  settings.def_property_readonly("dygrad", [](const SimulationSettings& s) { return s.dygrad; });
  settings.def("__eq__", [](const SimulationSettings& a, const SimulationSettings& b) { return sameBits(a, b); });
  settings.def("__repr__", [](const SimulationSettings& s) {
    return reprOf("Settings", kSettingsFields, s, [](const SettingsField& f, const SimulationSettings& r) {
             return f.angle ? degrees(r.*f.member) : r.*f.member;
           }) + ")";
  });
  settings.def(py::pickle([](const SimulationSettings& s) { return py::make_tuple(bytesOf(s)); },
                          [](const py::tuple& t) { return recordOf<SimulationSettings>(t[0], "Settings"); }));
}

void bindState(py::module_& m) {
  py::class_<StateRecord> state(m, "State", R"(The drive's state, as a study leaves it for the next one.

State(): the state the title screen's defaults give (xhi, Udc, Idc, mu and
omegam; nothing else computed yet). Every other state comes from a study's
result (.state). The quantities are the engine's, in its units (rad, rad/s,
V, A, Wb, Nm, s), read-only; .status gives the main menu's six status lines
(degrees, r/min), .runs the simulation runs that led to it.)");
  state.def(py::init([] {
    StateRecord record;
    loadDefaults(record.drive);
    return record;
  }));
  state.def(
      "with_defaults",
      [](const StateRecord& r) {
        StateRecord copy = r;
        loadDefaults(copy.drive);
        return copy;
      },
      "This state with the five quantities of the title screen's defaults loaded again (menu R), the rest kept.");
  for (const StateField& field : kStateFields) {
    const auto of = field.of;
    state.def_property_readonly(field.name, [of](const StateRecord& r) { return of(r.drive); });
  }
  state.def_property_readonly("runs", [](const StateRecord& r) { return r.runs; });
  state.def_property_readonly("status", [](const StateRecord& r) { return statusLines(r.drive); },
                              "The main menu's status lines: beta, xhi, mu (degrees), speed (r/min), Idc (A), "
                              "udc (V).");
  state.def(
      "as_dict",
      [](const StateRecord& r) {
        py::dict all;
        for (const StateField& field : kStateFields) all[field.name] = field.of(r.drive);
        return all;
      },
      "Every quantity of the state by its name, in the engine's units.");
  state.def("__eq__", [](const StateRecord& a, const StateRecord& b) {
    return a.runs == b.runs && sameBits(a.drive, b.drive);
  });
  state.def("__repr__", [](const StateRecord& r) {
    const DriveState& s = r.drive;
    return "State(te=" + shortestText(s.te) + ", omegam=" + shortestText(s.omegam) + ", Idc=" +
           shortestText(s.currents.Idc) + ", Udc=" + shortestText(s.Udc) + ", mfif=" + shortestText(s.mfif) +
           ", ControlMode=" + shortestText(s.control.ControlMode) + ", runs=" + std::to_string(r.runs) + ")";
  });
  state.def(py::pickle([](const StateRecord& r) { return py::make_tuple(bytesOf(r.drive), r.runs); },
                       [](const py::tuple& t) {
                         return StateRecord{recordOf<DriveState>(t[0], "State"), t[1].cast<std::int64_t>()};
                       }));
}

}  // namespace

void bindRecords(py::module_& m) {
  bindDevice(m);
  bindSettings(m);
  bindState(m);
}

}  // namespace msa::python
