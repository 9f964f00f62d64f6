// One complete pay calculation (tables already in memory, no file reading).
#include <benchmark/benchmark.h>

#include "engine/pay.hpp"
#include "engine/tests/pay_inputs.hpp"

namespace quillon {
namespace {

using testing::realisticInput;

void BM_CalculatePay(benchmark::State& state) {
    const PayInput in = realisticInput();
    for (auto _ : state) {
        PayOutcome outcome = Calcu_late(in);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_CalculatePay);

// The same with a special state checked, so that the formula input is built and dispatched.
void BM_CalculatePayMissouri(benchmark::State& state) {
    PayInput in = realisticInput();
    in.state.StateMissouri = 1;
    in.state.StateSgExp.fill(242.31f);
    in.state.StateMarExp.fill(0);
    for (auto _ : state) {
        PayOutcome outcome = Calcu_late(in);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_CalculatePayMissouri);

// The worked period with every figure explained, as "calc --explain" and the main window's
// "How was this figure reached?" ask for it.
void BM_CalculatePayExplained(benchmark::State& state) {
    const PayInput in = realisticInput();
    PayExplanation explanation;
    for (auto _ : state) {
        PayOutcome outcome = Calcu_late(in, &explanation);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(explanation);
    }
}
BENCHMARK(BM_CalculatePayExplained);

}  // namespace
}  // namespace quillon

BENCHMARK_MAIN();
