// msa-bench: one evaluation of the model, the whole default transient (about
// 6,500 time steps of five evaluations each, drawing included) and the same
// with a step of 1e-6 s, all from the steady state the program reaches at start-up.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "model/evaluation.hpp"
#include "model/transient_integration.hpp"
#include "results/simulation_log.hpp"
#include "studies/transient_simulation.hpp"
#include "model/model_notices.hpp"
#include "support/start_up_state.hpp"

using namespace msa;

namespace {

const MachineData& runStartOnce() {
  static const MachineData start = defaultRunStart();
  return start;
}

void ModelEvaluation(benchmark::State& state) {
  const MachineData& start = runStartOnce();
  DriveState s = start.state;
  NoticeCounter notices;
  for (auto _ : state) {
    ModelMemo fresh;  // new each time: all done again but the cached cosine of alpha
    evaluateModel(start.device, start.settings.xhimin, s, notices, fresh);
    benchmark::DoNotOptimize(s.terms.ue);
  }
}
BENCHMARK(ModelEvaluation);

// Runs the transient from the start-up state again and again, drawn, with the
// given time step and, when given, a simulation log.
void simulate(benchmark::State& state, float teinc, SimulationObserver* data) {
  MachineData m = runStartOnce();
  m.settings.teinc = teinc;
  Screen screen;
  EnterHost host;
  Dialogue d(screen, host);
  for (auto _ : state) {
    drawAndSimulate(d, m, runStartOnce().state, data);
    benchmark::DoNotOptimize(m.state.omegam);
  }
}

void DefaultSimulation(benchmark::State& state) { simulate(state, runStartOnce().settings.teinc, nullptr); }
BENCHMARK(DefaultSimulation)->Unit(benchmark::kMillisecond);

// The same with every step written to a data file (--csv), rows flushed at
// the end of the run.
void DefaultSimulationWithCsv(benchmark::State& state) {
  std::FILE* file = std::tmpfile();
  {
    SimulationLog log(file);
    simulate(state, runStartOnce().settings.teinc, &log);
  }
  if (file != nullptr) std::fclose(file);
}
BENCHMARK(DefaultSimulationWithCsv)->Unit(benchmark::kMillisecond);

// The default transient with a step of 1e-6 s: about 3.4 million steps (te
// advances by four float ulps, 0.95e-6 s, per step), drawing included.
void FineStepSimulation(benchmark::State& state) { simulate(state, 1e-6f, nullptr); }
BENCHMARK(FineStepSimulation)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
