// msa._msa: the engine for Python. The msa package (python/msa) builds its
// results, stops, plots and sweeps on these bindings.
#include <pybind11/pybind11.h>

#include "msa_version.hpp"

#include "frontends/python/records.hpp"
#include "frontends/python/simulation_study.hpp"
#include "frontends/python/steady_studies.hpp"
#include "frontends/python/texts.hpp"

PYBIND11_MODULE(_msa, m) {
  m.doc() = "msa's engine: the studies of a self-controlled synchronous machine, with the program's digits";
  m.attr("__version__") = kMsaVersion;
  msa::python::bindRecords(m);
  msa::python::bindSteadyStudies(m);
  msa::python::bindSimulation(m);
  msa::python::bindTexts(m);
}
