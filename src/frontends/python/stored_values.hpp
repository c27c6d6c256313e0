#pragma once

#include <optional>
#include <string_view>

#include <pybind11/pybind11.h>

namespace msa::python {

// The largest float plus half its last unit: a double at or above it rounds
// to an infinity (and converting it to float is not defined).
inline constexpr double kFloatOverflow = 0x1.ffffffp+127;

// A Python number as the float the dialogue would store for it. The dialogue
// reads a typed decimal into a double (correctly rounded) and rounds that to
// the nearest float. A Python float is a double whose shortest text reads
// back as itself, so typing that text stores exactly the nearest float to the
// double: which is what this returns, for ints and anything with __float__
// too. Text is refused (msa.typed reads an answer line as the dialogue does);
// so are NaN, infinities and magnitudes that would round past the largest
// float, since no study can use them. `name` says which answer is wrong.
float storedFloat(pybind11::handle value, std::string_view name);

// None is Enter: nothing typed, the value shown is kept.
std::optional<float> typedFloat(pybind11::handle value, std::string_view name);

}  // namespace msa::python
