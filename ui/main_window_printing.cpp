// The main window's printing: the pay statement and the picture of the window through the
// printer dialog, the check screen and the company heading dialog, both not modal.
#include <QDate>
#include <QPainter>
#include <QPrinter>

#include "print/print_jobs.hpp"
#include "print/renderer.hpp"
#include "session/printing.hpp"
#include "ui/check_writer_view.hpp"
#include "ui/heading_dialog_view.hpp"
#include "ui/main_window_view.hpp"

namespace quillon::ui {
namespace {

Message printFailed(const PrintError& error) {
    return Message{MessageKind::Exclamation, error.message, kProgramTitle};
}

}  // namespace

void MainWindowView::printStatement() {
    // Cancel in the printer dialog: nothing printed, nothing said.
    if (!printer_.choose(asker_)) {
        return;
    }
    PrintJob job = quillon::printStatement(session_, session_.today);
    showOutcome(job.outcome);
    if (!job.outcome.ok) {
        return;
    }
    const PrintStatus printed = printPages(printer_.printer(), job.pages);
    if (!printed.ok()) {
        asker_.tell(printFailed(*printed.error));
    }
}

void MainWindowView::printImage() {
    if (!printer_.choose(asker_)) {
        return;
    }
    const QPixmap picture = grab();
    QPrinter& printer = printer_.printer();
    QPainter painter;
    if (!painter.begin(&printer)) {
        asker_.tell(printFailed({"The printer could not be opened. Nothing was printed."}));
        return;
    }
    // The window across the printable width, as it looks on the screen.
    const QRect page = painter.viewport();
    QSize size = picture.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(picture.rect());
    painter.drawPixmap(0, 0, picture);
    if (!painter.end()) {
        asker_.tell(printFailed({"The printer did not finish the job."}));
    }
}

void MainWindowView::checkWriter() {
    showOutcome(loadCheckWriter(session_));
    if (!session_.checkWriter.loaded()) {
        return;
    }
    // Closed, and not yet deleted: a new one shows the new model.
    showModeless(checks_, checks_ && !checks_->isVisible(),
                 [this] { return new CheckWriterView(session_, asker_, printer_, this); });
    checks_->redraw();
}

void MainWindowView::companyHeading() {
    Outcome opened = openHeadingDialog(session_);
    showOutcome(opened);
    if (!session_.headingDialog.loaded()) {
        return;
    }
    showModeless(heading_, heading_ && !heading_->isVisible(),
                 [this] { return new HeadingDialogView(session_, asker_, this); });
}

}  // namespace quillon::ui
