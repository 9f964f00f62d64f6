// The pay-period calculation, step by step in the order the main window has always used.
// Amounts are Singles computed in single precision unless a step says otherwise; a cent is
// decided by roundedToCents ("#,###.00" read back), the state's whole dollar by
// roundedToWholeHalfEven.
#include "engine/pay.hpp"

#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "engine/federal.hpp"
#include "engine/local_tax.hpp"
#include "engine/wage_taxes.hpp"

namespace quillon {

namespace {

constexpr std::string_view kRowFormat = "#,###.00";
constexpr std::string_view kTotalFormat = "$#,###.00";

// Whether a special state with a formula of its own is checked; otherwise the dispatch has
// nothing to run ("Arizona" uses the operator's table) and its input need not be built.
bool formulaStateChecked(const StateSettings& s) {
    return s.StateLouis != 0 || s.StateIowa != 0 || s.StateMissouri != 0 || s.StateMass != 0 ||
           s.StateOregon != 0 || s.StateUtah != 0 || s.StateAlabama != 0 || s.StateKentucky != 0 ||
           s.StateWiscon != 0 || s.StateWisconApril != 0 || s.StateNC != 0;
}

bool isSingle(const std::string& status) {
    return status == "Single";
}
bool isMarried(const std::string& status) {
    return status == "Married";
}

// An exemption count as a table index, or nullopt outside 0 to 9.
std::optional<std::size_t> exemptionIndex(double count) {
    const double k = std::nearbyint(count);  // to the nearest, halves to even
    if (!(k >= 0 && k <= 9)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(k);
}

}  // namespace

StateFormulaInput stateFormulaInput(const PayResult& r, const PayEmployee& e,
                                    const StateSettings& state, float StateExpAmt, float TotSS,
                                    float TotMedi) {
    StateFormulaInput formula;
    formula.GrossPay = r.GrossPay;
    formula.TaxableWage = r.TaxableWage;
    formula.FedTax = r.FedTax;
    formula.SocSecTax = r.SocSecTax;
    formula.MediTax = r.MediTax;
    formula.CafeStateAmt = r.CafeStateAmt;
    formula.StateExpAmt = StateExpAmt;
    formula.TotSS = TotSS;
    formula.TotMedi = TotMedi;
    formula.StateStatus = e.StateStatus;
    formula.FedStatus = e.FedStatus;
    formula.StateExemptions = e.StateExemptions;
    formula.frequency = e.frequency;
    formula.state = state;
    return formula;
}

PayOutcome Calcu_late(const PayInput& in) {
    const PayEmployee& e = in.employee;
    const PayFrequency frequency = e.frequency;
    // Built in place and returned by name: the result holds some thirty strings.
    PayOutcome outcome{std::in_place_type<PayResult>};
    PayResult& r = std::get<PayResult>(outcome);
    PayCarryOver carry = in.carry;

    // 1. Reset: every result starts at 0, the figures empty; the cafeteria amount of the period.
    r.CafeThisPay = e.CafeAmt;

    // 2, 3. Loading the federal table and the city and state settings (which re-reads the
    // employee's files) is done by the caller before this call: `in` carries what it loaded.
    // 4. The result rows start empty.

    // 5.
    r.PayRate = e.HourRate != 0 ? e.HourRate : kDefaultRate;
    const float PayRate = r.PayRate;

    // 6. Zero-fill, then read every box as a whole number text. A box that starts with a
    // number but does not hold one ("1 2", "1-2") is refused rather than guessed at.
    std::array<float, 8> box{};
    std::array<bool, 8> zeroFilled{};
    Currency Addit;
    for (std::size_t i = 0; i < box.size(); ++i) {
        std::string& text = r.txtAmountFilled[i];
        const std::string& typed = in.txtAmount[i];
        zeroFilled[i] = leadingNumber(typed) == 0;
        text = zeroFilled[i] ? std::string(1, '0') : typed;
        if (zeroFilled[i]) {
            continue;  // "0" reads as 0
        }
        if (i == 6) {
            const std::optional<double> value = strictNumber(text);
            if (!value) {
                outcome = EntryBoxError{static_cast<int>(i), text};
                return outcome;
            }
            Addit = Currency::fromDouble(*value);
        } else {
            const std::optional<float> value = strictSingle(text);
            if (!value) {
                outcome = EntryBoxError{static_cast<int>(i), text};
                return outcome;
            }
            box[i] = *value;
        }
    }
    const float StrHrs = box[0];
    const float StrHrs2 = box[1];
    float OtVar = box[2];
    const float OtHrs = box[3];
    const float Avas = box[4];
    const float VacDys = box[5];
    const float TipsHrs = box[7];

    // 7. Federal allowance; another status or count keeps the last one picked.
    if (isSingle(e.FedStatus) || isMarried(e.FedStatus)) {
        if (const auto k = exemptionIndex(leadingNumber(e.FedExemptions))) {
            carry.FedAllowAmt = in.federal.FedAllow[*k + (isSingle(e.FedStatus) ? 0 : 10)];
        }
    }

    // 8. State and city allowances, likewise.
    if (e.StateExemptions >= 0 && e.StateExemptions <= 9) {
        const auto k = static_cast<std::size_t>(e.StateExemptions);
        if (isSingle(e.StateStatus)) {
            carry.StateExpAmt = in.state.StateSgExp[k];
            carry.CityExpAmt = in.city.CitySgExp[k];
        } else if (isMarried(e.StateStatus)) {
            carry.StateExpAmt = in.state.StateMarExp[k];
            carry.CityExpAmt = in.city.CityMarExp[k];
        }
    }

    // 9.
    if (!in.opt1x) {
        OtVar = OtVar * 2.0f;
    }

    // 10.
    r.StraightPay1 = StrHrs * PayRate;
    r.StraightPay2 = e.HourRate2 * StrHrs2;
    r.TipsPay = e.TipsRate * TipsHrs;
    r.TotalOt = OtHrs * 1.5f * PayRate + OtVar * PayRate;
    r.TotalTips = e.TipsRate * TipsHrs;

    // 11. Gross pay: five terms, each converted to currency, summed as currency. The hour
    // terms of (a) are summed in extended precision first.
    const Extended hours = Extended{e.HourRate2} * StrHrs2 + Extended{StrHrs} * PayRate +
                           Extended{OtHrs} * 1.5L * PayRate + Extended{Avas} * PayRate;
    const Currency gross =
        Currency::fromExtended(hours) + Addit + Currency::fromSingle(OtVar * PayRate) +
        Currency::fromSingle(PayRate * VacDys) + Currency::fromSingle(e.TipsRate * TipsHrs);
    r.GrossPay = gross.toSingle();

    // 12 to 14.
    r.KplanAmt = e.KplanPercent != 0 ? e.KplanValue * 0.01f * r.GrossPay : e.KplanValue;
    r.PensionAmt = e.PensionPct * 0.01f * r.GrossPay;
    r.TaxableWage = r.GrossPay - e.HealthAmt - r.KplanAmt;

    // 15, 16. The table holds weekly allowances.
    r.FedAllowAmt = carry.FedAllowAmt;
    if (frequency.biWeekly) {
        r.FedAllowAmt = r.FedAllowAmt * 2.0f;
    }
    r.FedWage = r.TaxableWage - r.PensionAmt - r.FedAllowAmt - r.CafeThisPay;

    // 17.
    if (e.FedExempt == 0) {
        r.FedTax = FedWithholding(in.federal, isSingle(e.FedStatus), frequency, r.FedWage);
    }

    // 18 to 20.
    const bool selfEmployed = e.SelfEmployed != 0;
    r.SocSecTax =
        GetSocSec(r.GrossPay, r.CafeThisPay, e.HealthAmt, selfEmployed, in.TotGross).SocSecTax;
    r.MediTax = Medicare(r.GrossPay, e.HealthAmt, r.CafeThisPay, selfEmployed);
    if (e.SSMediExempt != 0) {
        r.MediTax = 0;
        r.SocSecTax = 0;
    }

    // 21.
    r.CafeStateAmt = e.CafeDeductState != 0 ? r.CafeThisPay : 0.0f;

    // 22. State: the checked special state's formula, else the bracket table.
    r.RoundState = in.state.RoundState;
    std::optional<StateFormulaResult> special;
    if (formulaStateChecked(in.state)) {
        StateFormulaInput formula =
            stateFormulaInput(r, e, in.state, carry.StateExpAmt, in.TotSS, in.TotMedi);
        formula.louisianaPrior = in.louisianaPrior;
        special = specialStateTax(formula);
    }
    if (special) {
        r.StateTax = static_cast<float>(special->StateTax);
        if (special->StateExpAmt) {
            carry.StateExpAmt = *special->StateExpAmt;
        }
        if (special->checkRoundState) {
            r.RoundState = 1;
        }
    } else {
        const StateByTableResult byTable =
            StateByTable(in.state, isSingle(e.StateStatus), frequency, r.TaxableWage,
                         carry.StateExpAmt, r.CafeStateAmt);
        r.StateWage = byTable.StateWage;
        r.StateTax = byTable.StateTax;
    }

    // 23. Filling the state dialog's blank rate, base, adjustment and allowance boxes with "0"
    // is the caller's; an empty box reads as 0 here anyway.

    // 24.
    const CityByTableResult byCity =
        CityByTable(in.city, in.nonCity, isSingle(e.StateStatus), e.NonCityRes != 0, frequency,
                    r.TaxableWage, carry.CityExpAmt);
    r.CityWage = byCity.CityWage;
    r.CityTax = byCity.CityTax;
    carry.CityExpAmt = byCity.CityExpAmt;

    // 25.
    SdiSuiInput insurance;
    insurance.TotGross = in.TotGross;
    insurance.GrossPay = r.GrossPay;
    insurance.SDIpercent = in.state.SDIpercent;
    insurance.SUIpercent = in.state.SUIpercent;
    insurance.SDIwageBase = in.state.SDIwageBase;
    insurance.SUIwageBase = in.state.SUIwageBase;
    insurance.SDIuseBase = in.state.SDIuseBase;
    insurance.SUIuseBase = in.state.SUIuseBase;
    insurance.txtStateAdj = in.txtStateAdj;
    insurance.txtCalAllow = in.txtCalAllow;
    const SdiSuiResult sdiSui = GetSDI_SUI(insurance);
    r.StateAdj = sdiSui.StateAdj;
    r.CalAllow = sdiSui.CalAllow;
    r.SDIYtdAfter = sdiSui.SDIYtdAfter;
    r.SUIYtdAfter = sdiSui.SUIYtdAfter;
    r.SDIAmt = sdiSui.SDIAmt;
    r.SUIAmt = sdiSui.SUIAmt;

    // 26.
    if (r.TaxableWage != 0) {
        r.Label13 = format(r.GrossPay, kTotalFormat);
    }

    // 27, 28.
    r.FedTax = e.FedAddWithhold + r.FedTax;
    r.FedTax = roundedToCents(r.FedTax);
    r.SocSecTax = roundedToCents(r.SocSecTax);
    r.MediTax = roundedToCents(r.MediTax);
    r.CityTax = roundedToCents(r.CityTax);
    r.MuniAmt = roundedToCents(e.MuniAmt);
    r.BondAmt = roundedToCents(e.BondAmt);
    r.DuesAmt = roundedToCents(e.DuesAmt);
    r.PensionAmt = roundedToCents(r.PensionAmt);
    r.HealthAmt = roundedToCents(e.HealthAmt);
    r.KplanAmt = roundedToCents(r.KplanAmt);
    r.SDIAmt = roundedToCents(r.SDIAmt);
    r.SUIAmt = roundedToCents(r.SUIAmt);
    r.CafeThisPay = roundedToCents(r.CafeThisPay);

    // 29. The additional withholding goes too.
    if (e.FedExempt != 0) {
        r.FedTax = 0;
    }

    // 30 to 32.
    r.StateTax = roundedToCents(r.StateTax + r.StateAdj);
    if (r.RoundState != 0) {
        r.StateTax = roundedToWholeHalfEven(r.StateTax);
    }
    if (r.StateTax < 0) {
        r.StateTax = 0;
    }

    // 33.
    const std::array<float, 11> rows = {r.FedTax,     r.SocSecTax, r.MediTax, r.StateTax,
                                        r.CityTax,    r.MuniAmt,   r.BondAmt, r.DuesAmt,
                                        r.PensionAmt, r.HealthAmt, r.KplanAmt};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        r.lbTaxDed[i] = format(rows[i], kRowFormat);
    }
    r.lbSDI = format(r.SDIAmt, kRowFormat);
    r.lbSUI = format(r.SUIAmt, kRowFormat);
    r.lbCafe = format(r.CafeThisPay, kRowFormat);

    // 34 to 36. Tips are in the gross and in every tax base, and were paid out already.
    r.TaxDeduct = r.FedTax + r.StateTax + r.SDIAmt + r.SUIAmt + r.CityTax + r.MediTax + r.SocSecTax;
    r.TotDeduct =
        r.BondAmt + r.MuniAmt + r.HealthAmt + r.DuesAmt + r.KplanAmt + r.PensionAmt + r.CafeThisPay;
    r.NetPay = r.GrossPay - (r.TotDeduct + r.TaxDeduct) - r.TipsPay;

    // 37.
    r.lbTaxes = format(r.TaxDeduct, kTotalFormat);
    r.lbDeduct = format(r.TotDeduct, kTotalFormat);
    r.lbNet = format(r.NetPay, kTotalFormat);
    r.lbOverT = format(r.TotalOt, kTotalFormat);
    r.lbTips = format(r.TotalTips, kTotalFormat);

    // 38. CleartxtBox: only the amounts actually entered stay visible. A box reads as 0 exactly
    // when step 6 put "0" into it: any other text there has a leading number that is not 0.
    for (std::size_t i = 0; i < r.txtAmount.size(); ++i) {
        if (!zeroFilled[i]) {
            r.txtAmount[i] = r.txtAmountFilled[i];
        }
    }

    // 39 to 41. Zeroing the federal table, saving the employee's files and unloading the city
    // and state dialogs are the caller's.
    r.carry = carry;
    return outcome;
}

}  // namespace quillon
