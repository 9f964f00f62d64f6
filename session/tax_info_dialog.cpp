#include "session/tax_info_dialog.hpp"

#include <utility>

#include "engine/money.hpp"

namespace quillon {
namespace {

std::int16_t checkValue(std::int16_t flag) {
    return flag != 0 ? 1 : 0;
}

float amountOf(const TextBox& box) {
    return static_cast<float>(leadingNumber(box.text));
}

void defaultWhenEmpty(std::string& field, std::string_view value) {
    if (field.empty()) {
        field = std::string(value);
    }
}

// The Hourly Rate 1 text after the 7.5 rule: a text that reads as zero becomes "7.5".
std::string withDefaultRate(const std::string& text) {
    return leadingNumber(text) == 0 ? std::string(kDefaultHourRateText) : text;
}

struct Rates {
    std::string hourRateText;  // the Hourly Rate 1 box after the 7.5 rule
    float hourRate = 0, hourRate2 = 0, tipsRate = 0;
};

std::variant<Rates, BadBox> readRates(const TaxInfoDialog& d) {
    Rates rates;
    rates.hourRateText = withDefaultRate(d.txtHourRate.text);
    const std::optional<float> rate1 = strictAmount(rates.hourRateText);
    if (!rate1) {
        return namedBox("txtHourRate");
    }
    const std::optional<float> rate2 = strictAmount(d.txtHourRate2.text);
    if (!rate2) {
        return namedBox("txtHourRate2");
    }
    const std::optional<float> tips = strictAmount(d.txtTipsRate.text);
    if (!tips) {
        return namedBox("txtTipsRate");
    }
    rates.hourRate = *rate1;
    rates.hourRate2 = *rate2;
    rates.tipsRate = *tips;
    return rates;
}

}  // namespace

void TaxInfoDialog::showProfile(const Profile& p) {
    txtHourRate.text = decimalText(p.HourRate);
    txtHourRate2.text = decimalText(p.HourRate2);
    txtTipsRate.text = decimalText(p.TipsRate);
    cboStatus.text = p.FedStatus;
    cboDepend.text = p.FedExemptions;
    txtMuni.text = decimalText(p.MuniAmt);
    txtBond.text = decimalText(p.BondAmt);
    txtDues.text = decimalText(p.DuesAmt);
    txtPension.text = decimalText(p.PensionPct);
    txtMisc.text = decimalText(p.HealthAmt);
    txtKplan.text = decimalText(p.KplanValue);
    txtCafe.text = decimalText(p.CafeAmt);
    ckNonCity.value = checkValue(p.NonCityRes);
    ckCafeState.value = checkValue(p.CafeDeductState);
    ckSelfEmp.value = checkValue(p.SelfEmployed);
    showKplanFlags(p);
    // One option group: with both set (a damaged file) weekly wins, as the files do.
    optWeek.value = p.PayWeekly;
    optBiWeek.value = p.PayBiWeekly && !p.PayWeekly;
    txtName.text = p.EmpName;
    txtAddress.text = p.EmpAddress;
    txtStateCityZip.text = p.EmpCityStateZip;
    txtSSnum.text = p.EmpSSN;
    txtTax5.text = p.DedName5;
    txtTax6.text = p.DedName6;
    txtTax7.text = p.DedName7;
    txtTax8.text = p.DedName8;
    txtTax9.text = p.DedName9;
}

void TaxInfoDialog::showStateFields(const Profile& p) {
    cboStatus2.text = p.StateStatus;
    cboDepend2.text = std::to_string(p.StateExemptions);
    txtFedAddL.text = decimalText(p.FedAddWithhold);
    ckFedExemp.value = checkValue(p.FedExempt);
    ckSSMediExemp.value = checkValue(p.SSMediExempt);
}

void TaxInfoDialog::prepareLoad(Profile& p) {
    defaultWhenEmpty(p.FedExemptions, kDefaultFedExemptions);
    defaultWhenEmpty(p.FedStatus, kDefaultStatus);
    if (p.StateStatus.empty() || p.StateStatus == "0") {
        p.StateStatus = std::string(kDefaultStatus);
    }
    defaultWhenEmpty(p.EmpName, kDefaultEmpName);
    defaultWhenEmpty(p.EmpAddress, kDefaultEmpAddress);
    defaultWhenEmpty(p.EmpCityStateZip, kDefaultEmpCityStateZip);
    defaultWhenEmpty(p.EmpSSN, kDefaultEmpSSN);

    if (!p.PayWeekly && !p.PayBiWeekly) {
        p.PayWeekly = true;
    }

    if (p.KplanPercent == 0 && p.KplanFixed == 0) {
        p.KplanPercent = 1;
    } else if (p.KplanPercent == 1) {
        p.KplanFixed = 0;
    } else if (p.KplanFixed == 1) {
        p.KplanPercent = 0;
    }

    showProfile(p);
    showStateFields(p);

    std::array<TextBox*, 5> captions = {&txtTax5, &txtTax6, &txtTax7, &txtTax8, &txtTax9};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        defaultWhenEmpty(captions[i]->text, kDeductionCaptionsAtLoad[i]);
    }
    txtHourRate.text = withDefaultRate(txtHourRate.text);
}

std::variant<TaxInfoMainItems, BadBox> TaxInfoDialog::takeOverBoxes(Profile& p) {
    // Every box that must hold a number is read before anything changes.
    auto rates = readRates(*this);
    if (auto* bad = std::get_if<BadBox>(&rates)) {
        return *bad;
    }
    const std::optional<std::int16_t> stateExemptions = strictInteger(cboDepend2.text);
    if (!stateExemptions) {
        return namedBox("cboDepend2");
    }
    // The amount boxes take their leading number; one that no pay period can hold (a billion
    // or more, an endless run of digits) refuses the take-over like a rate that is no number.
    const std::pair<const TextBox*, std::string_view> amounts[] = {
        {&txtPension, "txtPension"}, {&txtMuni, "txtMuni"}, {&txtBond, "txtBond"},
        {&txtMisc, "txtMisc"},       {&txtDues, "txtDues"}, {&txtKplan, "txtKplan"},
        {&txtFedAddL, "txtFedAddL"}, {&txtCafe, "txtCafe"},
    };
    for (const auto& [box, name] : amounts) {
        if (!withinAmountLimit(static_cast<double>(amountOf(*box)))) {
            return namedBox(name);
        }
    }
    const Rates& r = std::get<Rates>(rates);

    p.FedExemptions = cboDepend.text;
    p.FedStatus = cboStatus.text;
    p.StateExemptions = *stateExemptions;
    p.StateStatus = cboStatus2.text;
    p.PensionPct = amountOf(txtPension);
    p.MuniAmt = amountOf(txtMuni);
    p.BondAmt = amountOf(txtBond);
    p.HealthAmt = amountOf(txtMisc);
    p.DuesAmt = amountOf(txtDues);
    p.KplanValue = amountOf(txtKplan);
    p.NonCityRes = ckNonCity.value;
    p.FedExempt = ckFedExemp.value;
    p.SSMediExempt = ckSSMediExemp.value;
    p.FedAddWithhold = amountOf(txtFedAddL);
    p.PayWeekly = optWeek.value;
    p.PayBiWeekly = optBiWeek.value;
    p.KplanPercent = ckKpPer.value;
    p.KplanFixed = ckKpFix.value;
    p.CafeAmt = amountOf(txtCafe);
    p.CafeDeductState = ckCafeState.value;
    p.SelfEmployed = ckSelfEmp.value;
    p.HourRate2 = r.hourRate2;
    p.TipsRate = r.tipsRate;
    p.EmpAddress = txtAddress.text;
    p.EmpCityStateZip = txtStateCityZip.text;
    p.EmpSSN = txtSSnum.text;
    p.EmpName = txtName.text;
    p.DedName5 = txtTax5.text;
    p.DedName6 = txtTax6.text;
    p.DedName7 = txtTax7.text;
    p.DedName8 = txtTax8.text;
    p.DedName9 = txtTax9.text;
    txtHourRate.text = r.hourRateText;
    p.HourRate = r.hourRate;

    TaxInfoMainItems items;
    items.deductionCaptions = {txtTax5.text, txtTax6.text, txtTax7.text, txtTax8.text,
                               txtTax9.text};
    items.tableNotice = p.PayWeekly ? kWeeklyTablesNotice : kBiWeeklyTablesNotice;
    return items;
}

void TaxInfoDialog::ClearAll(Profile& p) {
    p.HourRate = 0;
    p.HourRate2 = 0;
    p.TipsRate = 0;
    p.FedExemptions = std::string(kDefaultFedExemptions);
    p.FedStatus = std::string(kDefaultStatus);
    p.StateExemptions = 0;
    p.StateStatus = std::string(kDefaultStatus);
    p.FedAddWithhold = 0;
    p.PensionPct = 0;
    p.MuniAmt = 0;
    p.BondAmt = 0;
    p.HealthAmt = 0;
    p.DuesAmt = 0;
    p.KplanValue = 0;
    p.CafeAmt = 0;
    p.NonCityRes = 0;
    p.FedExempt = 0;
    p.SSMediExempt = 0;
    p.CafeDeductState = 0;
    p.SelfEmployed = 0;
    p.PayWeekly = true;
    p.PayBiWeekly = false;
    p.KplanPercent = 1;
    p.KplanFixed = 0;
    p.EmpAddress = std::string(kDefaultEmpAddress);
    p.EmpCityStateZip = std::string(kDefaultEmpCityStateZip);
    p.EmpSSN = std::string(kDefaultEmpSSN);
    p.EmpName = std::string(kDefaultEmpName);
    p.DedName5 = std::string(kDeductionCaptionsOfNewEmployee[0]);
    p.DedName6 = std::string(kDeductionCaptionsOfNewEmployee[1]);
    p.DedName7 = std::string(kDeductionCaptionsOfNewEmployee[2]);
    p.DedName8 = std::string(kDeductionCaptionsOfNewEmployee[3]);
    p.DedName9 = std::string(kDeductionCaptionsOfNewEmployee[4]);
    // Every control shows its field again, so the boxes and the profile agree.
    showProfile(p);
    showStateFields(p);
    txtHourRate.text = std::string(kDefaultHourRateText);
}

std::optional<BadBox> TaxInfoDialog::takeOverRates(Profile& p) {
    auto rates = readRates(*this);
    if (auto* bad = std::get_if<BadBox>(&rates)) {
        return *bad;
    }
    const Rates& r = std::get<Rates>(rates);
    txtHourRate.text = r.hourRateText;
    p.HourRate = r.hourRate;
    p.HourRate2 = r.hourRate2;
    p.TipsRate = r.tipsRate;
    return std::nullopt;
}

std::optional<BadBox> TaxInfoDialog::takeOverForSave(Profile& p) {
    std::optional<BadBox> bad = takeOverRates(p);
    if (!p.PayWeekly && !p.PayBiWeekly) {
        p.PayWeekly = true;
        selectFrequency(true);
    }
    if (p.KplanPercent == 0 && p.KplanFixed == 0) {
        p.KplanPercent = 1;
        ckKpPer.value = 1;
    }
    return bad;
}

void TaxInfoDialog::makeKplanExclusive(Profile& p) {
    if (p.KplanPercent == 1) {
        p.KplanFixed = 0;
    } else if (p.KplanFixed == 1) {
        p.KplanPercent = 0;
    }
    showKplanFlags(p);
}

void TaxInfoDialog::showKplanFlags(const Profile& p) {
    ckKpPer.value = p.KplanPercent == 1 ? 1 : 0;
    ckKpFix.value = p.KplanFixed == 1 && p.KplanPercent != 1 ? 1 : 0;
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

void TaxInfoDialog::selectFrequency(bool weekly) {
    optWeek.value = weekly;
    optBiWeek.value = !weekly;
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

TextBox* TaxInfoDialog::box(std::string_view control) {
    const std::pair<std::string_view, TextBox*> boxes[] = {{"txtName", &txtName},
                                                           {"txtAddress", &txtAddress},
                                                           {"txtStateCityZip", &txtStateCityZip},
                                                           {"txtSSnum", &txtSSnum},
                                                           {"txtHourRate", &txtHourRate},
                                                           {"txtHourRate2", &txtHourRate2},
                                                           {"txtTipsRate", &txtTipsRate},
                                                           {"cboStatus", &cboStatus},
                                                           {"cboDepend", &cboDepend},
                                                           {"txtFedAddL", &txtFedAddL},
                                                           {"cboStatus2", &cboStatus2},
                                                           {"cboDepend2", &cboDepend2},
                                                           {"txtTax5", &txtTax5},
                                                           {"txtTax6", &txtTax6},
                                                           {"txtTax7", &txtTax7},
                                                           {"txtTax8", &txtTax8},
                                                           {"txtTax9", &txtTax9},
                                                           {"txtMuni", &txtMuni},
                                                           {"txtBond", &txtBond},
                                                           {"txtDues", &txtDues},
                                                           {"txtPension", &txtPension},
                                                           {"txtMisc", &txtMisc},
                                                           {"txtKplan", &txtKplan},
                                                           {"txtCafe", &txtCafe}};
    for (const auto& [name, found] : boxes) {
        if (name == control) {
            return found;
        }
    }
    return nullptr;
}

CheckBox* TaxInfoDialog::checkBox(std::string_view control) {
    const std::pair<std::string_view, CheckBox*> boxes[] = {{"ckFedExemp", &ckFedExemp},
                                                            {"ckSSMediExemp", &ckSSMediExemp},
                                                            {"ckSelfEmp", &ckSelfEmp},
                                                            {"ckNonCity", &ckNonCity},
                                                            {"ckCafeState", &ckCafeState}};
    for (const auto& [name, found] : boxes) {
        if (name == control) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace quillon
