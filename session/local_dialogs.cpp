#include "session/local_dialogs.hpp"

#include <cmath>

#include "engine/money.hpp"

namespace quillon {
namespace {

constexpr std::string_view kUnusedMinimum = "999999";

// A column of boxes, its name, the New York (or default) texts and its setting.
template <typename Dialog, typename Settings, std::size_t N>
struct ColumnBinding {
    std::string_view name;
    std::array<TextBox, N> Dialog::*boxes;
    std::array<std::string_view, N> defaults;
    std::array<float, N> Settings::*setting;
    bool minimum;  // a minimum range column: 999999 when emptied
};

using CityColumn = ColumnBinding<CityDialog, CitySettings, 10>;
// In the order the dialog visits its boxes.
const std::array<CityColumn, 8> kCityColumns = {{
    {"txtCityMinBS", &CityDialog::txtCityMinBS, kNewYorkCityMin, &CitySettings::CityMinBS, true},
    {"txtCityAmtBS", &CityDialog::txtCityAmtBS, kNewYorkCityAmtS, &CitySettings::CityAmtBS, false},
    {"txtCityPerBS", &CityDialog::txtCityPerBS, kNewYorkCityPer, &CitySettings::CityPerBS, false},
    {"txtCityMinBM", &CityDialog::txtCityMinBM, kNewYorkCityMin, &CitySettings::CityMinBM, true},
    {"txtCityAmtBM", &CityDialog::txtCityAmtBM, kNewYorkCityAmtM, &CitySettings::CityAmtBM, false},
    {"txtCityPerBM", &CityDialog::txtCityPerBM, kNewYorkCityPer, &CitySettings::CityPerBM, false},
    {"txtCitySgExp", &CityDialog::txtCitySgExp, kNewYorkCitySgExp, &CitySettings::CitySgExp, false},
    {"txtCityMarExp", &CityDialog::txtCityMarExp, kNewYorkCityMarExp, &CitySettings::CityMarExp,
     false},
}};

using NonColumn = ColumnBinding<NonCityDialog, NonCitySettings, 8>;
const std::array<NonColumn, 4> kNonCityColumns = {{
    {"txtNonMinBi", &NonCityDialog::txtNonMinBi, kNonCityMinBi, &NonCitySettings::NonMinBi, true},
    {"txtNonExpBi", &NonCityDialog::txtNonExpBi, kNonCityExpBi, &NonCitySettings::NonExpBi, false},
    {"txtNonMinWk", &NonCityDialog::txtNonMinWk, kNonCityMinWk, &NonCitySettings::NonMinWk, true},
    {"txtNonExpWk", &NonCityDialog::txtNonExpWk, kNonCityExpWk, &NonCitySettings::NonExpWk, false},
}};

// Converts every box of the columns into a copy of the settings; all or nothing.
template <typename Dialog, typename Settings, std::size_t N, std::size_t C>
std::optional<BadBox> convertColumns(const Dialog& d,
                                     const std::array<ColumnBinding<Dialog, Settings, N>, C>& cols,
                                     Settings& into) {
    for (const auto& col : cols) {
        for (std::size_t r = 0; r < N; ++r) {
            const std::optional<float> value = strictSingle((d.*col.boxes)[r].text);
            if (!value) {
                return BadBox{std::string(col.name) + "(" + std::to_string(r) + ")"};
            }
            (into.*col.setting)[r] = *value;
        }
    }
    return std::nullopt;
}

template <typename Dialog, typename Settings, std::size_t N, std::size_t C>
void fillColumns(Dialog& d, const std::array<ColumnBinding<Dialog, Settings, N>, C>& cols,
                 bool onlyEmpty) {
    for (const auto& col : cols) {
        for (std::size_t r = 0; r < N; ++r) {
            TextBox& box = (d.*col.boxes)[r];
            if (!onlyEmpty || box.text.empty()) {
                box.text = std::string(col.defaults[r]);
            }
        }
    }
}

template <typename Dialog, typename Settings, std::size_t N, std::size_t C>
void showColumns(Dialog& d, const std::array<ColumnBinding<Dialog, Settings, N>, C>& cols,
                 const Settings& s) {
    for (const auto& col : cols) {
        for (std::size_t r = 0; r < N; ++r) {
            (d.*col.boxes)[r].text = decimalText((s.*col.setting)[r]);
        }
    }
}

void emptyCityTables(CityDialog& d) {
    for (const auto& col : kCityColumns) {
        for (TextBox& box : d.*col.boxes) {
            box.text = col.minimum ? std::string(kUnusedMinimum) : std::string("0");
        }
    }
}

}  // namespace

bool acceptsNumericKey(int charCode) {
    return charCode == 8 || (charCode >= '0' && charCode <= '9') || charCode == ' ' ||
           charCode == '-' || charCode == '.';
}

// --- City ---------------------------------------------------------------------------------

void CityDialog::CheckFor() {
    fillColumns(*this, kCityColumns, true);
}

std::optional<BadBox> CityDialog::fillVar(CitySettings& c) const {
    CitySettings converted = c;
    if (auto bad = convertColumns(*this, kCityColumns, converted)) {
        return bad;
    }
    converted.NoLocalTax = ckNoLocalTax.value;
    c = converted;
    return std::nullopt;
}

void CityDialog::showSettings(const CitySettings& c) {
    showColumns(*this, kCityColumns, c);
    const bool turnsOn = c.NoLocalTax != 0 && ckNoLocalTax.value == 0;
    ckNoLocalTax.value = c.NoLocalTax != 0 ? 1 : 0;
    if (turnsOn) {
        emptyCityTables(*this);  // checking the box empties the tables
    }
}

void CityDialog::SetNoLocalTax(CitySettings& c) {
    c.NoLocalTax = ckNoLocalTax.value;
    emptyCityTables(*this);
}

void CityDialog::noLocalTaxChanged(std::int16_t value, CitySettings& c) {
    ckNoLocalTax.value = value;
    if (value != 0) {
        SetNoLocalTax(c);
    } else {
        showColumns(*this, kCityColumns, c);
    }
}

void CityDialog::newYork() {
    ckNoLocalTax.value = 0;
    fillColumns(*this, kCityColumns, false);
}

void CityDialog::clearAll() {
    emptyCityTables(*this);
}

// --- Non-city -----------------------------------------------------------------------------

void NonCityDialog::deFault() {
    fillColumns(*this, kNonCityColumns, false);
    txtNonPer.text = std::string(kNonCityPer);
}

void NonCityDialog::ChkFor() {
    fillColumns(*this, kNonCityColumns, true);
    if (txtNonPer.text.empty()) {
        txtNonPer.text = std::string(kNonCityPer);
    }
}

std::optional<BadBox> NonCityDialog::fillVarib(NonCitySettings& n) const {
    NonCitySettings converted = n;
    if (auto bad = convertColumns(*this, kNonCityColumns, converted)) {
        return bad;
    }
    const std::optional<float> rate = strictSingle(txtNonPer.text);
    if (!rate) {
        return BadBox{"txtNonPer"};
    }
    converted.NonPer = *rate;
    n = converted;
    return std::nullopt;
}

void NonCityDialog::showSettings(const NonCitySettings& n) {
    showColumns(*this, kNonCityColumns, n);
    txtNonPer.text = decimalText(n.NonPer);
}

// --- Employee tax information -------------------------------------------------------------

namespace {

constexpr std::array<std::string_view, 5> kCaptionsAtLoad = {"CrUnion", "Bond", "Dues", "Pension",
                                                             "Health Ins"};
constexpr std::array<std::string_view, 5> kCaptionsOfNewEmployee = {"CrUnion", "Bond", "Dues",
                                                                    "Pension", "Misc."};
constexpr std::string_view kDefaultRateText = "7.5";

std::int16_t flag(bool on) {
    return on ? 1 : 0;
}

float leadingSingle(const TextBox& box) {
    return static_cast<float>(leadingNumber(box.text));
}

// The Hourly Rate 1 box reads as zero: it becomes 7.5.
void applyDefaultRate(TextBox& box) {
    if (leadingNumber(box.text) == 0) {
        box.text = std::string(kDefaultRateText);
    }
}

}  // namespace

void TaxInfoDialog::showProfile(const Profile& p) {
    txtName.text = p.EmpName;
    txtAddress.text = p.EmpAddress;
    txtStateCityZip.text = p.EmpCityStateZip;
    txtSSnum.text = p.EmpSSN;
    txtHourRate.text = decimalText(p.HourRate);
    txtHourRate2.text = decimalText(p.HourRate2);
    txtTipsRate.text = decimalText(p.TipsRate);
    optWeek.value = p.PayWeekly;
    optBiWeek.value = p.PayBiWeekly;
    cboStatus.text = p.FedStatus;
    cboDepend.text = p.FedExemptions;
    ckFedExemp.value = flag(p.FedExempt != 0);
    txtFedAddL.text = decimalText(p.FedAddWithhold);
    ckSSMediExemp.value = flag(p.SSMediExempt != 0);
    ckSelfEmp.value = flag(p.SelfEmployed != 0);
    cboStatus2.text = p.StateStatus;
    cboDepend2.text = std::to_string(p.StateExemptions);
    ckNonCity.value = flag(p.NonCityRes != 0);
    txtTax5.text = p.DedName5;
    txtTax6.text = p.DedName6;
    txtTax7.text = p.DedName7;
    txtTax8.text = p.DedName8;
    txtTax9.text = p.DedName9;
    txtMuni.text = decimalText(p.MuniAmt);
    txtBond.text = decimalText(p.BondAmt);
    txtDues.text = decimalText(p.DuesAmt);
    txtPension.text = decimalText(p.PensionPct);
    txtMisc.text = decimalText(p.HealthAmt);
    txtKplan.text = decimalText(p.KplanValue);
    showKplanFlags(p);
    txtCafe.text = decimalText(p.CafeAmt);
    ckCafeState.value = flag(p.CafeDeductState != 0);
}

void TaxInfoDialog::prepareLoad(Profile& p) {
    // 1. Empty fields take their defaults.
    if (p.FedExemptions.empty()) {
        p.FedExemptions = "0";
    }
    if (p.FedStatus.empty()) {
        p.FedStatus = "Single";
    }
    if (p.StateStatus.empty() || p.StateStatus == "0") {
        p.StateStatus = "Single";
    }
    if (p.EmpName.empty()) {
        p.EmpName = "Employee's Name";
    }
    if (p.EmpAddress.empty()) {
        p.EmpAddress = "Employee's Address for Check";
    }
    if (p.EmpCityStateZip.empty()) {
        p.EmpCityStateZip = "City, State Zip Code";
    }
    if (p.EmpSSN.empty()) {
        p.EmpSSN = "Soc Sec #";
    }
    // 2. A frequency.
    if (!p.PayWeekly && !p.PayBiWeekly) {
        p.PayWeekly = true;
    }
    // 3. One K plan kind.
    if (p.KplanPercent == 0 && p.KplanFixed == 0) {
        p.KplanPercent = 1;
    } else if (p.KplanPercent == 1) {
        p.KplanFixed = 0;
    } else if (p.KplanFixed == 1) {
        p.KplanPercent = 0;
    }
    // 4 to 6.
    showProfile(p);
    std::array<TextBox*, 5> captions = {&txtTax5, &txtTax6, &txtTax7, &txtTax8, &txtTax9};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (captions[i]->text.empty()) {
            captions[i]->text = std::string(kCaptionsAtLoad[i]);
        }
    }
    applyDefaultRate(txtHourRate);
}

std::variant<TaxInfoMainItems, BadBox> TaxInfoDialog::fillVar_(Profile& p) const {
    // The boxes that must hold numbers are checked before any field changes.
    TextBox rate1 = txtHourRate;
    applyDefaultRate(rate1);
    const std::optional<float> hourRate = strictSingle(rate1.text);
    if (!hourRate) {
        return BadBox{"txtHourRate"};
    }
    const std::optional<float> hourRate2 = strictSingle(txtHourRate2.text);
    if (!hourRate2) {
        return BadBox{"txtHourRate2"};
    }
    const std::optional<float> tipsRate = strictSingle(txtTipsRate.text);
    if (!tipsRate) {
        return BadBox{"txtTipsRate"};
    }
    const std::optional<std::int16_t> stateExemptions = strictInteger(cboDepend2.text);
    if (!stateExemptions) {
        return BadBox{"cboDepend2"};
    }

    p.FedExemptions = cboDepend.text;
    p.FedStatus = cboStatus.text;
    p.StateExemptions = *stateExemptions;
    p.StateStatus = cboStatus2.text;
    p.PensionPct = leadingSingle(txtPension);
    p.MuniAmt = leadingSingle(txtMuni);
    p.BondAmt = leadingSingle(txtBond);
    p.HealthAmt = leadingSingle(txtMisc);
    p.DuesAmt = leadingSingle(txtDues);
    p.KplanValue = leadingSingle(txtKplan);
    p.NonCityRes = ckNonCity.value;
    p.FedExempt = ckFedExemp.value;
    p.SSMediExempt = ckSSMediExemp.value;
    p.FedAddWithhold = leadingSingle(txtFedAddL);
    p.PayWeekly = optWeek.value;
    p.PayBiWeekly = optBiWeek.value;
    p.KplanPercent = ckKpPer.value;
    p.KplanFixed = ckKpFix.value;
    p.CafeAmt = leadingSingle(txtCafe);
    p.CafeDeductState = ckCafeState.value;
    p.SelfEmployed = ckSelfEmp.value;
    p.HourRate2 = *hourRate2;
    p.TipsRate = *tipsRate;
    p.EmpAddress = txtAddress.text;
    p.EmpCityStateZip = txtStateCityZip.text;
    p.EmpSSN = txtSSnum.text;
    p.EmpName = txtName.text;
    p.DedName5 = txtTax5.text;
    p.DedName6 = txtTax6.text;
    p.DedName7 = txtTax7.text;
    p.DedName8 = txtTax8.text;
    p.DedName9 = txtTax9.text;
    p.HourRate = *hourRate;

    TaxInfoMainItems items;
    items.deductionCaptions = {txtTax5.text, txtTax6.text, txtTax7.text, txtTax8.text,
                               txtTax9.text};
    items.tableNotice = p.PayWeekly ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
    return items;
}

void TaxInfoDialog::ClearAll(Profile& p) {
    p.HourRate = p.HourRate2 = p.TipsRate = 0;
    p.FedExemptions = "0";
    p.FedStatus = "Single";
    p.StateExemptions = 0;
    p.StateStatus = "Single";
    p.FedAddWithhold = p.PensionPct = p.MuniAmt = p.BondAmt = p.HealthAmt = p.DuesAmt = 0;
    p.KplanValue = p.CafeAmt = 0;
    p.NonCityRes = p.FedExempt = p.SSMediExempt = p.CafeDeductState = p.SelfEmployed = 0;
    p.PayWeekly = true;
    p.PayBiWeekly = false;
    p.KplanPercent = 1;
    p.KplanFixed = 0;
    p.EmpAddress = "Employee's Address for Check";
    p.EmpCityStateZip = "City, State Zip Code";
    p.EmpSSN = "Soc Sec #";
    p.EmpName = "Employee's Name";
    std::array<std::string*, 5> names = {&p.DedName5, &p.DedName6, &p.DedName7, &p.DedName8,
                                         &p.DedName9};
    for (std::size_t i = 0; i < names.size(); ++i) {
        *names[i] = std::string(kCaptionsOfNewEmployee[i]);
    }
    showProfile(p);
    txtHourRate.text = std::string(kDefaultRateText);
}

void TaxInfoDialog::takeOverRates(Profile& p) const {
    TextBox rate1 = txtHourRate;
    applyDefaultRate(rate1);
    if (auto v = strictSingle(rate1.text)) {
        p.HourRate = *v;
    }
    if (auto v = strictSingle(txtHourRate2.text)) {
        p.HourRate2 = *v;
    }
    if (auto v = strictSingle(txtTipsRate.text)) {
        p.TipsRate = *v;
    }
}

void TaxInfoDialog::showKplanFlags(const Profile& p) {
    ckKpPer.value = flag(p.KplanPercent == 1);
    ckKpFix.value = flag(p.KplanFixed == 1 && p.KplanPercent != 1);
}

void TaxInfoDialog::kplanFixedChanged(std::int16_t value) {
    ckKpFix.value = value;
    if (value != 0) {
        ckKpPer.value = 0;
    }
}

void TaxInfoDialog::kplanPercentChanged(std::int16_t value) {
    ckKpPer.value = value;
    if (value != 0) {
        ckKpFix.value = 0;
    }
}

const std::string& TaxInfoDialog::deductionCaption(int n) const {
    switch (n) {
        case 5:
            return txtTax5.text;
        case 6:
            return txtTax6.text;
        case 7:
            return txtTax7.text;
        case 8:
            return txtTax8.text;
        default:
            return txtTax9.text;
    }
}

}  // namespace quillon
