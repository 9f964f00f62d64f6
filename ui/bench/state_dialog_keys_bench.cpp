// One hundred keystrokes in a box of the state tax dialog, with the main window and the city
// and non-city dialogs open beside it as the operator has them: each keystroke goes from the box
// to the session and back to every window the change concerns. Qt's offscreen platform unless
// QT_QPA_PLATFORM names another.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "session/session.hpp"
#include "ui/bench/bench_desk.hpp"
#include "ui/main_window_view.hpp"

namespace {

using namespace quillon;

void BM_HundredKeystrokesInTheStateDialog(benchmark::State& state) {
    const std::filesystem::path folder = ui::bench::folderWithTheData("quillon-keys-bench");
    {
        Session session(folder, folder);
        ui::bench::Silent asker;
        ui::MainWindowView window(session, asker);
        window.startUp("12/30/2016");
        if (!session.openEmployee("Sample").ok) {
            state.SkipWithError("the sample employee did not open");
            return;
        }
        window.redraw();
        window.show();
        for (const char* entry : {"mnuNonCity", "mnuCityTax", "mnuStateTax"}) {
            if (auto* action = window.findChild<QAction*>(QString::fromLatin1(entry))) {
                action->trigger();
            }
        }
        QApplication::processEvents();
        auto* box = window.findChild<QLineEdit*>(QStringLiteral("txtSDIpercent"));
        if (box == nullptr) {
            state.SkipWithError("the state dialog did not open");
            return;
        }
        box->setFocus();
        for (auto _ : state) {
            for (int key = 0; key < 50; ++key) {
                QTest::keyClick(box, Qt::Key_1);
                QTest::keyClick(box, Qt::Key_Backspace);
            }
            QApplication::processEvents();
        }
        benchmark::DoNotOptimize(box->text());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_HundredKeystrokesInTheStateDialog)->Unit(benchmark::kMillisecond);

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
