#pragma once

#include <string>

namespace msa::python {

// The shortest text that reads back as the same float: what a repr shows.
std::string shortestText(float value);

}  // namespace msa::python
