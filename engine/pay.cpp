// The pay-period calculation, step by step in the order the main window has always used.
// Amounts are Singles computed in single precision unless a step says otherwise; a cent is
// decided by roundedToCents ("#,###.00" read back), the state's whole dollar by
// roundedToWholeHalfEven.
#include "engine/pay.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "engine/federal.hpp"
#include "engine/local_tax.hpp"
#include "engine/wage_taxes.hpp"

namespace quillon {

namespace {

constexpr std::string_view kRowFormat = "#,###.00";
constexpr std::string_view kTotalFormat = "$#,###.00";

// The dollar-amount box, read as currency; every other box is read as a Single.
constexpr std::size_t kDollarBox = 6;

bool isSingle(const std::string& status) {
    return status == "Single";
}
bool isMarried(const std::string& status) {
    return status == "Married";
}

// The eight entry boxes as numbers, named as the main window names them.
struct EntryBoxes {
    float StrHrs = 0, StrHrs2 = 0;  // straight time hours 1 and 2
    float OtVar = 0;                // "O.T." at (1X) or (2X)
    float OtHrs = 0;                // O.T. time and a half
    float Avas = 0;                 // holiday
    float VacDys = 0;               // vacation or sick
    Currency Addit;                 // the dollar amount
    double dollars = 0;             // the dollar amount as its text reads, in double
    float TipsHrs = 0;
    std::array<bool, 8> zeroFilled{};  // the box read as 0 and was given "0"
};

// The zero-fill and the reading of the boxes: a box whose leading number is 0 gets "0" (kept in
// `filled`); any other box must hold a number as a whole. One that starts with a number but
// does not hold one ("1 2", "1-2") is refused rather than guessed at.
std::variant<EntryBoxes, EntryBoxError> readEntryBoxes(const std::array<std::string, 8>& typed,
                                                       std::array<std::string, 8>& filled) {
    EntryBoxes boxes;
    std::array<float, 8> value{};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        boxes.zeroFilled[i] = leadingNumber(typed[i]) == 0;
        if (boxes.zeroFilled[i]) {
            filled[i] = "0";  // and "0" reads as 0
            continue;
        }
        filled[i] = typed[i];
        if (i == kDollarBox) {
            const std::optional<double> amount = strictNumber(typed[i]);
            if (!amount) {
                return EntryBoxError{static_cast<int>(i), typed[i]};
            }
            boxes.dollars = *amount;
            boxes.Addit = Currency::fromDouble(*amount);
        } else {
            const std::optional<float> number = strictSingle(typed[i]);
            if (!number) {
                return EntryBoxError{static_cast<int>(i), typed[i]};
            }
            value[i] = *number;
        }
    }
    boxes.StrHrs = value[0];
    boxes.StrHrs2 = value[1];
    boxes.OtVar = value[2];
    boxes.OtHrs = value[3];
    boxes.Avas = value[4];
    boxes.VacDys = value[5];
    boxes.TipsHrs = value[7];
    return boxes;
}

// An exemption count as a table index, or nullopt outside 0 to 9.
std::optional<std::size_t> exemptionIndex(double count) {
    const double k = std::nearbyint(count);  // to the nearest, halves to even
    if (!(k >= 0 && k <= 9)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(k);
}

// The federal (weekly), state and city allowances for the employee's statuses and counts. A
// status other than "Single"/"Married" or a count outside 0 to 9 keeps the one last picked.
void pickAllowances(const PayInput& in, PayCarryOver& carry) {
    const PayEmployee& e = in.employee;
    if (isSingle(e.FedStatus) || isMarried(e.FedStatus)) {
        if (const auto k = exemptionIndex(leadingNumber(e.FedExemptions))) {
            carry.FedAllowAmt = in.federal.FedAllow[*k + (isSingle(e.FedStatus) ? 0 : 10)];
        }
    }
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
}

// Whether a special state with a formula of its own is checked; otherwise the dispatch has
// nothing to run ("Arizona" uses the operator's table) and its input need not be built.
bool formulaStateChecked(const StateSettings& s) {
    return s.StateLouis != 0 || s.StateIowa != 0 || s.StateMissouri != 0 || s.StateMass != 0 ||
           s.StateOregon != 0 || s.StateUtah != 0 || s.StateAlabama != 0 || s.StateKentucky != 0 ||
           s.StateWiscon != 0 || s.StateWisconApril != 0 || s.StateNC != 0;
}

// State withholding: the checked special state's formula (which may change the allowance and
// check "Round State"), else the operator's bracket table.
void withholdState(const PayInput& in, PayResult& r, PayCarryOver& carry) {
    const PayEmployee& e = in.employee;
    r.RoundState = in.state.RoundState;
    if (formulaStateChecked(in.state)) {
        StateFormulaInput formula =
            stateFormulaInput(r, e, in.state, carry.StateExpAmt, in.TotSS, in.TotMedi);
        formula.louisianaPrior = in.louisianaPrior;
        if (const std::optional<StateFormulaResult> special = specialStateTax(formula)) {
            r.StateTax = static_cast<float>(special->StateTax);
            if (special->StateExpAmt) {
                carry.StateExpAmt = *special->StateExpAmt;
            }
            if (special->checkRoundState) {
                r.RoundState = 1;
            }
            return;
        }
    }
    const StateByTableResult byTable =
        StateByTable(in.state, isSingle(e.StateStatus), e.frequency, r.TaxableWage,
                     carry.StateExpAmt, r.CafeStateAmt);
    r.StateWage = byTable.StateWage;
    r.StateTax = byTable.StateTax;
}

// GetSDI_SUI on this period's gross, with the state's rates, bases and "Use Base" boxes and
// the adjustment and California-allowance box texts.
SdiSuiResult insurance(const PayInput& in, float GrossPay) {
    SdiSuiInput insurance;
    insurance.TotGross = in.TotGross;
    insurance.GrossPay = GrossPay;
    insurance.SDIpercent = in.state.SDIpercent;
    insurance.SUIpercent = in.state.SUIpercent;
    insurance.SDIwageBase = in.state.SDIwageBase;
    insurance.SUIwageBase = in.state.SUIwageBase;
    insurance.SDIuseBase = in.state.SDIuseBase;
    insurance.SUIuseBase = in.state.SUIuseBase;
    insurance.txtStateAdj = in.txtStateAdj;
    insurance.txtCalAllow = in.txtCalAllow;
    return GetSDI_SUI(insurance);
}

// The main window's result area. Every figure is final by now and the texts depend on nothing
// else, so the whole area is written at the end: the gross (only when the taxable wage is not
// 0), rows 0 to 10 and the SDI, SUI and cafeteria labels, then the totals.
void showResultArea(PayResult& r) {
    if (r.TaxableWage != 0) {
        r.Label13 = format(r.GrossPay, kTotalFormat);
    }
    const std::array<float, 11> rows = {r.FedTax,     r.SocSecTax, r.MediTax, r.StateTax,
                                        r.CityTax,    r.MuniAmt,   r.BondAmt, r.DuesAmt,
                                        r.PensionAmt, r.HealthAmt, r.KplanAmt};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        r.lbTaxDed[i] = format(rows[i], kRowFormat);
    }
    r.lbSDI = format(r.SDIAmt, kRowFormat);
    r.lbSUI = format(r.SUIAmt, kRowFormat);
    r.lbCafe = format(r.CafeThisPay, kRowFormat);
    r.lbTaxes = format(r.TaxDeduct, kTotalFormat);
    r.lbDeduct = format(r.TotDeduct, kTotalFormat);
    r.lbNet = format(r.NetPay, kTotalFormat);
    r.lbOverT = format(r.TotalOt, kTotalFormat);
    r.lbTips = format(r.TotalTips, kTotalFormat);
}

// The statement's earnings lines, each worked out as the statement always has from the period:
// the hours of boxes 0 to 5 as the box's number reads in double (a box that read as 0 prints 0),
// the O.T. lines in double, the others in single precision.
void fillStatementEarnings(const PayInput& in, const EntryBoxes& box, PayResult& r) {
    const auto hours = [&](std::size_t i) {
        return box.zeroFilled[i] ? 0.0 : strictNumber(in.txtAmount[i]).value_or(0.0);
    };
    const float PayRate = r.PayRate;
    const PayEmployee& e = in.employee;
    StatementEarnings& s = r.earnings;
    s.regular1 = {"Regular1 Earning", PayRate, hours(0), r.StraightPay1};
    s.regular2 = {"Regular2 Earning", e.HourRate2, hours(1), r.StraightPay2};
    const float otRate = in.opt1x ? PayRate : PayRate * 2;
    const double otHours = hours(2);
    s.overtime = {"O.T. 1x / 2x Earned", otRate, otHours, otHours * otRate};
    s.overtime15 = {"O.T. 1.5x Earned", PayRate * 1.5, hours(3), box.OtHrs * 1.5 * PayRate};
    s.tips = {"Tips", e.TipsRate, box.TipsHrs, e.TipsRate * box.TipsHrs};
    s.holiday = {"Holiday", PayRate, hours(4), box.Avas * PayRate};
    s.vacation = {"Vacation/Sick", PayRate, hours(5), box.VacDys * PayRate};
    s.adjustment = {"Adjustment", box.dollars, std::nullopt, box.Addit};
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

std::array<ResultFigure, kResultFigureCount> resultFigures(const PayResult& r) {
    using K = ResultKey;
    auto figure = [](K key, const std::string& caption, float number, std::string_view format) {
        return ResultFigure{key, kResultKeys[static_cast<std::size_t>(key)], caption, number,
                            format};
    };
    return {{
        figure(K::Fed, r.lbTaxDed[0], r.FedTax, kRowFormat),
        figure(K::SocSec, r.lbTaxDed[1], r.SocSecTax, kRowFormat),
        figure(K::Medicare, r.lbTaxDed[2], r.MediTax, kRowFormat),
        figure(K::State, r.lbTaxDed[3], r.StateTax, kRowFormat),
        figure(K::City, r.lbTaxDed[4], r.CityTax, kRowFormat),
        figure(K::Ded5, r.lbTaxDed[5], r.MuniAmt, kRowFormat),
        figure(K::Ded6, r.lbTaxDed[6], r.BondAmt, kRowFormat),
        figure(K::Ded7, r.lbTaxDed[7], r.DuesAmt, kRowFormat),
        figure(K::Ded8, r.lbTaxDed[8], r.PensionAmt, kRowFormat),
        figure(K::Ded9, r.lbTaxDed[9], r.HealthAmt, kRowFormat),
        figure(K::Kplan, r.lbTaxDed[10], r.KplanAmt, kRowFormat),
        figure(K::Sdi, r.lbSDI, r.SDIAmt, kRowFormat),
        figure(K::Sui, r.lbSUI, r.SUIAmt, kRowFormat),
        figure(K::Cafe, r.lbCafe, r.CafeThisPay, kRowFormat),
        figure(K::Gross, r.Label13, r.GrossPay, kTotalFormat),
        figure(K::Taxes, r.lbTaxes, r.TaxDeduct, kTotalFormat),
        figure(K::Deductions, r.lbDeduct, r.TotDeduct, kTotalFormat),
        figure(K::Net, r.lbNet, r.NetPay, kTotalFormat),
        figure(K::Overtime, r.lbOverT, r.TotalOt, kTotalFormat),
        figure(K::Tips, r.lbTips, r.TotalTips, kTotalFormat),
    }};
}

PayOutcome Calcu_late(const PayInput& in) {
    // Loading the federal table and the city and state settings (which re-reads the employee's
    // files) is the caller's, before this call: `in` carries what it loaded.
    const PayEmployee& e = in.employee;
    // Built in place and returned by name: the result holds some thirty strings. Every result
    // starts at 0 and every figure of the result area empty.
    PayOutcome outcome{std::in_place_type<PayResult>};
    PayResult& r = std::get<PayResult>(outcome);
    PayCarryOver carry = in.carry;

    // The period's cafeteria amount, and the pay rate: rate 1, or 7.50 without one.
    r.CafeThisPay = e.CafeAmt;
    r.PayRate = e.HourRate != 0 ? e.HourRate : kDefaultRate;
    const float PayRate = r.PayRate;

    // The entry boxes.
    auto boxesRead = readEntryBoxes(in.txtAmount, r.txtAmountFilled);
    if (auto* error = std::get_if<EntryBoxError>(&boxesRead)) {
        outcome = std::move(*error);
        return outcome;
    }
    const EntryBoxes& box = std::get<EntryBoxes>(boxesRead);

    pickAllowances(in, carry);

    // The "O.T." box counts twice unless "(1X)" is selected.
    const float OtVar = in.opt1x ? box.OtVar : box.OtVar * 2.0f;

    // Straight pay, tips and the overtime total.
    r.StraightPay1 = box.StrHrs * PayRate;
    r.StraightPay2 = e.HourRate2 * box.StrHrs2;
    r.TipsPay = e.TipsRate * box.TipsHrs;
    r.TotalOt = box.OtHrs * 1.5f * PayRate + OtVar * PayRate;
    r.TotalTips = e.TipsRate * box.TipsHrs;

    // Gross pay: five terms, each converted to currency, summed as currency. The hour terms
    // (straight 2 and 1, time and a half, holiday) are summed in extended precision first.
    const Extended hours = Extended{e.HourRate2} * box.StrHrs2 + Extended{box.StrHrs} * PayRate +
                           Extended{box.OtHrs} * 1.5L * PayRate + Extended{box.Avas} * PayRate;
    const Currency gross =
        Currency::fromExtended(hours) + box.Addit + Currency::fromSingle(OtVar * PayRate) +
        Currency::fromSingle(PayRate * box.VacDys) + Currency::fromSingle(e.TipsRate * box.TipsHrs);
    r.GrossPay = gross.toSingle();

    // K plan, pension and the taxable wage that the state and local computations start from.
    r.KplanAmt = e.KplanPercent != 0 ? e.KplanValue * 0.01f * r.GrossPay : e.KplanValue;
    r.PensionAmt = e.PensionPct * 0.01f * r.GrossPay;
    r.TaxableWage = r.GrossPay - e.HealthAmt - r.KplanAmt;

    // The federal wage; the table holds weekly allowances, so a bi-weekly one is doubled.
    r.FedAllowAmt = e.frequency.biWeekly ? carry.FedAllowAmt * 2.0f : carry.FedAllowAmt;
    r.FedWage = r.TaxableWage - r.PensionAmt - r.FedAllowAmt - r.CafeThisPay;

    // Federal withholding (FedSingle, FedMarried).
    if (e.FedExempt == 0) {
        r.FedTax = FedWithholding(in.federal, isSingle(e.FedStatus), e.frequency, r.FedWage);
    }

    // Social Security (GetSocSec) and Medicare with the Additional Medicare Tax on the wages of
    // the year above its threshold, unless exempt from both.
    const bool selfEmployed = e.SelfEmployed != 0;
    r.SocSecTax =
        GetSocSec(r.GrossPay, r.CafeThisPay, e.HealthAmt, selfEmployed, in.TotGross).SocSecTax;
    r.MediTax =
        Medicare(r.GrossPay, e.HealthAmt, r.CafeThisPay, selfEmployed) +
        AdditionalMedicare(r.GrossPay - e.HealthAmt - r.CafeThisPay, in.medicareWagesPosted);
    if (e.SSMediExempt != 0) {
        r.MediTax = 0;
        r.SocSecTax = 0;
    }

    // The cafeteria amount that lowers the state wage ("Deduct State").
    r.CafeStateAmt = e.CafeDeductState != 0 ? r.CafeThisPay : 0.0f;

    withholdState(in, r, carry);

    // Filling the state dialog's blank rate, base, adjustment and allowance boxes with "0"
    // (ZeroBlankStateBoxes) is the caller's; an empty box reads as 0 here anyway.

    // City or non-city withholding (CityByTable).
    const CityByTableResult byCity =
        CityByTable(in.city, in.nonCity, isSingle(e.StateStatus), e.NonCityRes != 0, e.frequency,
                    r.TaxableWage, carry.CityExpAmt);
    r.CityWage = byCity.CityWage;
    r.CityTax = byCity.CityTax;
    carry.CityExpAmt = byCity.CityExpAmt;

    // SDI and SUI; the adjustment and California allowance come from their boxes.
    const SdiSuiResult sdiSui = insurance(in, r.GrossPay);
    r.StateAdj = sdiSui.StateAdj;
    r.CalAllow = sdiSui.CalAllow;
    r.SDIYtdAfter = sdiSui.SDIYtdAfter;
    r.SUIYtdAfter = sdiSui.SUIYtdAfter;
    r.SDIAmt = sdiSui.SDIAmt;
    r.SUIAmt = sdiSui.SUIAmt;

    // The additional federal withholding, then every amount to cents. The profile keeps the
    // rounded municipal, bond, dues and health amounts.
    r.FedTax = roundedToCents(e.FedAddWithhold + r.FedTax);
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

    // "Federal Tax Exempt" drops the additional withholding too.
    if (e.FedExempt != 0) {
        r.FedTax = 0;
    }

    // The state adjustment, to cents; "Round State" to the even dollar; never below 0.
    r.StateTax = roundedToCents(r.StateTax + r.StateAdj);
    if (r.RoundState != 0) {
        r.StateTax = roundedToWholeHalfEven(r.StateTax);
    }
    if (r.StateTax < 0) {
        r.StateTax = 0;
    }

    // Taxes, deductions and net pay. Tips are in the gross and in every tax base, and were paid
    // out already.
    r.TaxDeduct = r.FedTax + r.StateTax + r.SDIAmt + r.SUIAmt + r.CityTax + r.MediTax + r.SocSecTax;
    r.TotDeduct =
        r.BondAmt + r.MuniAmt + r.HealthAmt + r.DuesAmt + r.KplanAmt + r.PensionAmt + r.CafeThisPay;
    r.NetPay = r.GrossPay - (r.TotDeduct + r.TaxDeduct) - r.TipsPay;

    showResultArea(r);
    fillStatementEarnings(in, box, r);

    // CleartxtBox: only the amounts actually entered stay visible. A box reads as 0 exactly
    // when the zero-fill put "0" into it: any other text there has a leading number that is
    // not 0.
    for (std::size_t i = 0; i < r.txtAmount.size(); ++i) {
        if (!box.zeroFilled[i]) {
            r.txtAmount[i] = r.txtAmountFilled[i];
        }
    }

    // Zeroing the federal table, saving the employee's files and unloading the city and state
    // dialogs are the caller's.
    r.carry = carry;
    return outcome;
}

}  // namespace quillon
