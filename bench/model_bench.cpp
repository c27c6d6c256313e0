// msa-bench: one evaluation of the model, and the whole default transient
// (about 6,500 time steps of five evaluations each, drawing included), both
// from the steady state the program reaches at start-up.
#include <benchmark/benchmark.h>

#include "app/screens.hpp"
#include "dialogue/dialogue.hpp"
#include "model/dynamics.hpp"
#include "model/model_notices.hpp"
#include "studies/excitation_study.hpp"
#include "studies/transient_integration.hpp"
#include "studies/transient_simulation.hpp"

namespace {

// Answers every prompt and pause with Enter.
class EnterHost : public Host {
 public:
  Key nextKey(const Screen&) override { return Key::special(Key::Kind::Enter); }
  void beep() override {}
};

MachineData stateAfterStartUp() {
  static const MachineData state = [] {
    Screen screen;
    EnterHost host;
    Dialogue d(screen, host);
    MachineData m;
    titleScreen(d, m);
    dataEntry(d, m);
    excitationStudy(d, m);
    // What the set-up dialogue of menu S leaves with every default kept.
    m.betaref = m.beta;
    m.dtgrad = 0.5f;
    m.dygrad = 0.2f;
    voltagesAndTorques(m);
    return m;
  }();
  return state;
}

void ModelEvaluation(benchmark::State& state) {
  MachineData m = stateAfterStartUp();
  SilentNotices notices;
  for (auto _ : state) {
    AngleTrigMemo fresh;  // a new one each time: every angle evaluated
    evaluateModel(m, notices, fresh);
    benchmark::DoNotOptimize(m.ue);
  }
}
BENCHMARK(ModelEvaluation);

void DefaultSimulation(benchmark::State& state) {
  const MachineData start = stateAfterStartUp();
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

}  // namespace

BENCHMARK_MAIN();
