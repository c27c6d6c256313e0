#include "model/degrees.hpp"

#include "data/machine_data.hpp"
#include "numeric/extended.hpp"

namespace msa {

float degrees(float angle) { return float((Extended(angle) / pi) * 180.0f); }

}  // namespace msa
