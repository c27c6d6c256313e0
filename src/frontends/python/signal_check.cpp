#include "frontends/python/signal_check.hpp"

#include <utility>

#include "model/model_stop.hpp"

namespace py = pybind11;

namespace msa::python {

namespace {

// A step takes about a microsecond: the clock is read every quarter of a
// millisecond or so, the handlers run every 20 ms.
constexpr long kStepsBetweenClockReads = 256;
constexpr std::chrono::milliseconds kHandlerInterval{20};

}  // namespace

SignalCheck::SignalCheck() : last_(std::chrono::steady_clock::now()), interruption_(py::none()) {}

void SignalCheck::stepDone(const StepPoint&, const StepPoint&) {
  if (++steps_ % kStepsBetweenClockReads != 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - last_ < kHandlerInterval) return;
  last_ = now;
  py::gil_scoped_acquire gil;
  if (PyErr_CheckSignals() == 0) return;
  PyObject *type = nullptr, *value = nullptr, *traceback = nullptr;
  PyErr_Fetch(&type, &value, &traceback);
  PyErr_NormalizeException(&type, &value, &traceback);
  if (traceback != nullptr && value != nullptr) PyException_SetTraceback(value, traceback);
  Py_XDECREF(type);
  Py_XDECREF(traceback);
  interruption_ = value != nullptr ? py::reinterpret_steal<py::object>(value) : py::none();
  throw ModelStop{StopReason::Requested};
}

py::object SignalCheck::takeInterruption() { return std::exchange(interruption_, py::none()); }

}  // namespace msa::python
