#pragma once

#include <cstdint>

namespace msa {

// The constants of the whole run, set once: pi and the square root of 3 as
// single-precision values (formulas take them widened from float), and the
// number of iterations of the steady-state studies.
inline constexpr float pi = 3.1415927f;
inline constexpr float sqrt3 = 1.7320508f;
inline constexpr std::int32_t NITER = 20;

}  // namespace msa
