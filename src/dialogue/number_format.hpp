#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace msa {

// A single-precision value as the dialogue prints it: 7 significant digits,
// plain between 0.1 and 10 000 000, else d.dddddde+xxx, trailing zeros
// removed, a leading blank unless negative.
std::string formatNumber(float value);

// The same text held without the heap (at most 15 characters): the menu's
// status lines and every study's results are printed from it.
struct NumberText {
  std::array<char, 24> chars{};
  std::size_t size = 0;
  std::string_view view() const { return {chars.data(), size}; }
};
NumberText numberText(float value);

// A whole number as the dialogue prints it: its digits, a leading blank unless negative.
std::string formatWhole(std::int32_t value);

}  // namespace msa
