// Printouts to PDF, from laying out the page to the file on disk: the weekly register, the pay
// statement and the paycheck of the worked period.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <filesystem>

#include "print/renderer.hpp"
#include "print/tests/fixtures.hpp"

namespace {

using namespace quillon;

template <typename LayOut>
void toPdf(benchmark::State& state, const char* name, LayOut layOut) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quillon-pdf-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / name;
    for (auto _ : state) {
        const PageOutcome page = layOut();
        const PrintStatus status = writePdf({std::get<Page>(page)}, file);
        if (!status.ok()) {
            state.SkipWithError(status.error->message.c_str());
            break;
        }
    }
    std::filesystem::remove_all(folder);
}

void BM_RegisterPrintoutToPdf(benchmark::State& state) {
    const RegisterPrintInput in = testing::weeklyPrintInput();
    toPdf(state, "register.pdf", [&] { return PageOutcome{PrintYr(in)}; });
}
BENCHMARK(BM_RegisterPrintoutToPdf)->Unit(benchmark::kMillisecond);

void BM_StatementToPdf(benchmark::State& state) {
    const StatementInput in = testing::workedStatement();
    toPdf(state, "statement.pdf", [&] { return PrintText(in); });
}
BENCHMARK(BM_StatementToPdf)->Unit(benchmark::kMillisecond);

void BM_PaycheckToPdf(benchmark::State& state) {
    const CheckInput in = testing::workedCheck();
    toPdf(state, "check.pdf", [&] { return PrintCheck(in); });
}
BENCHMARK(BM_PaycheckToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
