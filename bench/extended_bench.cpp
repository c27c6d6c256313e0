// The software extended type against the hardware's long double (x87 on
// x86-64), one operation at a time over 1,024 operands near 1: the time per
// operation, for SoftExtended/… and LongDouble/… side by side.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "numeric/extended.hpp"

using namespace msa;

namespace {

constexpr int kCount = 1024;

template <class T>
struct Operands {
  std::array<T, kCount> a, b, out;
  Operands() {
    std::uint64_t s = 12345;
    for (int i = 0; i < kCount; ++i) {
      s = s * 6364136223846793005u + 1442695040888963407u;
      a[i] = T(static_cast<double>(s >> 11) * 0x1p-53 + 0.5);
      s = s * 6364136223846793005u + 1442695040888963407u;
      b[i] = T(static_cast<double>(s >> 11) * 0x1p-50 - 4.0);
    }
  }
};

SoftExtended root(SoftExtended x) { return extendedSqrt(magnitude(x)); }
long double root(long double x) { return __builtin_sqrtl(__builtin_fabsl(x)); }

template <class T, int op>
void Operation(benchmark::State& state) {
  Operands<T> v;
  for (auto _ : state) {
    for (int i = 0; i < kCount; ++i) {
      if constexpr (op == 0) v.out[i] = v.a[i] + v.b[i];
      if constexpr (op == 1) v.out[i] = v.a[i] * v.b[i];
      if constexpr (op == 2) v.out[i] = v.a[i] / v.b[i];
      if constexpr (op == 3) v.out[i] = root(v.b[i]);
      if constexpr (op == 4) v.out[i] = T(static_cast<float>(v.a[i] * v.b[i]));
      if constexpr (op == 5) v.out[i] = v.a[i] < v.b[i] ? v.a[i] : v.b[i];
    }
    benchmark::DoNotOptimize(v.out);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kCount);
}

BENCHMARK(Operation<SoftExtended, 0>)->Name("SoftExtended/add");
BENCHMARK(Operation<long double, 0>)->Name("LongDouble/add");
BENCHMARK(Operation<SoftExtended, 1>)->Name("SoftExtended/multiply");
BENCHMARK(Operation<long double, 1>)->Name("LongDouble/multiply");
BENCHMARK(Operation<SoftExtended, 2>)->Name("SoftExtended/divide");
BENCHMARK(Operation<long double, 2>)->Name("LongDouble/divide");
BENCHMARK(Operation<SoftExtended, 3>)->Name("SoftExtended/sqrt");
BENCHMARK(Operation<long double, 3>)->Name("LongDouble/sqrt");
BENCHMARK(Operation<SoftExtended, 4>)->Name("SoftExtended/multiply_to_float");
BENCHMARK(Operation<long double, 4>)->Name("LongDouble/multiply_to_float");
BENCHMARK(Operation<SoftExtended, 5>)->Name("SoftExtended/compare");
BENCHMARK(Operation<long double, 5>)->Name("LongDouble/compare");

}  // namespace
