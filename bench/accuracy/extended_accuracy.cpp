// msa-extended-accuracy: the software extended type against the x87 unit,
// bit for bit (not-a-numbers included), over random operands of every kind
// the type must get right: both signs, exponents 0 to 70 apart, quotients
// and square roots near a rounding midpoint, ties when narrowing to float and
// double, denormals, zeros, infinities, NaNs, the ends of the exponent range.
// Prints a table of cases and mismatches per operation, and the first few
// mismatches. Takes several minutes; not run by CTest.
// Usage: msa-extended-accuracy [CASES_PER_OPERATION]   (default 10^8)
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "support/describe_extended.hpp"
#include "support/extended_cases.hpp"

using namespace msa;
using namespace msa::extended_cases;

int main(int argc, char** argv) {
#if !MSA_HAVE_X87
  (void)argc;
  (void)argv;
  std::fprintf(stderr, "msa-extended-accuracy needs the x87 unit (x86-64, GCC)\n");
  return 2;
#else
  const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000000u;
  std::uint64_t total = 0, totalWrong = 0;
  std::printf("| Operation | Cases | Mismatches | Time (s) |\n|---|---:|---:|---:|\n");
  for (int i = 0; i < kOperations; ++i) {
    const auto op = static_cast<Operation>(i);
    Random random{0x5EED0000u + static_cast<std::uint64_t>(i)};
    std::uint64_t wrong = 0;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t k = 0; k < count; ++k) {
      const Case c = makeCase(op, random);
      const Result soft = software(op, c), hard = hardware(op, c);
      if (soft == hard) continue;
      if (++wrong <= 5) {
        std::fprintf(stderr, "%s: a %s b %s n %d raw %016" PRIx64 ": ours %04" PRIx64 ":%016" PRIx64
                     ", x87 %04" PRIx64 ":%016" PRIx64 "\n",
                     name(op), describe(c.a).c_str(), describe(c.b).c_str(), c.n, c.raw, soft.high, soft.low,
                     hard.high, hard.low);
      }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("| `%s` | %" PRIu64 " | %" PRIu64 " | %.1f |\n", name(op), count, wrong, seconds);
    std::fflush(stdout);
    total += count;
    totalWrong += wrong;
  }
  std::printf("| all | %" PRIu64 " | %" PRIu64 " | |\n", total, totalWrong);
  return totalWrong == 0 ? 0 : 1;
#endif
}
