#pragma once

#include <cstdint>
#include <string>

namespace msa {

// A single-precision value as the dialogue prints it: 7 significant digits,
// plain between 0.1 and 10 000 000, else d.dddddde+xxx, trailing zeros
// removed, a leading blank unless negative.
std::string formatNumber(float value);

// A whole number as the dialogue prints it: its digits, a leading blank unless negative.
std::string formatWhole(std::int32_t value);

}  // namespace msa
