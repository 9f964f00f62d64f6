// The spreadsheet export of a full weekly register (53 weeks posted), written to a temporary
// folder and replaced each time as the export replaces it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "print/register_sheet.hpp"
#include "print/tests/fixtures.hpp"

namespace {

using namespace quillon;

void BM_ExportFullWeeklyRegister(benchmark::State& state) {
    RegisterPrintInput in = testing::weeklyPrintInput();
    for (int i = 12; i < kWeeklyRows; ++i) {
        in.yearRegister.rows[static_cast<std::size_t>(i)] = in.yearRegister.rows[i % 12];
        in.yearRegister.rows[static_cast<std::size_t>(i)].Date = testing::date2016(1 + 7 * i);
    }
    in.yearRegister.totals = AddAnnual(in.yearRegister.rows, kWeeklyRows);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("quillon-export-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = registerWorkbookPath(folder, "Baker");
    const RegisterWindow window = testing::shownWindow(in);
    for (auto _ : state) {
        const RegisterSheet sheet = registerSheet(window, "File: Baker");
        const PrintStatus status = writeRegisterWorkbook(sheet, file);
        if (!status.ok()) {
            state.SkipWithError(status.error->message.c_str());
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ExportFullWeeklyRegister)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
