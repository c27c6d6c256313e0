#pragma once

// The bits of a software extended value as text, "-0x3FFF:8000000000000000",
// for the messages of the tests and of msa-extended-accuracy.

#include <cstdio>
#include <string>

#include "numeric/soft_extended.hpp"

namespace msa {

inline std::string describe(SoftExtended x) {
  char text[32];
  std::snprintf(text, sizeof text, "%s0x%04X:%016llX", x.negative() ? "-" : "", static_cast<unsigned>(x.biasedExponent()),
                static_cast<unsigned long long>(x.significand()));
  return text;
}

}  // namespace msa
