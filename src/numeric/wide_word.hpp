#pragma once

#include <bit>
#include <cstdint>

namespace msa {

// The one 128-bit whole number of the numeric layer: the software type's
// products, quotients and sums with their sticky bits, the trigonometry's
// fixed-point reduction and series, the decimal digits' scaled values.
__extension__ typedef unsigned __int128 WideWord;
__extension__ typedef __int128 SignedWideWord;

// The zeros above the top bit (128 for zero).
constexpr int leadingZeros(WideWord x) {
  const auto high = static_cast<std::uint64_t>(x >> 64);
  return high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<std::uint64_t>(x));
}

// The full product of two 64-bit words in 32-bit halves, for a processor with
// no 64 x 64 to 128-bit multiply (WebAssembly), where the compiler's general
// 128-bit routine costs a call.
constexpr WideWord multiplyWordsInHalves(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32, bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
  const std::uint64_t low = aLow * bLow, middle1 = aHigh * bLow, middle2 = aLow * bHigh, high = aHigh * bHigh;
  // The two middle products and the low one's upper half, summed with their carries.
  const std::uint64_t middle = (low >> 32) + (middle1 & 0xFFFFFFFFu) + (middle2 & 0xFFFFFFFFu);
  const std::uint64_t top = high + (middle1 >> 32) + (middle2 >> 32) + (middle >> 32);
  return (static_cast<WideWord>(top) << 64) | ((middle << 32) | (low & 0xFFFFFFFFu));
}

// The full product of two 64-bit words: one instruction where the processor
// has it, in halves elsewhere; the same value everywhere.
#if defined(__x86_64__) || defined(__aarch64__)
constexpr WideWord multiplyWords(std::uint64_t a, std::uint64_t b) { return static_cast<WideWord>(a) * b; }
#else
constexpr WideWord multiplyWords(std::uint64_t a, std::uint64_t b) { return multiplyWordsInHalves(a, b); }
#endif

}  // namespace msa
