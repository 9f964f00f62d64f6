#include "ui/tax_info_dialog_view.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/controls.hpp"

namespace quillon::ui {
namespace {

constexpr std::array<const char*, 5> kCaptionNames = {"txtTax5", "txtTax6", "txtTax7", "txtTax8",
                                                      "txtTax9"};
constexpr std::array<const char*, 5> kAmountNames = {"txtMuni", "txtBond", "txtDues", "txtPension",
                                                     "txtMisc"};

QLineEdit* lineEdit(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLineEdit* numberBox(const char* name, QWidget* parent) {
    QLineEdit* box = lineEdit(name, parent);
    makeNumberBox(box);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("99999.99")) + 16);
    return box;
}

QComboBox* dropDown(const char* name, const QStringList& items, const QString& accessibleName,
                    const QString& toolTip, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setAccessibleName(accessibleName);
    box->setToolTip(toolTip);
    selectAllOnFocus(box, box->lineEdit());
    return box;
}

QCheckBox* checkBox(const char* name, const std::string& caption, QWidget* parent) {
    auto* box = new QCheckBox(qs(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* labelFor(QWidget* control, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(control);
    return label;
}

}  // namespace

TaxInfoDialogView::TaxInfoDialogView(Session& session, Asker& asker, QWidget* parent)
    : QDialog(parent),
      session_(session),
      asker_(asker),
      watch_(session, Part::TaxInfo, [this](Changes) { fill(); }) {
    setObjectName(QStringLiteral("frmTaxInfo"));
    setWindowTitle(qs(model().caption));
    setModal(true);
    const QStringList statuses = {QStringLiteral("Single"), QStringLiteral("Married")};
    QStringList exemptions;
    for (int i = 0; i <= 9; ++i) {
        exemptions << QString::number(i);
    }

    // The employee, for the check.
    auto* employee = new QGroupBox(QStringLiteral("Employee"), this);
    auto* employeeGrid = new QGridLayout(employee);
    txtName_ = lineEdit("txtName", employee);
    txtAddress_ = lineEdit("txtAddress", employee);
    txtStateCityZip_ = lineEdit("txtStateCityZip", employee);
    txtSSnum_ = lineEdit("txtSSnum", employee);
    const std::pair<QLineEdit*, const char*> identity[] = {
        {txtName_, "Employee's Name"},
        {txtAddress_, "Address for Check"},
        {txtStateCityZip_, "City, State, Zip Code"},
        {txtSSnum_, "Social Security Number"}};
    int row = 0;
    for (const auto& [box, caption] : identity) {
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18);
        employeeGrid->addWidget(labelFor(box, QString::fromLatin1(caption), employee), row, 0);
        employeeGrid->addWidget(box, row++, 1);
    }

    // Rates and frequency.
    auto* pay = new QGroupBox(QStringLiteral("Pay"), this);
    auto* payGrid = new QGridLayout(pay);
    txtHourRate_ = numberBox("txtHourRate", pay);
    txtHourRate2_ = numberBox("txtHourRate2", pay);
    txtTipsRate_ = numberBox("txtTipsRate", pay);
    const std::pair<QLineEdit*, const char*> rates[] = {{txtHourRate_, "Hourly Rate 1"},
                                                        {txtHourRate2_, "Hourly Rate 2"},
                                                        {txtTipsRate_, "Tips Rate"}};
    row = 0;
    for (const auto& [box, caption] : rates) {
        payGrid->addWidget(labelFor(box, QString::fromLatin1(caption), pay), row, 0);
        payGrid->addWidget(box, row++, 1);
    }
    optWeek_ = new QRadioButton(qs(model().optWeek.caption), pay);
    optBiWeek_ = new QRadioButton(qs(model().optBiWeek.caption), pay);
    optWeek_->setObjectName(QStringLiteral("optWeek"));
    optBiWeek_->setObjectName(QStringLiteral("optBiWeek"));
    auto* frequency = new QButtonGroup(pay);
    frequency->addButton(optWeek_);
    frequency->addButton(optBiWeek_);
    payGrid->addWidget(optWeek_, 0, 2);
    payGrid->addWidget(optBiWeek_, 1, 2);
    payGrid->setColumnStretch(3, 1);

    // Federal status.
    auto* federal = new QGroupBox(QStringLiteral("FEDERAL STATUS"), this);
    auto* federalGrid = new QGridLayout(federal);
    cboStatus_ = dropDown("cboStatus", statuses, QStringLiteral("Federal Status"),
                          QStringLiteral("Set Status"), federal);
    cboDepend_ = dropDown("cboDepend", exemptions, QStringLiteral("Federal Exemptions"),
                          QStringLiteral("Set Exemptions"), federal);
    ckFedExemp_ = checkBox("ckFedExemp", model().ckFedExemp.caption, federal);
    txtFedAddL_ = numberBox("txtFedAddL", federal);
    ckSSMediExemp_ = checkBox("ckSSMediExemp", model().ckSSMediExemp.caption, federal);
    ckSelfEmp_ = checkBox("ckSelfEmp", model().ckSelfEmp.caption, federal);
    federalGrid->addWidget(labelFor(cboStatus_, QStringLiteral("Status"), federal), 0, 0);
    federalGrid->addWidget(cboStatus_, 0, 1);
    federalGrid->addWidget(labelFor(cboDepend_, QStringLiteral("Exemptions"), federal), 1, 0);
    federalGrid->addWidget(cboDepend_, 1, 1);
    federalGrid->addWidget(ckFedExemp_, 2, 0, 1, 2);
    federalGrid->addWidget(
        labelFor(txtFedAddL_, QStringLiteral("Additional Federal Withholdings"), federal), 3, 0);
    federalGrid->addWidget(txtFedAddL_, 3, 1);
    federalGrid->addWidget(ckSSMediExemp_, 4, 0, 1, 2);
    federalGrid->addWidget(ckSelfEmp_, 5, 0, 1, 2);
    federalGrid->setColumnStretch(2, 1);

    // State and city status.
    auto* stateCity = new QGroupBox(QStringLiteral("STATE && CITY STATUS"), this);
    auto* stateGrid = new QGridLayout(stateCity);
    cboStatus2_ = dropDown("cboStatus2", statuses, QStringLiteral("State and City Status"),
                           QStringLiteral("Set Status"), stateCity);
    cboDepend2_ = dropDown("cboDepend2", exemptions, QStringLiteral("State and City Exemptions"),
                           QStringLiteral("Set Exemptions"), stateCity);
    ckNonCity_ = checkBox("ckNonCity", model().ckNonCity.caption, stateCity);
    stateGrid->addWidget(labelFor(cboStatus2_, QStringLiteral("Status"), stateCity), 0, 0);
    stateGrid->addWidget(cboStatus2_, 0, 1);
    stateGrid->addWidget(labelFor(cboDepend2_, QStringLiteral("Exemptions"), stateCity), 1, 0);
    stateGrid->addWidget(cboDepend2_, 1, 1);
    stateGrid->addWidget(ckNonCity_, 2, 0, 1, 2);
    stateGrid->setColumnStretch(2, 1);

    // Deductions 5 to 9: each caption box above its amount box; the pension is a percentage.
    auto* deductions = new QGroupBox(QStringLiteral("Deductions per pay"), this);
    auto* deductionGrid = new QGridLayout(deductions);
    const int captionWidth =
        deductions->fontMetrics().horizontalAdvance(QStringLiteral("Health Ins.")) + 16;
    for (std::size_t i = 0; i < txtTax_.size(); ++i) {
        txtTax_[i] = lineEdit(kCaptionNames[i], deductions);
        txtTax_[i]->setMinimumWidth(captionWidth);
        txtTax_[i]->setAccessibleName(QStringLiteral("Caption of deduction %1").arg(i + 5));
        txtAmount_[i] = numberBox(kAmountNames[i], deductions);
        txtAmount_[i]->setMaximumWidth(captionWidth);
        const int column = static_cast<int>(i);
        deductionGrid->addWidget(txtTax_[i], 0, column);
        auto* amount = new QHBoxLayout;
        amount->addWidget(txtAmount_[i]);
        if (i == 3) {
            amount->addWidget(new QLabel(QStringLiteral("%"), deductions));
        }
        deductionGrid->addLayout(amount, 1, column);
        connect(txtTax_[i], &QLineEdit::textChanged, this, [this, i] { nameAmount(i); });
        nameAmount(i);
    }

    // K plan and cafeteria plan.
    auto* plans = new QGroupBox(QStringLiteral("Plans"), this);
    auto* plansGrid = new QGridLayout(plans);
    txtKplan_ = numberBox("txtKplan", plans);
    ckKpFix_ = checkBox("ckKpFix", model().ckKpFix.caption, plans);
    ckKpPer_ = checkBox("ckKpPer", model().ckKpPer.caption, plans);
    ckKpFix_->setAccessibleName(QStringLiteral("K Plan in dollars"));
    ckKpPer_->setAccessibleName(QStringLiteral("K Plan in percent of gross pay"));
    txtCafe_ = numberBox("txtCafe", plans);
    ckCafeState_ = checkBox("ckCafeState", model().ckCafeState.caption, plans);
    plansGrid->addWidget(labelFor(txtKplan_, QStringLiteral("K Plan"), plans), 0, 0);
    plansGrid->addWidget(ckKpFix_, 0, 1);
    plansGrid->addWidget(txtKplan_, 0, 2);
    plansGrid->addWidget(ckKpPer_, 0, 3);
    plansGrid->addWidget(labelFor(txtCafe_, QStringLiteral("Cafeteria Plan"), plans), 1, 0);
    plansGrid->addWidget(txtCafe_, 1, 2);
    plansGrid->addWidget(ckCafeState_, 1, 3);
    plansGrid->setColumnStretch(4, 1);

    auto* cmdOk = new QPushButton(QStringLiteral("Save"), this);
    auto* command1 = new QPushButton(QStringLiteral("Close"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    command1->setObjectName(QStringLiteral("Command1"));
    // Enter in a box does not save: only the button does.
    cmdOk->setAutoDefault(false);
    command1->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &TaxInfoDialogView::save);
    connect(command1, &QPushButton::clicked, this, &TaxInfoDialogView::reject);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(employee);
    left->addWidget(pay);
    left->addWidget(federal);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(stateCity);
    right->addWidget(deductions);
    right->addWidget(plans);
    right->addStretch(1);
    columns->addLayout(left);
    columns->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    follow();
    fill();
}

void TaxInfoDialogView::nameAmount(std::size_t i) {
    // The amount box is named by the caption above it, as the operator names it.
    txtAmount_[i]->setAccessibleName(
        txtTax_[i]->text() +
        (i == 3 ? QStringLiteral(", percent of gross pay") : QStringLiteral(", dollars")));
}

void TaxInfoDialogView::follow() {
    std::vector<QLineEdit*> boxes = {txtName_,     txtAddress_,   txtStateCityZip_, txtSSnum_,
                                     txtHourRate_, txtHourRate2_, txtTipsRate_,     txtFedAddL_,
                                     txtKplan_,    txtCafe_};
    boxes.insert(boxes.end(), txtTax_.begin(), txtTax_.end());
    boxes.insert(boxes.end(), txtAmount_.begin(), txtAmount_.end());
    for (QLineEdit* box : boxes) {
        followText(box, this, [this, control = text(box->objectName())](const std::string& now) {
            (void)session_.taxInfoType(control, now);
        });
    }
    for (QComboBox* list : {cboStatus_, cboDepend_, cboStatus2_, cboDepend2_}) {
        connect(list, &QComboBox::editTextChanged, this,
                [this, control = text(list->objectName())](const QString& now) {
                    (void)session_.taxInfoType(control, text(now));
                });
    }
    for (QCheckBox* box : {ckFedExemp_, ckSSMediExemp_, ckSelfEmp_, ckNonCity_, ckCafeState_}) {
        followToggle(box, this, [this, control = text(box->objectName())](bool on) {
            (void)session_.taxInfoCheck(control, on);
        });
    }
    followToggle(optWeek_, this, [this](bool on) {
        if (on) {
            (void)session_.taxInfoFrequency(true);
        }
    });
    followToggle(optBiWeek_, this, [this](bool on) {
        if (on) {
            (void)session_.taxInfoFrequency(false);
        }
    });
    followToggle(ckKpFix_, this, [this](bool on) { (void)session_.taxInfoKplanFixed(on); });
    followToggle(ckKpPer_, this, [this](bool on) { (void)session_.taxInfoKplanPercent(on); });
}

void TaxInfoDialogView::fill() {
    if (!session_.taxInfo.loaded()) {
        return;
    }
    const TaxInfoDialog& m = model();
    const std::pair<QLineEdit*, const TextBox*> boxes[] = {{txtName_, &m.txtName},
                                                           {txtAddress_, &m.txtAddress},
                                                           {txtStateCityZip_, &m.txtStateCityZip},
                                                           {txtSSnum_, &m.txtSSnum},
                                                           {txtHourRate_, &m.txtHourRate},
                                                           {txtHourRate2_, &m.txtHourRate2},
                                                           {txtTipsRate_, &m.txtTipsRate},
                                                           {txtFedAddL_, &m.txtFedAddL},
                                                           {txtKplan_, &m.txtKplan},
                                                           {txtCafe_, &m.txtCafe}};
    for (const auto& [box, value] : boxes) {
        showText(box, value->text);
    }
    const std::array<const TextBox*, 5> captions = {&m.txtTax5, &m.txtTax6, &m.txtTax7, &m.txtTax8,
                                                    &m.txtTax9};
    const std::array<const TextBox*, 5> amounts = {&m.txtMuni, &m.txtBond, &m.txtDues,
                                                   &m.txtPension, &m.txtMisc};
    for (std::size_t i = 0; i < txtTax_.size(); ++i) {
        showText(txtTax_[i], captions[i]->text);
        showText(txtAmount_[i], amounts[i]->text);
        nameAmount(i);
    }
    const std::pair<QComboBox*, const TextBox*> lists[] = {{cboStatus_, &m.cboStatus},
                                                           {cboDepend_, &m.cboDepend},
                                                           {cboStatus2_, &m.cboStatus2},
                                                           {cboDepend2_, &m.cboDepend2}};
    for (const auto& [list, value] : lists) {
        if (list->currentText() != qs(value->text)) {
            const QSignalBlocker quiet(list);
            list->setCurrentText(qs(value->text));
        }
    }
    showChecked(optWeek_, m.optWeek.value);
    showChecked(optBiWeek_, m.optBiWeek.value);
    const std::pair<QCheckBox*, const CheckBox*> checks[] = {
        {ckFedExemp_, &m.ckFedExemp},   {ckSSMediExemp_, &m.ckSSMediExemp},
        {ckSelfEmp_, &m.ckSelfEmp},     {ckNonCity_, &m.ckNonCity},
        {ckCafeState_, &m.ckCafeState}, {ckKpFix_, &m.ckKpFix},
        {ckKpPer_, &m.ckKpPer}};
    for (const auto& [box, value] : checks) {
        showChecked(box, value->value != 0);
    }
}

void TaxInfoDialogView::save() {
    Outcome saved = session_.taxInfoSave();
    asker_.tell(saved.messages);
    if (saved.ok) {
        accept();  // the session has unloaded the dialog
    }
}

void TaxInfoDialogView::reject() {
    (void)session_.taxInfoClose();
    QDialog::reject();
}

}  // namespace quillon::ui
