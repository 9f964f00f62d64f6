// Costs of the money primitives that the pay calculation calls for every result.
#include "engine/money.hpp"

#include <benchmark/benchmark.h>

namespace {

// Typical unrounded tax amounts: products of a wage and a rate, with eight or nine digits.
float amount(int i) {
    return static_cast<float>(1000 + i % 5000) * 0.0765f;
}

void formatSingle(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quillon::format(amount(++i), "#,###.00"));
    }
}
BENCHMARK(formatSingle);

void roundedToCents(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quillon::roundedToCents(amount(++i)));
    }
}
BENCHMARK(roundedToCents);

void decimalTextSingle(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quillon::decimalText(amount(++i)));
    }
}
BENCHMARK(decimalTextSingle);

void formatDouble(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            quillon::format(static_cast<double>(amount(++i)) * 1.1, "$#,###.00"));
    }
}
BENCHMARK(formatDouble);

void currencyFromExtended(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            quillon::Currency::fromExtended(static_cast<long double>(amount(++i)) * 1.5L));
    }
}
BENCHMARK(currencyFromExtended);

void strictNumber(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(quillon::strictNumber("$1,234.56"));
    }
}
BENCHMARK(strictNumber);

}  // namespace
BENCHMARK_MAIN();
