#pragma once

// SoftExtended, the x87 80-bit double-extended format computed in software
// (numeric/soft_format.hpp says what it keeps exact), with every operation.
// Each group of operations is in a header of its own, as in the software
// floating-point libraries: words and rounding, special values, conversions,
// sum, product, quotient, square root, comparisons. All in headers, so that
// they inline and fold as constants.

#include "numeric/soft_add.hpp"
#include "numeric/soft_compare.hpp"
#include "numeric/soft_convert.hpp"
#include "numeric/soft_divide.hpp"
#include "numeric/soft_format.hpp"
#include "numeric/soft_multiply.hpp"
#include "numeric/soft_special.hpp"
#include "numeric/soft_sqrt.hpp"
#include "numeric/soft_words.hpp"
