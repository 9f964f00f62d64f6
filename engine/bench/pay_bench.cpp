// One complete pay calculation (tables already in memory, no file reading).
#include <benchmark/benchmark.h>

#include "engine/pay.hpp"
#include "engine/tests/tables_fixture.hpp"

namespace quillon {
namespace {

PayInput realisticInput() {
    PayInput in;
    PayEmployee& e = in.employee;
    e.HourRate = 25;
    e.HourRate2 = 30;
    e.TipsRate = 2;
    e.FedStatus = "Married";
    e.FedExemptions = "2";
    e.FedAddWithhold = 15;
    e.StateStatus = "Single";
    e.StateExemptions = 1;
    e.KplanPercent = 1;
    e.KplanValue = 4;
    e.PensionPct = 2;
    e.HealthAmt = 45.5f;
    e.CafeAmt = 60;
    e.CafeDeductState = 1;
    e.MuniAmt = 25;
    e.BondAmt = 10;
    e.DuesAmt = 18.755f;
    e.frequency = PayFrequency{false, true};
    in.federal = testing::federal2016();
    in.state = testing::newYorkState();
    in.city = testing::newYorkCity();
    in.nonCity = testing::nonCityDefaults();
    in.txtAmount = {"80", "4", "3", "6.5", "8", "", "150.25", "12"};
    in.TotGross = Currency::fromUnits(117000LL * 10000);
    in.state.SDIuseBase = 1;
    in.state.SDIpercent = 1;
    in.state.SDIwageBase = 118000;
    in.state.SUIwageBase = 3.25f;
    in.txtStateAdj = "-2.5";
    in.txtCalAllow = "0";
    return in;
}

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

}  // namespace
}  // namespace quillon

BENCHMARK_MAIN();
