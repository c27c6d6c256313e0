#pragma once

namespace msa {

// The constants of the model's own trigonometry (extended_trig.cpp), apart so
// that a test can hold them against their definitions. They come from
// tools/trig_constants.py: pi by Machin's formula in exact integers, each
// value rounded once to the 64-bit significand.
namespace trig_constants {

inline constexpr long double kTwoOverPi = 0x1.45f306dc9c882a54p-1L;
inline constexpr long double kQuarterPi = 0x1.921fb54442d1846ap-1L;
// pi/2 in three parts: the first cut to a multiple of 2^-31 (31 bits), the
// rest cut to a multiple of 2^-63 (30 bits), what then remains rounded;
// pi/2 less all three is below 2^-129.
inline constexpr long double kHalfPiPart1 = 0x1.921fb54400000000p0L;
inline constexpr long double kHalfPiPart2 = 0x1.0b4611a000000000p-34L;
inline constexpr long double kHalfPiPart3 = 0x1.898cc51701b839a2p-64L;

// Taylor coefficients, each 1/n! rounded once: sin r = r + r^3 S(r^2) with
// S = -1/3! + r^2/5! - ... - r^16/19!, cos r = 1 - r^2/2 + r^4 C(r^2) with
// C = 1/4! - r^2/6! + ... + r^16/20!. For |r| <= pi/4 the first terms left
// out (r^21/21!, r^22/22!) are below 2^-72 of the result.
inline constexpr long double kSin[] = {
    -0x1.5555555555555556p-3L,  0x1.1111111111111112p-7L,  -0x1.a01a01a01a01a01ap-13L,
    0x1.71de3a556c7338fap-19L,  -0x1.ae64567f544e38fep-26L, 0x1.6124613a86d097cap-33L,
    -0x1.ae7f3e733b81f11ep-41L, 0x1.952c77030ad4a6b2p-49L,  -0x1.2f49b4681415724cp-57L,
};
inline constexpr long double kCos[] = {
    0x1.5555555555555556p-5L,   -0x1.6c16c16c16c16c16p-10L, 0x1.a01a01a01a01a01ap-16L,
    -0x1.27e4fb7789f5c72ep-22L, 0x1.1eed8eff8d897b54p-29L,  -0x1.93974a8c07c9d20cp-37L,
    0x1.ae7f3e733b81f11ep-45L,  -0x1.6827863b97d977bcp-53L, 0x1.e542ba402022507ap-62L,
};

}  // namespace trig_constants

}  // namespace msa
