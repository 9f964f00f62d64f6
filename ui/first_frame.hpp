// For the start-up benchmark (bench/gui_start.sh): once the first frame of a window has been
// painted, prints the wall-clock time and the peak memory so far on one line, and ends the event
// loop. The desktop program and the bare window of the benchmark report the same way.
#pragma once

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace quillon::ui {

class FirstFrameReport : public QObject {
  public:
    explicit FirstFrameReport(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Reported after the paint event has been handled and the frame flushed.
            QTimer::singleShot(0, this, &FirstFrameReport::report);
        }
        return false;
    }

  private:
    void report() {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first-frame-ns %lld peak-kb %ld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool painted_ = false;
};

}  // namespace quillon::ui
