#include "ui/noncity_dialog_view.hpp"

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
    NonCityDialog::Column NonCityDialog::*boxes;
    const char* heading;
};
constexpr std::array<ColumnOf, 4> kColumns = {{
    {"txtNonMinBi", &NonCityDialog::txtNonMinBi, "Minimum Range"},
    {"txtNonExpBi", &NonCityDialog::txtNonExpBi, "Subtract"},
    {"txtNonMinWk", &NonCityDialog::txtNonMinWk, "Minimum Range"},
    {"txtNonExpWk", &NonCityDialog::txtNonExpWk, "Subtract"},
}};

}  // namespace

NonCityDialogView::NonCityDialogView(Session& session, Asker& asker, QWidget* parent)
    : QDialog(parent),
      session_(session),
      asker_(asker),
      watch_(session, Part::NonCityDialog, [this](Changes) { followSession(); }) {
    setObjectName(QStringLiteral("DialogNonCity"));
    setModal(false);

    auto typing = [this](QLineEdit* box, const BadBox& where) {
        followText(box, this, [this, where](const std::string& typed) {
            finish(session_.nonCityDialogType(where, typed));
        });
    };
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        for (std::size_t r = 0; r < 8; ++r) {
            const BadBox where = namedBox(kColumns[c].control, static_cast<int>(r));
            columns_[c][r] = settingsBox(where, this);
            typing(columns_[c][r], where);
        }
    }
    // The "BIWEEKLY" or "WEEKLY" table: columns first and first + 1, lines "1" to "8".
    auto frame = [this](const char* name, const char* period, std::size_t first) {
        auto* group = new QGroupBox(QString::fromLatin1(period), this);
        group->setObjectName(QString::fromLatin1(name));
        auto* layout = new QVBoxLayout(group);
        layout->addWidget(new QLabel(QStringLiteral("NON Resident Table"), group), 0,
                          Qt::AlignHCenter);
        std::vector<QLabel*> headings;
        std::vector<std::vector<QLineEdit*>> boxes;
        for (std::size_t c = first; c < first + 2; ++c) {
            headings.push_back(new QLabel(QString::fromLatin1(kColumns[c].heading), group));
            boxes.emplace_back(columns_[c].begin(), columns_[c].end());
        }
        std::vector<QLabel*> numbers;
        for (int line = 1; line <= 8; ++line) {
            numbers.push_back(new QLabel(QString::number(line), group));
        }
        auto* grid = new QGridLayout;
        layTable(grid, new QLabel(QStringLiteral("Line"), group), headings, numbers, boxes);
        layout->addLayout(grid);
        return std::pair{group, rowByRow(boxes)};
    };
    auto [biweekly, biweeklyOrder] = frame("fraBiweekly", "BIWEEKLY", 0);
    auto [weekly, weeklyOrder] = frame("fraWeekly", "WEEKLY", 2);
    auto* tables = new QHBoxLayout;
    tables->addWidget(biweekly, 0, Qt::AlignTop);
    tables->addWidget(weekly, 0, Qt::AlignTop);
    tables->addStretch(1);

    txtNonPer_ = settingsBox(namedBox("txtNonPer"), this);
    typing(txtNonPer_, namedBox("txtNonPer"));
    auto* rateLabel = new QLabel(QStringLiteral("Multiply by Percentage in Decimal"), this);
    rateLabel->setBuddy(txtNonPer_);
    auto* rate = new QHBoxLayout;
    rate->addWidget(rateLabel);
    rate->addWidget(txtNonPer_);
    rate->addStretch(1);

    auto* warning = new QLabel(QStringLiteral("WARNING!"), this);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    auto* notices = new QHBoxLayout;
    notices->addWidget(warning);
    notices->addWidget(new QLabel(
        QStringLiteral("Enter 999999 in any Minimum Range Box that is not used."), this));
    notices->addStretch(1);

    QPushButton* ok = dialogButton(QStringLiteral("&SAVE"), "OKButton", this);
    QPushButton* cancel = dialogButton(QStringLiteral("&CANCEL"), "CancelButton", this);
    QPushButton* deFault = dialogButton(QStringLiteral("&DEFAULT"), "cmdDefault", this);
    connect(ok, &QPushButton::clicked, this, [this] { finish(session_.nonCityDialogSave()); });
    connect(cancel, &QPushButton::clicked, this, &NonCityDialogView::reject);
    connect(deFault, &QPushButton::clicked, this,
            [this] { finish(session_.nonCityDialogDefault()); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(deFault);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tables);
    layout->addLayout(rate);
    layout->addLayout(notices);
    layout->addLayout(buttons);

    std::vector<QWidget*> order = biweeklyOrder;
    order.insert(order.end(), weeklyOrder.begin(), weeklyOrder.end());
    order.insert(order.end(), {txtNonPer_, deFault, ok, cancel});
    chainTabOrder(order);
    redraw();
}

void NonCityDialogView::redraw() {
    if (!session_.nonCityDialog.loaded()) {
        return;
    }
    const NonCityDialog& m = model();
    setWindowTitle(qs(m.title()));
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        for (std::size_t r = 0; r < 8; ++r) {
            draw(columns_[c][r], (m.*kColumns[c].boxes)[r]);
        }
    }
    draw(txtNonPer_, m.txtNonPer);
}

void NonCityDialogView::followSession() {
    followModel(*this, session_.nonCityDialog.shown, [this] { redraw(); });
}

void NonCityDialogView::finish(const Outcome& outcome) {
    asker_.tell(outcome.messages);
    if (session_.nonCityDialog.shown) {
        focusBox(this, outcome.badBox);
    }
}

void NonCityDialogView::reject() {
    if (session_.nonCityDialog.shown) {
        finish(session_.nonCityDialogCancel());
    }
    QDialog::reject();
}

}  // namespace quillon::ui
