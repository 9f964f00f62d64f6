// Opening the "Year To Date" window on a full weekly register: the register file read, the grid
// and the strip filled and totalled, the window built, shown and painted once. Qt's offscreen
// platform unless QT_QPA_PLATFORM names another.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>

#include "records/files.hpp"
#include "session/register_window.hpp"
#include "session/session.hpp"
#include "ui/bench/bench_desk.hpp"
#include "ui/register_window_view.hpp"

namespace {

using namespace quillon;

using ui::bench::Silent;

// The sample employee with every week of the year posted.
std::filesystem::path fullRegisterFolder() {
    std::filesystem::path folder = ui::bench::folderWithTheData("quillon-register-bench");
    Register r;
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        RegisterRow& row = r.rows[i];
        const float gross = 600.0f + static_cast<float>(i);
        row.Date = std::to_string(i % 12 + 1) + "/" + std::to_string(i % 28 + 1) + "/2016";
        row.Fed = gross * 0.1f;
        row.SS = gross * 0.062f;
        row.Medi = gross * 0.0145f;
        row.State = gross * 0.04f;
        row.City = gross * 0.03f;
        row.Muni = 10;
        row.Misc = 20;
        row.Gross = gross;
        row.Net = gross * 0.7f;
        row.Sdi = 1.2f;
    }
    r.totals = AddAnnual(r.rows, kWeeklyRows);
    (void)writeRegisterFile(folder / "Sample.yrw", r, kWeeklyRows);
    return folder;
}

void BM_OpenTheRegisterWindow(benchmark::State& state) {
    const std::filesystem::path folder = fullRegisterFolder();
    Session session(folder, folder);
    (void)session.startUp("12/30/2016");
    if (!session.openEmployee("Sample").ok) {
        state.SkipWithError("the sample employee did not open");
        return;
    }
    Silent asker;
    ui::SessionPrinter printer;
    for (auto _ : state) {
        if (!openRegisterWindow(session).ok) {
            state.SkipWithError("the register did not open");
            break;
        }
        ui::RegisterWindowView view(session, asker, printer);
        view.setAttribute(Qt::WA_DeleteOnClose, false);
        view.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.grab());
        view.dismiss();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_OpenTheRegisterWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
