#include "model/degrees.hpp"

#include "data/constants.hpp"
#include "numeric/extended.hpp"

namespace msa {

float degrees(float angle) { return float((Extended(angle) / pi) * 180.0f); }

}  // namespace msa
