#!/usr/bin/env python3
"""Writes src/numeric/trig_constants.hpp, the constants of our
trigonometry (src/numeric/trigonometry.cpp, arctangent.cpp).

pi comes from Machin's formula in exact integer arithmetic, arctangents of the
table from Euler's series, also in integers; every value is rounded once to
the 64-bit significand of the x87 extended format (round to nearest, ties to
even) and written as extendedConstant(significand, exponent), the same value
on every target.
Run: python3 tools/trig_constants.py > src/numeric/trig_constants.hpp
"""
from fractions import Fraction

BITS = 64            # significand of the extended format
MAX_EXPONENT = 16383  # of the largest finite extended value
WINDOW = 320         # bits of 2/pi the reduction multiplies with (five words)
PAD_WORDS = 2        # zero words before the bits of 2/pi (see the reduction)
PI_BITS = MAX_EXPONENT + WINDOW + 400
ATAN_STEPS = 64      # the arctangent table holds atan(j/64)
SERIES_TERMS = 10    # of sin and cos in whole numbers: up to 1/21! and 1/20!
WIDE_TERMS = 2       # of those, the first in 128 bits, the rest in 64


def arctan_inverse(n, one):
    """arctan(1/n) * one, by its series, in integers."""
    total, term, k, sign = 0, one // n, 1, 1
    while term:
        total += sign * (term // k)
        term //= n * n
        k += 2
        sign = -sign
    return total


def pi_scaled(bits):
    """floor-ish of pi * 2^bits, within a few units."""
    one = 1 << (bits + 20)
    return (4 * (4 * arctan_inverse(5, one) - arctan_inverse(239, one))) >> 20


def pi_fraction(bits=400):
    return Fraction(pi_scaled(bits), 1 << bits)


def arctan_fraction(p, q, bits=400):
    """arctan(p/q), 0 < p/q <= 1, by Euler's series
    atan x = x/(1+x^2) sum_n c_n y^n, y = x^2/(1+x^2), c_0 = 1, c_n = c_(n-1) 2n/(2n+1)."""
    one = 1 << (bits + 20)
    y_num, y_den = p * p, q * q + p * p
    term = one
    total = 0
    n = 0
    while term:
        total += term
        n += 1
        term = term * (2 * n) * y_num // ((2 * n + 1) * y_den)
    return Fraction(total * p * q, y_den * one)


def split(v):
    """(significand, exponent) of v, which must have at most 64 bits."""
    assert v > 0
    e = 0
    while v >= 1 << BITS:
        v /= 2
        e += 1
    while v < 1 << (BITS - 1):
        v *= 2
        e -= 1
    assert v.denominator == 1, "more than 64 significant bits"
    return int(v), e


def round_to_bits(v, bits=BITS):
    """v rounded to `bits` significant bits, nearest, ties to even."""
    if v == 0:
        return Fraction(0)
    sign = -1 if v < 0 else 1
    v = abs(v)
    e = v.numerator.bit_length() - v.denominator.bit_length()
    while Fraction(2) ** e > v:
        e -= 1
    while Fraction(2) ** (e + 1) <= v:
        e += 1
    scaled = v / Fraction(2) ** (e - bits + 1)
    m = scaled.numerator // scaled.denominator
    rest = scaled - m
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and m % 2):
        m += 1
    return sign * m * Fraction(2) ** (e - bits + 1)


def constant(v):
    """extendedConstant(...) for v, which must have at most 64 bits; negative ones negated."""
    if v == 0:
        return "Extended(0)"
    m, e = split(abs(v))
    text = f"extendedConstant(0x{m:016x}, {e})"
    return "-" + text if v < 0 else text


def factorial(n):
    out = 1
    for i in range(2, n + 1):
        out *= i
    return out


def whole(v, bits):
    """v * 2^bits rounded to the nearest whole number, ties to even."""
    scaled = v * (1 << bits)
    n = scaled.numerator // scaled.denominator
    rest = scaled - n
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and n % 2):
        n += 1
    return n


def series_lines(name, first, what):
    """The coefficients 1/(first + 2k)! of a series in whole numbers: the first
    WIDE_TERMS times 2^128 as two words, each of the rest in one word times
    the largest power of two that leaves it below 2^64."""
    terms = [Fraction(1, factorial(first + 2 * k)) for k in range(SERIES_TERMS)]
    out = [f"// {what}: 1/{first}! ... 1/{first + 2 * (WIDE_TERMS - 1)}! times 2^128, then"
           f" 1/{first + 2 * WIDE_TERMS}! ... 1/{first + 2 * (SERIES_TERMS - 1)}! each at its own scale."]
    out.append(f"inline constexpr WideWords k{name}Wide[] = {{")
    for k, v in enumerate(terms[:WIDE_TERMS]):
        n = whole(v, 128)
        assert n < 1 << 128
        out.append(f"    {{0x{n >> 64:016x}, 0x{n & ((1 << 64) - 1):016x}}},  // 1/{first + 2 * k}!")
    out.append("};")
    out.append(f"inline constexpr NarrowTerm k{name}Narrow[] = {{")
    for k, v in enumerate(terms[WIDE_TERMS:]):
        scale = 64
        while whole(v, scale + 1) < 1 << 64:
            scale += 1
        out.append(f"    {{0x{whole(v, scale):016x}, {scale}}},  // 1/{first + 2 * (WIDE_TERMS + k)}!")
    out.append("};")
    return out


def two_over_pi_words():
    """The bits of 2/pi after the point, 64 to a word, after PAD_WORDS zero words."""
    bits = MAX_EXPONENT + WINDOW + 64
    words = (bits + 63) // 64
    scaled = ((1 << (PI_BITS + 64 * words + 1)) // pi_scaled(PI_BITS))  # 2/pi * 2^(64 words)
    out = [0] * PAD_WORDS
    for i in range(words):
        out.append((scaled >> (64 * (words - 1 - i))) & ((1 << 64) - 1))
    return out


def main():
    half_pi = pi_fraction() / 2
    high = round_to_bits(half_pi)
    low = round_to_bits(half_pi - high)
    atan_terms = [round_to_bits(Fraction((-1) ** (j + 1), 2 * j + 3)) for j in range(12)]
    words = two_over_pi_words()
    out = []
    w = out.append
    w("#pragma once")
    w("")
    w("// Written by tools/trig_constants.py: do not edit.")
    w("#include <cstdint>")
    w("")
    w('#include "numeric/extended.hpp"')
    w("")
    w("namespace msa {")
    w("")
    w("// The constants of our own trigonometry (trigonometry.cpp,")
    w("// arctangent.cpp): pi by Machin's formula in exact integers, the")
    w("// arctangents by Euler's series, each value rounded once to the 64-bit")
    w("// significand of the extended format.")
    w("namespace trig_constants {")
    w("")
    w(f"inline constexpr Extended kTwoOverPi = {constant(round_to_bits(1 / half_pi))};")
    w(f"inline constexpr Extended kQuarterPi = {constant(round_to_bits(half_pi / 2))};")
    w("// pi/2 rounded, and what it lacks of pi/2, rounded.")
    w(f"inline constexpr Extended kHalfPiHigh = {constant(high)};")
    w(f"inline const Extended kHalfPiLow = {constant(low)};")
    w("")
    pi_words = whole(half_pi, 127)
    w("// pi/2 times 2^127 rounded, as two words, the high one first.")
    w("struct WideWords {")
    w("  std::uint64_t high, low;")
    w("};")
    w("struct NarrowTerm {")
    w("  std::uint64_t value;  // the term times 2^scale, rounded")
    w("  int scale;")
    w("};")
    w(f"inline constexpr WideWords kHalfPiWords = {{0x{pi_words >> 64:016x}, 0x{pi_words & ((1 << 64) - 1):016x}}};")
    w("")
    w("// The series of the sine and cosine kernel, in whole numbers: for r <= pi/4,")
    w("// z = r^2, sin r = r (1 - z (1/3! - z (1/5! - ...))) and cos r = 1 - z (1/2! -")
    w("// z (1/4! - ...)); every partial sum is positive. The first terms left out")
    w(f"// (z^{SERIES_TERMS + 1}/{2 * SERIES_TERMS + 3}!, z^{SERIES_TERMS + 1}/{2 * SERIES_TERMS + 2}!) are below 2^-77 of the result.")
    for line in series_lines("Sin", 3, "sine") + series_lines("Cos", 2, "cosine"):
        w(line)
    w("")
    w("// atan d = d + d^3 A(d^2), A = -1/3 + d^2/5 - d^4/7 + ..., each 1/n rounded")
    w("// once. For |d| <= 2^-7 (1 + 2^-16) the first five terms leave out less than")
    w("// 2^-87 of d (d^13/13); for |d| < 1/8 all twelve less than 2^-76 (d^27/27).")
    w("inline const Extended kAtan[] = {")
    for j, v in enumerate(atan_terms):
        w(f"    {constant(v)},  // {'-' if j % 2 == 0 else '+'}1/{2 * j + 3}")
    w("};")
    w(f"// atan(j/{ATAN_STEPS}) for j = 0 ... {ATAN_STEPS}, as a rounded high part and the rounded rest.")
    w("struct AtanPoint {")
    w("  Extended high, low;")
    w("};")
    w("inline const AtanPoint kAtanTable[] = {")
    w("    {Extended(0), Extended(0)},")
    for j in range(1, ATAN_STEPS + 1):
        v = arctan_fraction(j, ATAN_STEPS)
        h = round_to_bits(v)
        lo = round_to_bits(v - h)
        w(f"    {{{constant(h)}, {constant(lo)}}},")
    w("};")
    w("")
    w(f"// The bits of 2/pi after the point, 64 to a word, first word first, after")
    w(f"// {PAD_WORDS} zero words (so that a window starting 64 bits before the exponent")
    w(f"// of an argument above pi/4 lies in the table), to {WINDOW} bits past the")
    w(f"// exponent of the largest argument ({MAX_EXPONENT}).")
    w(f"inline constexpr int kTwoOverPiPadWords = {PAD_WORDS};")
    w(f"inline constexpr std::uint64_t kTwoOverPiWords[] = {{")
    for i in range(0, len(words), 4):
        w("    " + " ".join(f"0x{x:016x}," for x in words[i:i + 4]))
    w("};")
    w("")
    w("}  // namespace trig_constants")
    w("")
    w("}  // namespace msa")
    print("\n".join(out))


if __name__ == "__main__":
    main()
