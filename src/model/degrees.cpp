#include "model/degrees.hpp"

#include "data/machine_data.hpp"

namespace msa {

using LD = long double;

float degrees(float angle) { return float((LD(angle) / pi) * 180.0f); }

}  // namespace msa
