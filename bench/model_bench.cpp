// msa-bench: one evaluation of the model, the whole default transient (about
// 6,500 time steps of five evaluations each, drawing included) and the same
// with a step of 1e-6 s, all from the steady state the program reaches at start-up.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "model/model_notices.hpp"
#include "results/simulation_log.hpp"
#include "support/start_up_state.hpp"
#include "model/transient_integration.hpp"
#include "studies/transient_simulation.hpp"

using namespace msa;

namespace {

MachineData stateAfterStartUpOnce() {
  static const MachineData state = simulationStart();
  return state;
}

void ModelEvaluation(benchmark::State& state) {
  MachineData m = stateAfterStartUpOnce();
  SilentNotices notices;
  for (auto _ : state) {
    ModelMemo fresh;  // new each time: all done again but the cached cosine of alpha
    evaluateModel(m, notices, fresh);
    benchmark::DoNotOptimize(m.ue);
  }
}
BENCHMARK(ModelEvaluation);

void DefaultSimulation(benchmark::State& state) {
  const MachineData start = stateAfterStartUpOnce();
  Screen screen;
  EnterHost host;
  Dialogue d(screen, host);
  for (auto _ : state) {
    MachineData m = start;
    drawAndIntegrate(d, m);
    benchmark::DoNotOptimize(m.omegam);
  }
}
BENCHMARK(DefaultSimulation)->Unit(benchmark::kMillisecond);

// The same with every step written to a data file (--csv), rows flushed at
// the end of the run.
void DefaultSimulationWithCsv(benchmark::State& state) {
  const MachineData start = stateAfterStartUpOnce();
  Screen screen;
  EnterHost host;
  Dialogue d(screen, host);
  std::FILE* file = std::tmpfile();
  SimulationLog log(file);
  for (auto _ : state) {
    MachineData m = start;
    drawAndIntegrate(d, m, &log);
    benchmark::DoNotOptimize(m.omegam);
  }
  if (file != nullptr) std::fclose(file);
}
BENCHMARK(DefaultSimulationWithCsv)->Unit(benchmark::kMillisecond);

// The default transient with a step of 1e-6 s: about 3.4 million steps (te
// advances by four float ulps, 0.95e-6 s, per step), drawing included.
void FineStepSimulation(benchmark::State& state) {
  MachineData start = stateAfterStartUpOnce();
  start.teinc = 1e-6f;
  Screen screen;
  EnterHost host;
  Dialogue d(screen, host);
  for (auto _ : state) {
    MachineData m = start;
    drawAndIntegrate(d, m);
    benchmark::DoNotOptimize(m.omegam);
  }
}
BENCHMARK(FineStepSimulation)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
