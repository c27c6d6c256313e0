#include "frontends/python/texts.hpp"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "dialogue/answer_field.hpp"
#include "dialogue/messages.hpp"
#include "dialogue/number_format.hpp"
#include "frontends/python/stored_values.hpp"
#include "frontends/python/study_results.hpp"
#include "studies/stop_report.hpp"

namespace py = pybind11;

namespace msa::python {

namespace {

Language languageOf(const std::string& code) {
  const std::optional<Language> language = languageFromCode(code);
  if (!language) throw py::value_error("language: 'fr' or 'en', not '" + code + "'");
  return *language;
}

std::optional<StopReason> reasonOf(const std::string& name) {
  for (StopReason reason : {StopReason::NegativeCurrent, StopReason::AlphaAbove180, StopReason::MuAbove60,
                            StopReason::MuBelow0, StopReason::AlphaUndefined, StopReason::TimeStalled,
                            StopReason::Requested})
    if (name == reasonName(reason)) return reason;
  return std::nullopt;
}

// A real number as the float the screens would hold: rounded to the
// nearest, past the largest float an infinity, as a typed answer is read.
float screenFloat(double value) {
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  if (std::fabs(value) >= kFloatOverflow) return value > 0 ? kInfinity : -kInfinity;
  return static_cast<float>(value);
}

}  // namespace

void bindTexts(py::module_& m) {
  m.def(
      "format_number", [](double value) { return formatNumber(screenFloat(value)); }, py::arg("value"),
      "The number as the screens print it: 7 significant digits, plain between 0.1 and 10 000 000, else\n"
      "d.dddddde+xxx, trailing zeros removed, a leading blank unless negative. A value that is not a float\n"
      "is rounded to the nearest float first, as the screens only hold floats.");
  m.def(
      "typed",
      [](const std::string& line) -> py::object {
        const std::string field = answerField(line);
        if (field.empty()) return py::none();
        return py::float_(numericValue(field));
      },
      py::arg("line"),
      "The value the dialogue stores for an answer line typed at a prompt: the first field (a quoted one, or\n"
      "up to a comma), then &H/&O/&B whole numbers or the longest leading decimal number (d for e allowed),\n"
      "anything else 0, read into a double and rounded to float. None when the field is empty: Enter, the\n"
      "value shown kept.");
  m.def(
      "stop_message",
      [](const std::string& reason, float te, float Idc, const std::string& language) {
        const std::optional<StopReason> known = reasonOf(reason);
        if (!known) throw py::value_error("not a stop reason: '" + reason + "'");
        return fillPlaceholders(message(languageOf(language), stopMessage(*known)),
                                {formatNumber(te), formatNumber(Idc)});
      },
      py::arg("reason"), py::arg("te"), py::arg("Idc"), py::arg("language"));
  m.def(
      "small_step_notice",
      [](float teinc, float least, const std::string& language) {
        // Worded as the window's title bar words it.
        char step[32], bound[32];
        std::snprintf(step, sizeof step, "%.3g", double(teinc));
        std::snprintf(bound, sizeof bound, "%.2g", double(least));
        return fillPlaceholders(message(languageOf(language), Msg::SmallStepNotice), {step, bound});
      },
      py::arg("teinc"), py::arg("least"), py::arg("language"));
  m.def(
      "curve_names",
      [](const std::string& language) {
        const Language l = languageOf(language);
        py::dict names;
        names["speed"] = std::string(message(l, Msg::LegendSpeed));
        names["mu"] = std::string(message(l, Msg::LegendMu));
        names["xhi"] = std::string(message(l, Msg::LegendXhi));
        names["current"] = std::string(message(l, Msg::LegendCurrent));
        return names;
      },
      py::arg("language"), "The diagram's legend of the four curves, as the diagram writes it.");
}

}  // namespace msa::python
