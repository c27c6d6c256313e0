#include "numeric/soft_extended.hpp"

#include <cstdio>

namespace msa {

std::string describe(SoftExtended x) {
  char text[32];
  std::snprintf(text, sizeof text, "%s0x%04X:%016llX", x.negative() ? "-" : "", static_cast<unsigned>(x.biasedExponent()),
                static_cast<unsigned long long>(x.significand()));
  return text;
}

}  // namespace msa
