#pragma once

namespace msa::error_free {

// a b - p exactly, p = a * b rounded to nearest, for a type with a 64-bit
// significand, by Dekker's and Veltkamp's splitting: 2^32 + 1 cuts each
// factor into two halves of 32 bits, whose products are exact (no overflow
// or underflow).
template <class T>
constexpr T splitProductError(T a, T b, T p) {
  const T split = T(0x100000001ull);
  const T ta = a * split, tb = b * split;
  const T ah = ta - (ta - a), bh = tb - (tb - b);
  const T al = a - ah, bl = b - bh;
  return (((ah * bh - p) + ah * bl) + al * bh) + al * bl;
}

}  // namespace msa::error_free
