// An empty Qt window that reports its first painted frame: what any Qt Widgets program costs to
// start, for bench/gui_start.sh to set the desktop program against.
#include <QApplication>
#include <QWidget>

#include "ui/first_frame.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.resize(640, 480);
    new quillon::ui::FirstFrameReport(&window);
    window.show();
    return app.exec();
}
