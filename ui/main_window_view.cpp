#include "ui/main_window_view.hpp"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "session/entry_keys.hpp"
#include "ui/check_writer_view.hpp"
#include "ui/city_dialog_view.hpp"
#include "ui/controls.hpp"
#include "ui/heading_dialog_view.hpp"
#include "ui/help_window.hpp"
#include "ui/noncity_dialog_view.hpp"
#include "ui/register_window_view.hpp"
#include "ui/state_dialog_view.hpp"
#include "ui/tax_info_dialog_view.hpp"

namespace quillon::ui {
namespace {

// A caption beside a figure, the figure's accessible name.
QLabel* captionFor(QLineEdit* figure, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(figure);
    figure->setAccessibleName(caption);
    return label;
}

// Wide enough for the largest amount the window shows, in the window's font.
int figureWidth(const QWidget* w) {
    return w->fontMetrics().horizontalAdvance(QStringLiteral("$999,999.00")) + 16;
}

QFont emphasized(QFont font) {
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    return font;
}

}  // namespace

MainWindowView::MainWindowView(Session& session, Asker& asker, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      asker_(asker),
      watch_(session, Part::MainWindow, [this](Changes) { redraw(); }),
      questions_(session, asker, this) {
    setObjectName(QStringLiteral("frmMain"));
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildTop());
    auto* areas = new QHBoxLayout;
    areas->addWidget(buildEntries(), 5);
    areas->addWidget(buildResults(), 4);
    areas->addWidget(buildTotals(), 4);
    layout->addLayout(areas);
    layout->addWidget(buildButtons());
    layout->addStretch(1);
    setCentralWidget(central);

    // Tab goes down the entry boxes, then to the buttons beside them.
    for (std::size_t i = 0; i + 1 < txtAmount_.size(); ++i) {
        setTabOrder(txtAmount_[i], txtAmount_[i + 1]);
    }
    setTabOrder(txtAmount_.back(), cmdCalc_);
    redraw();
}

MainWindowView::~MainWindowView() = default;

void MainWindowView::buildMenus() {
    struct Entry {
        const char* objectName;
        const char* caption;
        void (MainWindowView::*run)();
    };
    struct Menu {
        const char* title;
        std::vector<Entry> entries;
    };
    const Menu menus[] = {
        {"&File",
         {{"mnuNew", "&New", &MainWindowView::newEmployee},
          {"mnuOpen", "&Open", &MainWindowView::openEmployee},
          {"mnuSave", "&Save", &MainWindowView::saveEmployee},
          {"mnuChecks", "C&hecks", &MainWindowView::checkWriter},
          {"mnuPrintSheetItem", "Print Sheet", &MainWindowView::printStatement},
          {"mnuPrintItem", "&Print Image", &MainWindowView::printImage},
          {"mnuClear", "&Clear", &MainWindowView::clearAll},
          {"mnuExit", "E&xit", &MainWindowView::exitProgram}}},
        {"Fo&rms",
         {{"mnuVacation", "&Vacation", &MainWindowView::vacationTracker},
          {"mnuOT", "OT %", &MainWindowView::overtimeTracker},
          {"mnuYear", "&Year to Date", &MainWindowView::yearToDate}}},
        {"&Options",
         {{"mnuHeader", "H&eader", &MainWindowView::companyHeading},
          {"mnuUserInfo", "&User Info", &MainWindowView::userInfo},
          {"mnuStateTax", "S&tate Tax", &MainWindowView::stateTaxDialog},
          {"mnuCityTax", "C&ity Tax", &MainWindowView::cityTaxDialog},
          {"mnuNonCity", "Non City Tax", &MainWindowView::nonCityTaxDialog}}},
        {"&Help",
         {{"mnuHelp", "He&lp", &MainWindowView::help},
          {"mnuAbout", "&About", &MainWindowView::about}}},
    };
    for (const Menu& m : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(m.title));
        for (const Entry& e : m.entries) {
            QAction* action = menu->addAction(QString::fromLatin1(e.caption));
            action->setObjectName(QString::fromLatin1(e.objectName));
            connect(action, &QAction::triggered, this, e.run);
        }
    }
}

QWidget* MainWindowView::buildTop() {
    auto* top = new QFrame(this);
    top->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(top);

    txtWeek_ = new QLineEdit(top);
    txtWeek_->setObjectName(QStringLiteral("txtWeek"));
    txtWeek_->setReadOnly(true);
    txtWeek_->setToolTip(QStringLiteral("Click for Date change"));
    txtWeek_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtWeek_->setFixedWidth(
        txtWeek_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 20);
    txtWeek_->installEventFilter(this);
    auto* weekLabel = new QLabel(QStringLiteral("WEEK ENDING:"), top);
    weekLabel->setBuddy(txtWeek_);

    lbUser_ = new QLabel(top);
    lbUser_->setObjectName(QStringLiteral("lbUser"));
    lbUser_->setFont(emphasized(lbUser_->font()));
    lbUser_->setAlignment(Qt::AlignCenter);
    lbUser_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* federal = new QLabel(qs(kFederalTableCaption), top);
    federal->setToolTip(QStringLiteral("Latest Fed tax rate"));
    lbTableVersion_ = new QLabel(top);
    lbTableVersion_->setObjectName(QStringLiteral("lbTableVersion"));
    lbTableNotice_ = new QLabel(top);
    lbTableNotice_->setObjectName(QStringLiteral("lbTableNotice"));
    lbTableNotice_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* week = new QHBoxLayout;
    week->addWidget(weekLabel);
    week->addWidget(txtWeek_);
    week->addStretch(1);
    grid->addLayout(week, 0, 0);
    grid->addWidget(lbUser_, 0, 1);
    auto* table = new QVBoxLayout;
    auto* tableLine = new QHBoxLayout;
    tableLine->addStretch(1);
    tableLine->addWidget(federal);
    tableLine->addWidget(lbTableVersion_);
    table->addLayout(tableLine);
    table->addWidget(lbTableNotice_);
    grid->addLayout(table, 0, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return top;
}

QWidget* MainWindowView::buildEntries() {
    auto* group = new QGroupBox(QStringLiteral("Pay period"), this);
    auto* grid = new QGridLayout(group);
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("9999999.99")) + 16;
    for (std::size_t i = 0; i < txtAmount_.size(); ++i) {
        auto* box = new QLineEdit(group);
        box->setObjectName(arrayName("txtAmount", i));
        makeNumberBox(box);
        box->setFixedWidth(boxWidth);
        box->installEventFilter(this);
        followText(box, this, [this, i](const std::string& typed) {
            asker_.tell(session_.typeIntoEntryBox(i, typed).messages);
        });
        auto* label = new QLabel(QString::fromLatin1(kEntryLabels[i]), group);
        label->setBuddy(box);
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(box, static_cast<int>(i), 1);
        txtAmount_[i] = box;
    }

    opt1x_ = new QRadioButton(qs(session_.main.opt1x.caption), group);
    opt2x_ = new QRadioButton(qs(session_.main.opt2x.caption), group);
    opt1x_->setObjectName(QStringLiteral("opt1x"));
    opt2x_->setObjectName(QStringLiteral("opt2x"));
    opt1x_->setAccessibleName(QStringLiteral("O.T. (1X)"));
    opt2x_->setAccessibleName(QStringLiteral("O.T. (2X)"));
    auto* times = new QButtonGroup(group);
    times->addButton(opt1x_);
    times->addButton(opt2x_);
    followToggle(opt1x_, this, [this](bool on) { (void)session_.selectOvertimeTimes(on); });
    auto* options = new QHBoxLayout;
    options->addWidget(opt1x_);
    options->addWidget(opt2x_);
    options->addStretch(1);
    grid->addLayout(options, 2, 2);

    auto* add = new QLabel(QStringLiteral("ADD"), group);
    add->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    cmdCalc_ = new QPushButton(QStringLiteral("&Calculate"), group);
    cmdCalc_->setObjectName(QStringLiteral("cmdCalc"));
    cmdCalc_->setAccessibleName(QStringLiteral("Calculate"));
    cmdCalc_->setFixedWidth(boxWidth);
    connect(cmdCalc_, &QPushButton::clicked, this, &MainWindowView::calculate);
    auto* cmdClear = new QPushButton(QStringLiteral("Clear"), group);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    connect(cmdClear, &QPushButton::clicked, this, &MainWindowView::clearAll);
    grid->addWidget(add, 8, 1);
    grid->addWidget(cmdCalc_, 9, 1);
    grid->addWidget(cmdClear, 9, 2, Qt::AlignLeft);

    ckLouisPrior_ = new QCheckBox(qs(session_.main.ckLouisPrior.caption), group);
    ckLouisPrior_->setObjectName(QStringLiteral("ckLouisPrior"));
    ckLouisPrior_->setToolTip(QStringLiteral("Check if calculating prior to April 1st 2005"));
    followToggle(ckLouisPrior_, this,
                 [this](bool on) { (void)session_.louisianaPriorChanged(on); });
    grid->addWidget(ckLouisPrior_, 10, 0, 1, 3);

    grid->setColumnStretch(2, 1);
    grid->setRowStretch(11, 1);
    return group;
}

QWidget* MainWindowView::buildResults() {
    auto* group = new QGroupBox(QStringLiteral("Taxes and deductions"), this);
    auto* grid = new QGridLayout(group);
    const int width = figureWidth(this);
    int row = 0;
    auto addRow = [&](QLineEdit* figure, QLabel* caption) {
        figure->setFixedWidth(width);
        grid->addWidget(caption, row, 0);
        grid->addWidget(figure, row, 1);
        ++row;
    };
    for (std::size_t i = 0; i < lbTaxDed_.size(); ++i) {
        lbTaxDed_[i] = makeFigure(arrayName("lbTaxDed", i), group);
        lbTaxTag_[i] = captionFor(lbTaxDed_[i], qs(session_.main.lbTaxTag[i].caption), group);
        lbTaxTag_[i]->setObjectName(arrayName("lbTaxTag", i));
        addRow(lbTaxDed_[i], lbTaxTag_[i]);
    }
    auto* line = new QFrame(group);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, row++, 0, 1, 2);
    const struct {
        QLineEdit** figure;
        const char* name;
        const char* caption;
    } single[] = {{&lbSDI_, "lbSDI", "SDI"},
                  {&lbSUI_, "lbSUI", "SUI"},
                  {&lbCafe_, "lbCafe", "Cafeteria Plan"}};
    for (const auto& s : single) {
        *s.figure = makeFigure(QString::fromLatin1(s.name), group);
        addRow(*s.figure, captionFor(*s.figure, QString::fromLatin1(s.caption), group));
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
    return group;
}

QWidget* MainWindowView::buildTotals() {
    auto* group = new QGroupBox(QStringLiteral("Totals"), this);
    auto* grid = new QGridLayout(group);
    const int width = figureWidth(this) + 16;
    const struct {
        QLineEdit** figure;
        const char* name;
        const char* caption;
    } totals[] = {{&Label13_, "Label13", "GROSS PAY"},    {&lbTaxes_, "lbTaxes", "TAXES"},
                  {&lbDeduct_, "lbDeduct", "DEDUCTIONS"}, {&lbNet_, "lbNet", "NET PAY"},
                  {&lbOverT_, "lbOverT", "OverTime"},     {&lbTips_, "lbTips", "Tips"}};
    int row = 0;
    for (const auto& t : totals) {
        if (*t.figure == nullptr && t.figure == &lbOverT_) {
            auto* line = new QFrame(group);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row++, 0, 1, 2);
        }
        *t.figure = makeFigure(QString::fromLatin1(t.name), group);
        (*t.figure)->setFixedWidth(width);
        QLabel* caption = captionFor(*t.figure, QString::fromLatin1(t.caption), group);
        if (t.figure == &lbNet_) {
            caption->setFont(emphasized(caption->font()));
            lbNet_->setFont(emphasized(lbNet_->font()));
            lbNet_->setFixedWidth(
                QFontMetrics(lbNet_->font()).horizontalAdvance(QStringLiteral("$999,999.00")) + 24);
        }
        grid->addWidget(caption, row, 0);
        grid->addWidget(*t.figure, row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
    return group;
}

QWidget* MainWindowView::buildButtons() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* name;
        const char* caption;
        void (MainWindowView::*run)();
    } buttons[] = {
        {"cmdPrint", "Print", &MainWindowView::printStatement},
        {"cmdVacation", "Vacation", &MainWindowView::vacationTracker},
        {"cmdYear", "Year to Date", &MainWindowView::yearToDate},
        {"cmdOverTime", "OverTime", &MainWindowView::overtimeTracker},
        {"cmdSavePeriod", "Save This Pay Period", &MainWindowView::savePayPeriod},
        {"cmdGetPeriod", "Get Pay Period", &MainWindowView::getPayPeriod},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), bar);
        button->setObjectName(QString::fromLatin1(b.name));
        connect(button, &QPushButton::clicked, this, b.run);
        row->addWidget(button);
    }
    row->addStretch(1);
    return bar;
}

void MainWindowView::redraw() {
    const MainWindow& m = session_.main;
    setWindowTitle(qs(m.caption));
    lbUser_->setText(qs(m.lbUser.caption));
    lbTableNotice_->setText(qs(m.lbTableNotice.caption));
    lbTableVersion_->setText(qs(m.lbTableVersion.caption));
    showText(txtWeek_, m.txtWeek.text);
    txtWeek_->setAccessibleDescription(txtWeek_->toolTip());
    for (std::size_t i = 0; i < txtAmount_.size(); ++i) {
        showText(txtAmount_[i], m.txtAmount[i].text);
    }
    showChecked(opt1x_, m.opt1x.value);
    showChecked(opt2x_, !m.opt1x.value);
    showChecked(ckLouisPrior_, m.ckLouisPrior.value != 0);
    ckLouisPrior_->setVisible(m.ckLouisPrior.visible);
    for (std::size_t i = 0; i < lbTaxDed_.size(); ++i) {
        const QString caption = qs(m.lbTaxTag[i].caption);
        lbTaxTag_[i]->setText(caption);
        lbTaxDed_[i]->setAccessibleName(caption);
        showText(lbTaxDed_[i], m.lbTaxDed[i].caption);
    }
    const std::pair<QLineEdit*, const Label*> figures[] = {
        {lbSDI_, &m.lbSDI},     {lbSUI_, &m.lbSUI},     {lbCafe_, &m.lbCafe},
        {Label13_, &m.Label13}, {lbTaxes_, &m.lbTaxes}, {lbDeduct_, &m.lbDeduct},
        {lbNet_, &m.lbNet},     {lbOverT_, &m.lbOverT}, {lbTips_, &m.lbTips}};
    for (const auto& [figure, label] : figures) {
        showText(figure, label->caption);
    }
}

void MainWindowView::startUp(const std::string& today) {
    Outcome started = session_.startUp(today);
    if (!started.messages.empty()) {
        QTimer::singleShot(0, this, [this, messages = started.messages] { asker_.tell(messages); });
    }
}

void MainWindowView::showOutcome(const Outcome& outcome) {
    asker_.tell(outcome.messages);
}

void MainWindowView::finish(const WorkflowEnd& end) {
    showOutcome(end.outcome);
    if (end.endProgram) {
        ending_ = true;
        close();
    }
}

void MainWindowView::focusEntryBox(int box) {
    QLineEdit* target = txtAmount_[static_cast<std::size_t>(box)];
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void MainWindowView::calculate() {
    showOutcome(session_.calculate());
    focusEntryBox(0);
}

void MainWindowView::clearAll() {
    showOutcome(session_.Clear_All());
}

void MainWindowView::newEmployee() {
    finish(fileNew(session_, questions_));
}

void MainWindowView::openEmployee() {
    finish(fileOpen(session_, questions_));
}

void MainWindowView::saveEmployee() {
    finish(fileSave(session_, questions_));
}

void MainWindowView::exitProgram() {
    finish(fileExit(session_, questions_));
}

void MainWindowView::userInfo() {
    Outcome loaded = session_.showTaxInfo();
    showOutcome(loaded);
    if (!session_.taxInfo.loaded()) {
        return;
    }
    TaxInfoDialogView dialog(session_, asker_, this);
    asker_.runModal(dialog);
}

void MainWindowView::help() {
    showModeless(help_, false, [this] { return new HelpWindow(session_.dataFolder, this); });
}

void MainWindowView::about() {
    asker_.tell(aboutMessage(QUILLON_VERSION));
}

void MainWindowView::notBuiltYet(const char* caption) {
    asker_.tell(notBuiltYetMessage(caption));
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    if (!ending_) {
        WorkflowEnd end = fileExit(session_, questions_);
        asker_.tell(end.outcome.messages);
        if (!end.endProgram) {
            // The register could not be saved: the program stays, the window with it.
            event->ignore();
            return;
        }
        ending_ = true;
    }
    closeModeless({help_, checks_, heading_, stateTax_, cityTax_, nonCityTax_});
    event->accept();
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtWeek_) {
        const bool clicked = event->type() == QEvent::MouseButtonRelease;
        const bool pressed = event->type() == QEvent::KeyPress &&
                             (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                              static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter ||
                              static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space);
        if (clicked || pressed) {
            weekEndingDate();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto found = std::find(txtAmount_.begin(), txtAmount_.end(), watched);
    if (found == txtAmount_.end()) {
        return false;
    }
    const int box = static_cast<int>(found - txtAmount_.begin());
    std::optional<EntryKey> key;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = EntryKey::Enter;
            break;
        case Qt::Key_Down:
            key = EntryKey::Down;
            break;
        case Qt::Key_Up:
            key = EntryKey::Up;
            break;
        default:
            return false;
    }
    if (std::optional<int> next = entryBoxAfterKey(box, *key)) {
        focusEntryBox(*next);
    }
    return true;
}

}  // namespace quillon::ui
