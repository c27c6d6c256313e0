#include "frontends/python/run_columns.hpp"

#include "engine/prompt_units.hpp"
#include "model/degrees.hpp"

namespace msa::python {

RunColumns::RunColumns(std::size_t expectedRows) {
  for (std::vector<float>* column : {&te, &speed, &idc, &mu, &xhi, &beta, &udc, &cem}) column->reserve(expectedRows);
}

void RunColumns::append(const StepPoint& p) {
  te.push_back(p.te);
  speed.push_back(rpmShown(p.omegam));
  idc.push_back(p.Idc);
  mu.push_back(degrees(p.mu));
  xhi.push_back(degrees(p.xhi));
  beta.push_back(degrees(p.beta));
  udc.push_back(p.udc);
  cem.push_back(p.Cem);
}

}  // namespace msa::python
