#pragma once

#include "numeric/extended.hpp"

namespace msa {

// The whole part of v, toward zero, exactly as std::trunc gives it (signed
// zeros, infinities and not-a-number included), but by a conversion to a
// 64-bit integer: on x86-64 with SSE3 that is one fisttp, where std::trunc
// has to switch the x87 rounding mode twice for every call. A zero takes the
// sign of v from v * 0.
inline constexpr Extended kAllWhole = extendedConstant(1, 63);  // from here on every value is whole

inline Extended truncated(Extended v) {
  if (!(magnitude(v) < kAllWhole)) return v;  // whole already, or not finite
  const Extended whole = Extended(static_cast<long long>(v));
  return whole != 0 ? whole : v * 0;
}

}  // namespace msa
