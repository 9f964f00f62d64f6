#include "ui/city_dialog_view.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/controls.hpp"
#include "ui/settings_tables.hpp"

namespace quillon::ui {
namespace {

struct ColumnOf {
    const char* control;
    CityDialog::Column CityDialog::*boxes;
    const char* heading;
};
constexpr std::array<ColumnOf, 8> kColumns = {{
    {"txtCityMinBS", &CityDialog::txtCityMinBS, "Minimum Range"},
    {"txtCityAmtBS", &CityDialog::txtCityAmtBS, "Amount to Withhold"},
    {"txtCityPerBS", &CityDialog::txtCityPerBS, "Multiply by Percentage in Decimal"},
    {"txtCityMinBM", &CityDialog::txtCityMinBM, "Minimum Range"},
    {"txtCityAmtBM", &CityDialog::txtCityAmtBM, "Amount to Withhold"},
    {"txtCityPerBM", &CityDialog::txtCityPerBM, "Multiply by Percentage in Decimal"},
    {"txtCitySgExp", &CityDialog::txtCitySgExp, "SINGLE"},
    {"txtCityMarExp", &CityDialog::txtCityMarExp, "MARRIED"},
}};

}  // namespace

CityDialogView::CityDialogView(Session& session, Asker& asker, QWidget* parent)
    : QDialog(parent),
      session_(session),
      asker_(asker),
      watch_(session, Part::CityDialog, [this](Changes) { followSession(); }) {
    setObjectName(QStringLiteral("DialogCity"));
    setModal(false);

    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        for (std::size_t r = 0; r < 10; ++r) {
            const BadBox where = namedBox(kColumns[c].control, static_cast<int>(r));
            QLineEdit* box = settingsBox(where, this);
            followText(box, this, [this, where](const std::string& typed) {
                finish(session_.cityDialogType(where, typed));
            });
            columns_[c][r] = box;
        }
    }
    // A frame of columns first to first + count, with "BIWEEKLY" over them; rows numbered from
    // firstNumber under numberHeading.
    auto frame = [this](const char* name, const char* caption, std::size_t first, std::size_t count,
                        const char* numberHeading, int firstNumber) {
        auto* group = new QGroupBox(QString::fromLatin1(caption), this);
        group->setObjectName(QString::fromLatin1(name));
        auto* layout = new QVBoxLayout(group);
        layout->addWidget(new QLabel(QStringLiteral("BIWEEKLY"), group), 0, Qt::AlignHCenter);
        std::vector<QLabel*> headings;
        std::vector<std::vector<QLineEdit*>> boxes;
        for (std::size_t c = first; c < first + count; ++c) {
            headings.push_back(new QLabel(QString::fromLatin1(kColumns[c].heading), group));
            boxes.emplace_back(columns_[c].begin(), columns_[c].end());
        }
        std::vector<QLabel*> numbers;
        numbers.reserve(10);
        for (int n = 0; n < 10; ++n) {
            numbers.push_back(new QLabel(QString::number(firstNumber + n), group));
        }
        auto* grid = new QGridLayout;
        layTable(grid, new QLabel(QString::fromLatin1(numberHeading), group), headings, numbers,
                 boxes);
        layout->addLayout(grid);
        return std::pair{group, rowByRow(boxes)};
    };
    auto [single, singleOrder] = frame("fraSingle", "Table for SINGLE Persons", 0, 3, "Line", 1);
    auto [married, marriedOrder] =
        frame("fraMarried", "Table for MARRIED Persons", 3, 3, "Line", 1);
    auto [allowance, allowanceOrder] =
        frame("fraAllowance", "Withholding Allowance", 6, 2, "# of Exemp", 0);
    auto* tables = new QHBoxLayout;
    tables->addWidget(single, 0, Qt::AlignTop);
    tables->addWidget(married, 0, Qt::AlignTop);
    tables->addWidget(allowance, 0, Qt::AlignTop);
    tables->addStretch(1);

    auto* warning = new QLabel(QStringLiteral("WARNING!"), this);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    auto* weekly = new QLabel(qs(kCityWeeklyNotice), this);
    weekly->setWordWrap(true);
    auto* notices = new QGridLayout;
    notices->addWidget(warning, 0, 0);
    notices->addWidget(
        new QLabel(QStringLiteral("Enter 999999 in any Minimum Range Box that is not used."), this),
        0, 1);
    notices->addWidget(weekly, 1, 0, 1, 2);
    notices->setColumnStretch(1, 1);

    ckNoLocalTax_ = new QCheckBox(this);
    ckNoLocalTax_->setObjectName(QStringLiteral("ckNoLocalTax"));
    followToggle(ckNoLocalTax_, this,
                 [this](bool on) { finish(session_.cityDialogNoLocalTax(on)); });

    QPushButton* ok = dialogButton(QStringLiteral("&SAVE"), "OKButton", this);
    QPushButton* cancel = dialogButton(QStringLiteral("&CANCEL"), "CancelButton", this);
    QPushButton* newYork = dialogButton(QStringLiteral("&New York"), "cmdDefault", this);
    QPushButton* clearMe = dialogButton(QStringLiteral("CLEAR ALL"), "cmdClearMe", this);
    connect(ok, &QPushButton::clicked, this, [this] { finish(session_.cityDialogSave()); });
    connect(cancel, &QPushButton::clicked, this, &CityDialogView::reject);
    connect(newYork, &QPushButton::clicked, this, [this] { finish(session_.cityDialogNewYork()); });
    connect(clearMe, &QPushButton::clicked, this,
            [this] { finish(session_.cityDialogClearAll()); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ckNoLocalTax_);
    buttons->addSpacing(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 2);
    buttons->addWidget(newYork);
    buttons->addWidget(clearMe);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tables);
    layout->addLayout(notices);
    layout->addLayout(buttons);

    std::vector<QWidget*> order = singleOrder;
    order.insert(order.end(), marriedOrder.begin(), marriedOrder.end());
    order.insert(order.end(), allowanceOrder.begin(), allowanceOrder.end());
    order.insert(order.end(), {ckNoLocalTax_, newYork, clearMe, ok, cancel});
    chainTabOrder(order);
    redraw();
}

void CityDialogView::redraw() {
    if (!session_.cityDialog.loaded()) {
        return;
    }
    const CityDialog& m = model();
    setWindowTitle(qs(m.title()));
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        for (std::size_t r = 0; r < 10; ++r) {
            draw(columns_[c][r], (m.*kColumns[c].boxes)[r]);
        }
    }
    draw(ckNoLocalTax_, m.ckNoLocalTax);
}

void CityDialogView::followSession() {
    followModel(*this, session_.cityDialog.shown, [this] { redraw(); });
}

void CityDialogView::finish(const Outcome& outcome) {
    asker_.tell(outcome.messages);
    if (session_.cityDialog.shown) {
        focusBox(this, outcome.badBox);
    }
}

void CityDialogView::reject() {
    if (session_.cityDialog.shown) {
        finish(session_.cityDialogCancel());
    }
    QDialog::reject();
}

}  // namespace quillon::ui
