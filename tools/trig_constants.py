#!/usr/bin/env python3
"""Constants of src/model/extended_trig.cpp, as long double hex literals.

pi comes from Machin's formula in exact integer arithmetic, the polynomial
coefficients are the Taylor coefficients 1/n!, each rounded once to the
64-bit significand of the x87 long double (round to nearest, ties to even).
Run: python3 tools/trig_constants.py
"""
from fractions import Fraction

BITS = 64          # significand of the 80-bit long double
PI_BITS = 400      # far more than the 3-part split below needs


def arctan_inverse(n, one):
    """arctan(1/n) * one, by its series, in integers."""
    total, term, k, sign = 0, one // n, 1, 1
    while term:
        total += sign * (term // k)
        term //= n * n
        k += 2
        sign = -sign
    return total


def pi_fraction():
    one = 1 << (PI_BITS + 20)
    scaled = 4 * (4 * arctan_inverse(5, one) - arctan_inverse(239, one))
    return Fraction(scaled >> 20, 1 << PI_BITS)


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


def truncate_to_multiple(v, step):
    return Fraction((v / step).numerator // (v / step).denominator) * step


def hex_literal(v):
    """A long double hex literal for v, which must have at most 64 bits."""
    if v == 0:
        return "0.0L"
    sign = "-" if v < 0 else ""
    v = abs(v)
    e = 0
    while v >= 2:
        v /= 2
        e += 1
    while v < 1:
        v *= 2
        e -= 1
    frac = (v - 1) * (1 << 64)
    assert frac.denominator == 1 and frac.numerator % 2 == 0, "more than 64 significant bits"
    return f"{sign}0x1.{int(frac):016x}p{e}L"


def factorial(n):
    out = 1
    for i in range(2, n + 1):
        out *= i
    return out


def main():
    half_pi = pi_fraction() / 2
    part1 = truncate_to_multiple(half_pi, Fraction(1, 1 << 31))
    part2 = truncate_to_multiple(half_pi - part1, Fraction(1, 1 << 63))
    part3 = round_to_bits(half_pi - part1 - part2)
    left = abs(half_pi - part1 - part2 - part3)
    print(f"kTwoOverPi   = {hex_literal(round_to_bits(1 / half_pi))}")
    print(f"kQuarterPi   = {hex_literal(round_to_bits(half_pi / 2))}")
    print(f"kHalfPiPart1 = {hex_literal(part1)}  // {part1.numerator.bit_length()} bits")
    print(f"kHalfPiPart2 = {hex_literal(part2)}  // {(part2 * (1 << 63)).numerator.bit_length()} bits")
    print(f"kHalfPiPart3 = {hex_literal(part3)}")
    print(f"|pi/2 - parts| < 2^{float(left).hex()} (log2 {len(bin(int(1 / left))) - 2})")
    print("kSin (r^3 ... r^19):")
    for j in range(9):
        n = 2 * j + 3
        print(f"  {hex_literal(round_to_bits(Fraction((-1) ** (j + 1), factorial(n))))},  // {'-' if j % 2 == 0 else '+'}1/{n}!")
    print("kCos (r^4 ... r^20):")
    for j in range(9):
        n = 2 * j + 4
        print(f"  {hex_literal(round_to_bits(Fraction((-1) ** j, factorial(n))))},  // {'+' if j % 2 == 0 else '-'}1/{n}!")


if __name__ == "__main__":
    main()
