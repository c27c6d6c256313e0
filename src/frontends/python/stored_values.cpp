#include "frontends/python/stored_values.hpp"

#include <cmath>
#include <string>

namespace py = pybind11;

namespace msa::python {

namespace {

[[noreturn]] void refuse(PyObject* kind, std::string_view name, const std::string& why) {
  PyErr_SetString(kind, (std::string(name) + ": " + why).c_str());
  throw py::error_already_set();
}

}  // namespace

float storedFloat(py::handle value, std::string_view name) {
  if (PyBool_Check(value.ptr())) refuse(PyExc_TypeError, name, "a number is wanted, not a bool");
  if (PyUnicode_Check(value.ptr()) || PyBytes_Check(value.ptr()))
    refuse(PyExc_TypeError, name, "a number is wanted, not text (msa.typed reads a typed answer)");
  const double wide = PyFloat_AsDouble(value.ptr());
  if (wide == -1.0 && PyErr_Occurred()) {
    if (PyErr_ExceptionMatches(PyExc_OverflowError)) {
      PyErr_Clear();
      refuse(PyExc_ValueError, name, "beyond the single-precision range");
    }
    PyErr_Clear();
    refuse(PyExc_TypeError, name,
           std::string("a number is wanted, not ") + Py_TYPE(value.ptr())->tp_name);
  }
  if (std::isnan(wide)) refuse(PyExc_ValueError, name, "not a number (NaN)");
  if (std::isinf(wide)) refuse(PyExc_ValueError, name, "infinite");
  if (std::fabs(wide) >= kFloatOverflow) refuse(PyExc_ValueError, name, "beyond the single-precision range");
  return static_cast<float>(wide);
}

std::optional<float> typedFloat(py::handle value, std::string_view name) {
  if (value.is_none()) return std::nullopt;
  return storedFloat(value, name);
}

}  // namespace msa::python
