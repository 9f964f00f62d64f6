// Opening the state, city and non-city dialogs of the sample employee as Options does the first
// time: the session loads the dialog (its file read, the load sequence run), the view is built,
// shown and painted once; then "CANCEL". Qt's offscreen platform unless QT_QPA_PLATFORM names
// another. The goal is under 100 ms for each.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>

#include "session/session.hpp"
#include "ui/bench/bench_desk.hpp"
#include "ui/city_dialog_view.hpp"
#include "ui/noncity_dialog_view.hpp"
#include "ui/state_dialog_view.hpp"

namespace {

using namespace quillon;

using ui::bench::Silent;

// A working folder with the program's data: the federal table and the sample employee.
std::filesystem::path sampleFolder() {
    std::filesystem::path folder = ui::bench::folderWithTheData("quillon-settings-bench");
    return folder;
}

// The sample employee, calculated once so that every settings file of his is there.
struct Sample {
    Sample() : folder(sampleFolder()), session(folder, folder) {
        (void)session.startUp("12/30/2016");
        ok = session.openEmployee("Sample").ok;
        session.main.txtAmount[0].text = "40";
        ok = ok && session.calculate().ok;
    }
    ~Sample() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    Session session;
    bool ok = false;
};

template <typename View>
void openDialog(benchmark::State& state, Outcome (Session::*show)(), Outcome (Session::*cancel)()) {
    Sample sample;
    if (!sample.ok) {
        state.SkipWithError("the sample employee did not calculate");
        return;
    }
    Silent asker;
    for (auto _ : state) {
        if (!(sample.session.*show)().ok) {
            state.SkipWithError("the dialog did not load");
            break;
        }
        View view(sample.session, asker);
        view.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.grab());
        (void)(sample.session.*cancel)();
        view.hide();
    }
}

void BM_OpenTheStateDialog(benchmark::State& state) {
    openDialog<ui::StateDialogView>(state, &Session::showStateDialog, &Session::stateDialogCancel);
}
void BM_OpenTheCityDialog(benchmark::State& state) {
    openDialog<ui::CityDialogView>(state, &Session::showCityDialog, &Session::cityDialogCancel);
}
// The non-city "&CANCEL" only hides the dialog; the next showing is the one the operator sees
// most often.
void BM_OpenTheNonCityDialog(benchmark::State& state) {
    openDialog<ui::NonCityDialogView>(state, &Session::showNonCityDialog,
                                      &Session::nonCityDialogCancel);
}
BENCHMARK(BM_OpenTheStateDialog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTheCityDialog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTheNonCityDialog)->Unit(benchmark::kMillisecond);

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
