#include "ui/state_dialog_view.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/controls.hpp"
#include "ui/settings_tables.hpp"

namespace quillon::ui {
namespace {

struct ColumnOf {
    const char* control;
    StateDialog::Column StateDialog::*boxes;
};
constexpr std::array<ColumnOf, 8> kColumns = {{
    {"txtStateMinBS", &StateDialog::txtStateMinBS},
    {"txtStateAmtBS", &StateDialog::txtStateAmtBS},
    {"txtStatePerBS", &StateDialog::txtStatePerBS},
    {"txtStateMinBM", &StateDialog::txtStateMinBM},
    {"txtStateAmtBM", &StateDialog::txtStateAmtBM},
    {"txtStatePerBM", &StateDialog::txtStatePerBM},
    {"txtStateSgExp", &StateDialog::txtStateSgExp},
    {"txtStateMarExp", &StateDialog::txtStateMarExp},
}};

struct SingleOf {
    const char* control;
    TextBox StateDialog::*box;
};
constexpr std::array<SingleOf, 6> kSingles = {{
    {"txtSDIpercent", &StateDialog::txtSDIpercent},
    {"txtSDIwageBase", &StateDialog::txtSDIwageBase},
    {"txtSUIpercent", &StateDialog::txtSUIpercent},
    {"txtSUIwageBase", &StateDialog::txtSUIwageBase},
    {"txtStateAdj", &StateDialog::txtStateAdj},
    {"txtCalAllow", &StateDialog::txtCalAllow},
}};
enum Single { kSDIpercent, kSDIwageBase, kSUIpercent, kSUIwageBase, kStateAdj, kCalAllow };

struct LabelOf {
    const char* name;
    Label StateDialog::*label;
};
// The labels the presets relabel, hide or disable, and the two base labels.
constexpr std::array<LabelOf, 17> kLabels = {{
    {"Label1", &StateDialog::Label1},
    {"Label2", &StateDialog::Label2},
    {"Label3", &StateDialog::Label3},
    {"Label4", &StateDialog::Label4},
    {"Label6", &StateDialog::Label6},
    {"Label8", &StateDialog::Label8},
    {"Label9", &StateDialog::Label9},
    {"Label10", &StateDialog::Label10},
    {"Label11", &StateDialog::Label11},
    {"Label19", &StateDialog::Label19},
    {"Label20", &StateDialog::Label20},
    {"Label21", &StateDialog::Label21},
    {"Label14", &StateDialog::Label14},
    {"Label15", &StateDialog::Label15},
    {"Label13", &StateDialog::Label13},
    {"lbSDIbase", &StateDialog::lbSDIbase},
    {"lbSUIbase", &StateDialog::lbSUIbase},
}};

constexpr std::array<const char*, kSpecialStateCount> kSpecialStateNames = {
    "ckAriz", "ckLouis",   "ckIowa",     "ckMissouri", "ckMass",        "ckOregon",
    "ckUtah", "ckAlabama", "ckKentucky", "ckWiscon",   "ckWisconApril", "ckNC"};

QCheckBox* checkBox(const char* name, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// A label whose hiding leaves its place, so that the boxes do not move under the operator.
void keepPlace(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

}  // namespace

StateDialogView::StateDialogView(Session& session, Asker& asker, QWidget* parent)
    : QDialog(parent),
      session_(session),
      asker_(asker),
      watch_(session, Part::StateDialog, [this](Changes) { followSession(); }) {
    setObjectName(QStringLiteral("DialogState"));
    setModal(false);

    // The labels start from the standard layout's captions, which the layout is sized for.
    const StateDialog standard;
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        labels_[i] = new QLabel(qs((standard.*kLabels[i].label).caption), this);
        labels_[i]->setObjectName(QString::fromLatin1(kLabels[i].name));
    }
    auto labelNamed = [this](const char* name) {
        for (std::size_t i = 0; i < kLabels.size(); ++i) {
            if (std::string_view(kLabels[i].name) == name) {
                return labels_[i];
            }
        }
        return static_cast<QLabel*>(nullptr);
    };

    // The boxes, column by column as the model holds them; the tab order is set at the end.
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        for (std::size_t r = 0; r < 10; ++r) {
            columns_[c][r] = settingsBox(namedBox(kColumns[c].control, static_cast<int>(r)), this);
        }
    }
    auto table = [this](std::size_t first, std::size_t count) {
        std::vector<std::vector<QLineEdit*>> boxes;
        for (std::size_t c = first; c < first + count; ++c) {
            boxes.emplace_back(columns_[c].begin(), columns_[c].end());
        }
        return boxes;
    };
    auto lineNumbers = [](QWidget* frame) {
        std::vector<QLabel*> numbers;
        for (int line = 1; line <= 10; ++line) {
            numbers.push_back(new QLabel(QString::number(line), frame));
        }
        return numbers;
    };

    // The single table, in its frame; the married table beside it.
    Frame1_ = new QGroupBox(this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* single = new QVBoxLayout(Frame1_);
    single->addWidget(labelNamed("Label19"), 0, Qt::AlignHCenter);
    auto* singleGrid = new QGridLayout;
    layTable(singleGrid, new QLabel(QStringLiteral("Line"), Frame1_),
             {labelNamed("Label1"), labelNamed("Label2"), labelNamed("Label3")},
             lineNumbers(Frame1_), table(0, 3));
    single->addLayout(singleGrid);

    Label5_ = new QGroupBox(this);
    Label5_->setObjectName(QStringLiteral("Label5"));
    auto* married = new QVBoxLayout(Label5_);
    married->addWidget(labelNamed("Label20"), 0, Qt::AlignHCenter);
    auto* marriedGrid = new QGridLayout;
    layTable(marriedGrid, new QLabel(QStringLiteral("Line"), Label5_),
             {labelNamed("Label4"), labelNamed("Label6"), labelNamed("Label8")},
             lineNumbers(Label5_), table(3, 3));
    married->addLayout(marriedGrid);

    // The allowances, rows numbered by exemptions.
    allowanceFrame_ = new QGroupBox(this);
    allowanceFrame_->setObjectName(QStringLiteral("allowanceFrame"));
    auto* allowance = new QVBoxLayout(allowanceFrame_);
    allowance->addWidget(labelNamed("Label21"), 0, Qt::AlignHCenter);
    auto* allowanceGrid = new QGridLayout;
    std::vector<QLabel*> exemptions;
    for (std::size_t n = 0; n < Label27_.size(); ++n) {
        Label27_[n] = new QLabel(qs(standard.Label27[n].caption), allowanceFrame_);
        Label27_[n]->setObjectName(arrayName("Label27", n));
        exemptions.push_back(Label27_[n]);
    }
    layTable(allowanceGrid, labelNamed("Label13"), {labelNamed("Label14"), labelNamed("Label15")},
             exemptions, table(6, 2));
    allowance->addLayout(allowanceGrid);
    for (const char* name : {"Label19", "Label20", "Label21", "Label13"}) {
        keepPlace(labelNamed(name));
    }

    auto* tables = new QHBoxLayout;
    tables->addWidget(Frame1_, 0, Qt::AlignTop);
    tables->addWidget(Label5_, 0, Qt::AlignTop);
    tables->addWidget(allowanceFrame_, 0, Qt::AlignTop);
    tables->addStretch(1);

    // "WARNING!" and the two notices under the tables.
    QLabel* warning = labelNamed("Label9");
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    QLabel* notice = labelNamed("Label11");
    notice->setWordWrap(true);
    auto* notices = new QGridLayout;
    notices->addWidget(warning, 0, 0);
    notices->addWidget(labelNamed("Label10"), 0, 1);
    notices->addWidget(notice, 1, 0, 1, 2);
    notices->setColumnStretch(1, 1);

    // The six single boxes: SDI and SUI in their frames, the adjustment, the California
    // allowance. Each selects its whole text when it gets the focus.
    for (std::size_t i = 0; i < kSingles.size(); ++i) {
        singles_[i] = settingsBox(namedBox(kSingles[i].control), this);
        selectAllOnFocus(singles_[i]);
    }
    ckSDI_ = checkBox("ckSDI", this);
    ckSUI_ = checkBox("ckSUI", this);
    auto insurance = [&](const char* name, const char* caption, QLineEdit* rate, QLineEdit* base,
                         QLabel* baseLabel, QCheckBox* useBase) {
        auto* frame = new QGroupBox(QString::fromLatin1(caption), this);
        frame->setObjectName(QString::fromLatin1(name));
        auto* grid = new QGridLayout(frame);
        auto* rateLabel = new QLabel(QStringLiteral("% Rate"), frame);
        rateLabel->setBuddy(rate);
        baseLabel->setBuddy(base);
        grid->addWidget(rateLabel, 0, 0);
        grid->addWidget(rate, 0, 1);
        grid->addWidget(baseLabel, 1, 0);
        grid->addWidget(base, 1, 1);
        grid->addWidget(useBase, 2, 0, 1, 2);
        return frame;
    };
    QGroupBox* sdi = insurance("fraSDI", "&State &Disability &Insurance", singles_[kSDIpercent],
                               singles_[kSDIwageBase], labelNamed("lbSDIbase"), ckSDI_);
    QGroupBox* sui = insurance("fraSUI", "&State &UnEmployment &Insurance", singles_[kSUIpercent],
                               singles_[kSUIwageBase], labelNamed("lbSUIbase"), ckSUI_);
    // The base boxes are named by the label beside them, which says what the figure is.
    ckSDI_->setAccessibleName(QStringLiteral("State Disability Insurance, Use Base"));
    ckSUI_->setAccessibleName(QStringLiteral("State UnEmployment Insurance, Use Base"));

    auto* adjustment = new QGroupBox(QStringLiteral("Adustment"), this);
    adjustment->setObjectName(QStringLiteral("fraAdjustment"));
    auto* adjustmentLayout = new QVBoxLayout(adjustment);
    auto* adjustmentNotice = new QLabel(qs(kStateAdjNotice), adjustment);
    adjustmentNotice->setWordWrap(true);
    adjustmentNotice->setBuddy(singles_[kStateAdj]);
    adjustmentLayout->addWidget(adjustmentNotice);
    adjustmentLayout->addWidget(singles_[kStateAdj], 0, Qt::AlignLeft);
    adjustmentLayout->addStretch(1);
    adjustment->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);

    auto* california = new QVBoxLayout;
    auto* californiaLabel = new QLabel(QStringLiteral("California Exempt Allowance"), this);
    californiaLabel->setBuddy(singles_[kCalAllow]);
    california->addWidget(californiaLabel);
    california->addWidget(singles_[kCalAllow], 0, Qt::AlignLeft);
    california->addStretch(1);

    auto* amounts = new QHBoxLayout;
    amounts->addWidget(sdi);
    amounts->addWidget(sui);
    amounts->addWidget(adjustment);
    amounts->addLayout(california);
    amounts->addStretch(1);

    // The special states in two rows, the switches beside them.
    auto* specials = new QGroupBox(this);
    specials->setObjectName(QStringLiteral("fraSpecialStates"));
    auto* specialGrid = new QGridLayout(specials);
    for (std::size_t i = 0; i < specialStates_.size(); ++i) {
        specialStates_[i] = checkBox(kSpecialStateNames[i], specials);
        specialGrid->addWidget(specialStates_[i], static_cast<int>(i / 6), static_cast<int>(i % 6));
        const auto which = static_cast<SpecialState>(i);
        followToggle(specialStates_[i], this,
                     [this, which](bool) { finish(session_.stateDialogPressSpecialState(which)); });
    }
    ckNoStateTax_ = checkBox("ckNoStateTax", this);
    ckRoundOff_ = checkBox("ckRoundOff", this);
    ckSpouse_ = checkBox("ckSpouse", this);
    keepPlace(ckSpouse_);
    auto* switches = new QVBoxLayout;
    switches->addWidget(ckNoStateTax_);
    switches->addWidget(ckRoundOff_);
    switches->addWidget(ckSpouse_);
    auto* choices = new QHBoxLayout;
    choices->addWidget(specials);
    choices->addLayout(switches);
    choices->addStretch(1);

    followToggle(ckNoStateTax_, this,
                 [this](bool on) { finish(session_.stateDialogNoStateTax(on)); });
    followToggle(ckRoundOff_, this,
                 [this](bool on) { finish(session_.stateDialogRoundState(on)); });
    followToggle(ckSpouse_, this, [this](bool on) { finish(session_.stateDialogSpouseWorks(on)); });
    followToggle(ckSDI_, this,
                 [this](bool on) { finish(session_.stateDialogUseBase(UseBase::Sdi, on)); });
    followToggle(ckSUI_, this,
                 [this](bool on) { finish(session_.stateDialogUseBase(UseBase::Sui, on)); });

    // Typing into a box: the session takes the text or refuses it whole.
    auto typing = [this](QLineEdit* box, const BadBox& where) {
        followText(box, this, [this, where](const std::string& typed) {
            finish(session_.stateDialogType(where, typed));
        });
    };
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        for (std::size_t r = 0; r < 10; ++r) {
            typing(columns_[c][r], namedBox(kColumns[c].control, static_cast<int>(r)));
        }
    }
    for (std::size_t i = 0; i < kSingles.size(); ++i) {
        typing(singles_[i], namedBox(kSingles[i].control));
    }

    QPushButton* ok = dialogButton(QStringLiteral("SAVE"), "OKButton", this);
    QPushButton* cancel = dialogButton(QStringLiteral("CANCEL"), "CancelButton", this);
    QPushButton* clearAll = dialogButton(QStringLiteral("CLEAR ALL"), "cmdClearAll", this);
    QPushButton* newYork = dialogButton(QStringLiteral("New York"), "cmdDefault", this);
    QPushButton* makeDefault = dialogButton(QStringLiteral("Make Default"), "cmdMkDefault", this);
    QPushButton* getDefault = dialogButton(QStringLiteral("Get Default"), "cmdGetDefault", this);
    connect(ok, &QPushButton::clicked, this, [this] { button(&Session::stateDialogSave); });
    connect(cancel, &QPushButton::clicked, this, &StateDialogView::reject);
    connect(clearAll, &QPushButton::clicked, this,
            [this] { button(&Session::stateDialogClearAll); });
    connect(newYork, &QPushButton::clicked, this, [this] { button(&Session::stateDialogNewYork); });
    connect(makeDefault, &QPushButton::clicked, this,
            [this] { button(&Session::stateDialogMakeDefault); });
    connect(getDefault, &QPushButton::clicked, this,
            [this] { button(&Session::stateDialogGetDefault); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newYork);
    buttons->addWidget(clearAll);
    buttons->addWidget(makeDefault);
    buttons->addWidget(getDefault);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tables);
    layout->addLayout(notices);
    layout->addLayout(amounts);
    layout->addLayout(choices);
    layout->addLayout(buttons);

    // Tab: the single table row by row, the married table, the allowances, then the single
    // boxes, the check boxes and the buttons as they stand.
    std::vector<QWidget*> order;
    for (const auto& part : {table(0, 3), table(3, 3), table(6, 2)}) {
        for (QWidget* w : rowByRow(part)) {
            order.push_back(w);
        }
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             singles_[kSDIpercent], singles_[kSDIwageBase], ckSDI_, singles_[kSUIpercent],
             singles_[kSUIwageBase], ckSUI_, singles_[kStateAdj], singles_[kCalAllow]}) {
        order.push_back(w);
    }
    for (QCheckBox* box : specialStates_) {
        order.push_back(box);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{ckNoStateTax_, ckRoundOff_, ckSpouse_, newYork, clearAll,
                                         makeDefault, getDefault, ok, cancel}) {
        order.push_back(w);
    }
    chainTabOrder(order);

    redraw();
}

void StateDialogView::redraw() {
    if (!session_.stateDialog.loaded()) {
        return;
    }
    const StateDialog& m = model();
    setWindowTitle(qs(m.title()));
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        for (std::size_t r = 0; r < 10; ++r) {
            draw(columns_[c][r], (m.*kColumns[c].boxes)[r]);
        }
    }
    for (std::size_t i = 0; i < kSingles.size(); ++i) {
        draw(singles_[i], m.*kSingles[i].box);
    }
    for (std::size_t i = 0; i < specialStates_.size(); ++i) {
        draw(specialStates_[i], m.specialBox(static_cast<SpecialState>(i)));
    }
    draw(ckNoStateTax_, m.ckNoStateTax);
    draw(ckRoundOff_, m.ckRoundOff);
    draw(ckSpouse_, m.ckSpouse);
    draw(ckSDI_, m.ckSDI);
    draw(ckSUI_, m.ckSUI);
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        draw(labels_[i], m.*kLabels[i].label);
    }
    for (std::size_t n = 0; n < Label27_.size(); ++n) {
        draw(Label27_[n], m.Label27[n]);
    }
    draw(Frame1_, m.Frame1);
    draw(Label5_, m.Label5);
    draw(allowanceFrame_, m.allowanceFrame);
}

void StateDialogView::followSession() {
    followModel(*this, session_.stateDialog.shown, [this] { redraw(); });
}

void StateDialogView::finish(const Outcome& outcome) {
    asker_.tell(outcome.messages);
    if (session_.stateDialog.shown) {
        focusBox(this, outcome.badBox);
    }
}

void StateDialogView::button(Outcome (Session::*operation)()) {
    finish((session_.*operation)());
}

void StateDialogView::reject() {
    if (session_.stateDialog.shown) {
        button(&Session::stateDialogCancel);
    }
    QDialog::reject();
}

}  // namespace quillon::ui
