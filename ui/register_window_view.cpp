#include "ui/register_window_view.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "print/print_jobs.hpp"
#include "print/register_sheet.hpp"
#include "print/renderer.hpp"
#include "ui/controls.hpp"

namespace quillon::ui {
namespace {

constexpr int kUpperBlockRows = 26;

constexpr std::size_t index(GridColumn column) {
    return static_cast<std::size_t>(column);
}

// How a column is named where a box says where it is: its heading, or for a deduction without a
// name its place among the five.
QString columnName(const RegisterWindow& w, std::size_t c) {
    if (!w.headings[c].empty()) {
        return qs(w.headings[c]);
    }
    return QStringLiteral("deduction %1").arg(c - index(GridColumn::Muni) + 1);
}

QString totalName(const RegisterWindow& w, std::size_t b) {
    QString heading = qs(w.totalHeadings[b]);
    if (heading.endsWith(QLatin1Char(':'))) {
        heading.chop(1);
    }
    if (heading.isEmpty()) {
        heading =
            QStringLiteral("deduction %1").arg(b - static_cast<std::size_t>(TotalBox::Muni) + 1);
    }
    return QStringLiteral("TOTALS, ") + heading;
}

// An accessible name set only when it changes.
void nameBox(QLineEdit* box, const QString& name) {
    if (box->accessibleName() != name) {
        box->setAccessibleName(name);
    }
}

// A box of the grid or of the strip: compact, its amount on the right.
QLineEdit* makeCell(const QString& objectName, bool editable, int width, QWidget* parent) {
    auto* box = editable ? new QLineEdit(parent) : makeFigure(objectName, parent);
    box->setObjectName(objectName);
    box->setFixedWidth(width);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (editable) {
        selectAllOnFocus(box);
    } else {
        // Read by the mouse and by screen readers; Tab goes from row number to the boxes that
        // take typing.
        box->setFocusPolicy(Qt::ClickFocus);
    }
    return box;
}

}  // namespace

// --- The row numbers ------------------------------------------------------------------------

RowNumberButton::RowNumberButton(int row, QWidget* parent)
    : QPushButton(QString::number(row), parent), row_(row) {
    setObjectName(arrayName("lbWeek", static_cast<std::size_t>(row - 1)));
    setFlat(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Week %1").arg(row));
    setAccessibleDescription(
        QStringLiteral("Left click or Enter pastes in the last calculation; right click or "
                       "Delete empties the row"));
    setToolTip(
        QStringLiteral("Left click: paste in the last calculation. Right click: delete "
                       "the row."));
    connect(this, &QPushButton::clicked, this, [this] { emit postRequested(row_); });
}

void RowNumberButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit deleteRequested(row_);
        return;
    }
    QPushButton::mousePressEvent(event);
}

void RowNumberButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            emit postRequested(row_);
            return;
        case Qt::Key_Delete:
            event->accept();
            emit deleteRequested(row_);
            return;
        default:
            QPushButton::keyPressEvent(event);
    }
}

void RowNumberButton::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() == QContextMenuEvent::Mouse) {
        return;  // the right button's press has deleted the row
    }
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuRow"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* paste = menu->addAction(QStringLiteral("&Paste in data"));
    paste->setObjectName(QStringLiteral("mnuRowPaste"));
    QAction* remove = menu->addAction(QStringLiteral("&Delete row"));
    remove->setObjectName(QStringLiteral("mnuRowDelete"));
    connect(paste, &QAction::triggered, this, [this] { emit postRequested(row_); });
    connect(remove, &QAction::triggered, this, [this] { emit deleteRequested(row_); });
    menu->popup(mapToGlobal(rect().center()));
}

// --- The window -----------------------------------------------------------------------------

RegisterWindowView::RegisterWindowView(Session& session, Asker& asker, SessionPrinter& printer,
                                       QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      asker_(asker),
      printer_(printer),
      watch_(session, Part::Register, [this](Changes) { followSession(); }),
      questions_(session, asker, this) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(qs(model().caption));
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* scroll = new QScrollArea(central);
    scroll->setObjectName(QStringLiteral("frmYearScroll"));
    scroll->setWidget(buildGrid());
    scroll->setWidgetResizable(false);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);
    layout->addWidget(buildStrip());
    setCentralWidget(central);
    redraw();
    fitToScreen();
}

void RegisterWindowView::buildMenus() {
    struct Entry {
        const char* objectName;
        const char* caption;
        void (RegisterWindowView::*run)();
    };
    auto add = [this](QWidget* to, const Entry& e) {
        auto* action = new QAction(QString::fromLatin1(e.caption), this);
        action->setObjectName(QString::fromLatin1(e.objectName));
        connect(action, &QAction::triggered, this, e.run);
        to->addAction(action);
    };
    add(menuBar(), {"mnuClose", "&Close", &RegisterWindowView::closeRegister});
    add(menuBar(), {"mnuPrint", "&Print", &RegisterWindowView::print});
    QMenu* clear = menuBar()->addMenu(QStringLiteral("C&lear"));
    clear->setObjectName(QStringLiteral("mnuClear"));
    add(clear, {"mnuClearAll", "&Clear All", &RegisterWindowView::clearAll});
    add(menuBar(), {"mnuAdd", "&Add", &RegisterWindowView::add});
    add(menuBar(), {"mnuExcel", "&Excel", &RegisterWindowView::excel});
}

QWidget* RegisterWindowView::buildGrid() {
    auto* grid = new QWidget;
    grid->setObjectName(QStringLiteral("frmYear"));
    auto* layout = new QVBoxLayout(grid);
    const int rows = model().usedRows();
    cells_.resize(static_cast<std::size_t>(rows));
    rowNumbers_.resize(static_cast<std::size_t>(rows));
    layout->addWidget(buildBlock(1, std::min(rows, kUpperBlockRows)));

    auto* between = new QHBoxLayout;
    auto* instruction = new QLabel(qs(model().instruction), grid);
    instruction->setObjectName(QStringLiteral("lbInstruction"));
    auto* close = new QPushButton(QStringLiteral("&Close"), grid);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &RegisterWindowView::closeRegister);
    between->addWidget(instruction);
    between->addStretch(1);
    between->addWidget(close);
    layout->addLayout(between);
    if (rows > kUpperBlockRows) {
        layout->addWidget(buildBlock(kUpperBlockRows + 1, rows));
    }
    layout->addStretch(1);
    return grid;
}

QWidget* RegisterWindowView::buildBlock(int firstRow, int lastRow) {
    const RegisterWindow& w = model();
    auto* block = new QGroupBox(qs(w.frameCaption));
    block->setObjectName(firstRow == 1 ? QStringLiteral("fraUpper") : QStringLiteral("fraLower"));
    auto* grid = new QGridLayout(block);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    const QFontMetrics metrics(block->font());
    const int dateWidth = metrics.horizontalAdvance(QStringLiteral("12/30/2016")) + 12;
    const int amountWidth = metrics.horizontalAdvance(QStringLiteral("-99999.99")) + 12;

    std::array<QLabel*, kGridColumns> headings{};
    for (std::size_t c = 0; c < kGridColumns; ++c) {
        headings[c] = new QLabel(block);
        headings[c]->setObjectName(
            arrayName(std::string(kGridColumnInfo[c].control) + "Heading", headings_.size()));
        headings[c]->setAlignment(c == 0 ? Qt::AlignLeft : Qt::AlignRight);
        grid->addWidget(headings[c], 0, static_cast<int>(c) + 1);
    }
    headings_.push_back(headings);

    for (int row = firstRow; row <= lastRow; ++row) {
        const auto slot = static_cast<std::size_t>(row - 1);
        const int line = row - firstRow + 1;
        auto* number = new RowNumberButton(row, block);
        number->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("53")) + 16);
        connect(number, &RowNumberButton::postRequested, this, &RegisterWindowView::post);
        connect(number, &RowNumberButton::deleteRequested, this, &RegisterWindowView::deleteRow);
        grid->addWidget(number, line, 0);
        rowNumbers_[slot] = number;
        for (std::size_t c = 0; c < kGridColumns; ++c) {
            const GridColumnInfo& info = kGridColumnInfo[c];
            QLineEdit* box = makeCell(arrayName(info.control, slot), info.editable,
                                      c == 0 ? dateWidth : amountWidth, block);
            if (c == 0) {
                box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            }
            if (info.keyFilter) {
                box->setValidator(new NumericKeys(box));
            }
            if (info.editable) {
                const auto column = static_cast<GridColumn>(c);
                followText(box, this,
                           [this, row, column](const std::string& t) { typed(row, column, t); });
            }
            grid->addWidget(box, line, static_cast<int>(c) + 1);
            cells_[slot][c] = box;
        }
    }
    return block;
}

QWidget* RegisterWindowView::buildStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("frmYearTot"));
    auto* grid = new QGridLayout(strip);
    grid->setHorizontalSpacing(2);
    const QFontMetrics metrics(strip->font());
    const int amountWidth = metrics.horizontalAdvance(QStringLiteral("-99999.99")) + 12;
    // The first row stands under the grid's columns Fed to Gross (layout columns 1 to 15), the
    // tips column left to the second row; column 0 makes room for the row numbers and dates.
    auto gridColumn = [](std::size_t b) {
        const auto box = static_cast<TotalBox>(b);
        return static_cast<int>(box < TotalBox::OT ? b + 1 : b + 2);
    };
    for (int c = 1; c < static_cast<int>(kGridColumns); ++c) {
        grid->setColumnMinimumWidth(c, amountWidth);
    }
    stripIndent_ = new QWidget(strip);
    stripIndent_->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("53")) + 16 +
                                metrics.horizontalAdvance(QStringLiteral("12/30/2016")) + 12);
    grid->addWidget(stripIndent_, 1, 0);

    auto* second = new QHBoxLayout;
    auto* totalsLabel = new QLabel(QStringLiteral("TOTALS:"), strip);
    totalsLabel->setObjectName(QStringLiteral("lbTotals"));
    second->addWidget(totalsLabel);
    second->addSpacing(12);
    for (std::size_t b = 0; b < kTotalBoxes; ++b) {
        const TotalBoxInfo& info = kTotalBoxInfo[b];
        auto* box = new QLineEdit(strip);
        box->setObjectName(qs(info.control));
        box->setFixedWidth(amountWidth);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        selectAllOnFocus(box);
        if (info.keyFilter) {
            box->setValidator(new NumericKeys(box));
        }
        const auto totalBox = static_cast<TotalBox>(b);
        followText(box, this, [this, totalBox](const std::string& t) { typedTotal(totalBox, t); });
        auto* heading = new QLabel(strip);
        heading->setObjectName(qs(std::string(info.control) + "Heading"));
        heading->setBuddy(box);
        if (b < kFirstRowTotals) {
            heading->setAlignment(Qt::AlignRight);
            grid->addWidget(heading, 0, gridColumn(b));
            grid->addWidget(box, 1, gridColumn(b));
        } else {
            second->addWidget(heading);
            second->addWidget(box);
            second->addSpacing(12);
        }
        totalHeadings_[b] = heading;
        totals_[b] = box;
    }
    auto* notice = new QLabel(qs(model().notice), strip);
    notice->setObjectName(QStringLiteral("lbNotice"));
    second->addStretch(1);
    second->addWidget(notice);
    grid->addLayout(second, 2, 0, 1, static_cast<int>(kGridColumns));
    grid->setColumnStretch(static_cast<int>(kGridColumns), 1);
    return strip;
}

QSize RegisterWindowView::wholeSize() const {
    const auto* scroll = findChild<QScrollArea*>(QStringLiteral("frmYearScroll"));
    const QSize grid = scroll->widget()->sizeHint();
    const QSize strip = findChild<QWidget*>(QStringLiteral("frmYearTot"))->sizeHint();
    const int margins = 2 * centralWidget()->layout()->contentsMargins().top() +
                        centralWidget()->layout()->spacing();
    return {
        std::max(grid.width() + scroll->verticalScrollBar()->sizeHint().width(), strip.width()) +
            margins,
        grid.height() + strip.height() + menuBar()->sizeHint().height() + margins};
}

void RegisterWindowView::fitToScreen() {
    // The whole grid where the screen has room for it; otherwise as much as fits, the rest
    // reached by scrolling, the totals strip always in view.
    QSize size = wholeSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    }
    resize(size);
}

void RegisterWindowView::redraw() {
    if (!session_.registerWindow) {
        return;
    }
    const RegisterWindow& w = model();
    setWindowTitle(qs(w.caption));
    for (auto& line : headings_) {
        for (std::size_t c = 0; c < kGridColumns; ++c) {
            line[c]->setText(qs(w.headings[c]));
        }
    }
    for (std::size_t slot = 0; slot < cells_.size(); ++slot) {
        const int row = static_cast<int>(slot) + 1;
        for (std::size_t c = 0; c < kGridColumns; ++c) {
            QLineEdit* box = cells_[slot][c];
            showText(box, w.grid[slot][c]);
            nameBox(box, QStringLiteral("Week %1, %2").arg(row).arg(columnName(w, c)));
        }
    }
    for (std::size_t b = 0; b < kTotalBoxes; ++b) {
        totalHeadings_[b]->setText(qs(w.totalHeadings[b]));
        showText(totals_[b], w.totals[b]);
        nameBox(totals_[b], totalName(w, b));
    }
}

void RegisterWindowView::followSession() {
    if (!session_.registerWindow) {
        dismiss();
    } else if (model().hidden) {
        hide();
    } else {
        redraw();
    }
}

void RegisterWindowView::dismiss() {
    closing_ = true;
    close();
}

void RegisterWindowView::showOutcome(const Outcome& outcome) {
    asker_.tell(outcome.messages);
}

void RegisterWindowView::post(int row) {
    showOutcome(PasteMe(session_, row));
}

void RegisterWindowView::deleteRow(int row) {
    showOutcome(DeleteRow(session_, row));
}

void RegisterWindowView::clearAll() {
    showOutcome(clearAllCommand(session_));
}

void RegisterWindowView::add() {
    showOutcome(addCommand(session_));
}

void RegisterWindowView::typed(int row, GridColumn column, const std::string& text) {
    showOutcome(typeIntoRegister(session_, row, column, text));  // the box shows what it kept
}

void RegisterWindowView::typedTotal(TotalBox box, const std::string& text) {
    showOutcome(typeIntoRegisterTotal(session_, box, text));
}

void RegisterWindowView::print() {
    // The printout is a landscape page; the printer dialog offers it so.
    printer_.printer().setPageOrientation(QPageLayout::Landscape);
    if (!printer_.choose(asker_)) {
        return;  // cancelled: nothing is printed
    }
    const PrintJob job = printRegister(session_, session_.today);
    if (!job.outcome.ok) {
        showOutcome(job.outcome);
        return;
    }
    const PrintFontCheck font = checkPrintFont();
    if (font.problem) {
        asker_.tell(Message{MessageKind::Ok, font.problem->message, kProgramTitle});
        return;
    }
    const PrintStatus status = printPages(printer_.printer(), job.pages);
    if (!status.ok()) {
        asker_.tell(Message{MessageKind::Ok, status.error->message, kProgramTitle});
    }
}

void RegisterWindowView::excel() {
    const std::filesystem::path file = registerWorkbookPath(session_.folder, session_.UserFile);
    const RegisterSheet sheet = registerSheet(
        model(), exportStatusText(session_.UserFile, session_.profile.EmpSSN, kMakerNotice));
    const PrintStatus status = writeRegisterWorkbook(sheet, file);
    if (!status.ok()) {
        asker_.tell(Message{MessageKind::Ok, status.error->message, kProgramTitle});
        return;
    }
    if (!asker_.openWithDesktop(file)) {
        asker_.tell(Message{MessageKind::Ok,
                            "The register was written to the spreadsheet" + std::string("\r\n") +
                                file.string() + "\r\n" +
                                "No spreadsheet program opened it; open the file from there.",
                            kProgramTitle});
    }
}

void RegisterWindowView::closeRegister() {
    Outcome closed = closeRegisterWindow(session_, questions_);
    asker_.tell(closed.messages);
    if (session_.registerWindow) {
        return;  // not saved: the window stays with its rows
    }
    dismiss();
    if (QWidget* main = parentWidget()) {
        main->raise();
        main->activateWindow();
    }
}

void RegisterWindowView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (cells_.empty()) {
        return;
    }
    // The grid's and the strip's boxes have the same widths and spacing: moving the strip's
    // first box under the grid's first amount lines up the rest.
    const QLineEdit* fed = cells_[0][index(GridColumn::Fed)];
    const QLineEdit* total = totals_[static_cast<std::size_t>(TotalBox::Fed)];
    const int shift = fed->mapTo(this, QPoint(0, 0)).x() - total->mapTo(this, QPoint(0, 0)).x();
    if (shift != 0) {
        stripIndent_->setFixedWidth(std::max(0, stripIndent_->width() + shift));
    }
}

void RegisterWindowView::closeEvent(QCloseEvent* event) {
    if (closing_ || !session_.registerWindow) {
        event->accept();
        return;
    }
    asker_.tell(useCloseInsteadMessage());
    event->ignore();
}

}  // namespace quillon::ui
