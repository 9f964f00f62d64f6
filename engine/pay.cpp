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
#include "engine/trace.hpp"
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

// What the allowance lookups found: the federal exemption count, and whether the state and
// city allowances were picked (or kept from the last calculation).
struct AllowancesPicked {
    std::optional<std::size_t> federal;
    bool stateAndCity = false;
};

// The federal (weekly), state and city allowances for the employee's statuses and counts. A
// status other than "Single"/"Married" or a count outside 0 to 9 keeps the one last picked.
AllowancesPicked pickAllowances(const PayInput& in, PayCarryOver& carry) {
    const PayEmployee& e = in.employee;
    AllowancesPicked picked;
    if (isSingle(e.FedStatus) || isMarried(e.FedStatus)) {
        if (const auto k = exemptionIndex(leadingNumber(e.FedExemptions))) {
            carry.FedAllowAmt = in.federal.FedAllow[*k + (isSingle(e.FedStatus) ? 0 : 10)];
            picked.federal = k;
        }
    }
    if (e.StateExemptions >= 0 && e.StateExemptions <= 9) {
        const auto k = static_cast<std::size_t>(e.StateExemptions);
        if (isSingle(e.StateStatus)) {
            carry.StateExpAmt = in.state.StateSgExp[k];
            carry.CityExpAmt = in.city.CitySgExp[k];
            picked.stateAndCity = true;
        } else if (isMarried(e.StateStatus)) {
            carry.StateExpAmt = in.state.StateMarExp[k];
            carry.CityExpAmt = in.city.CityMarExp[k];
            picked.stateAndCity = true;
        }
    }
    return picked;
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
void withholdState(const PayInput& in, PayResult& r, PayCarryOver& carry, std::string* why) {
    const PayEmployee& e = in.employee;
    r.RoundState = in.state.RoundState;
    if (formulaStateChecked(in.state)) {
        StateFormulaInput formula =
            stateFormulaInput(r, e, in.state, carry.StateExpAmt, in.TotSS, in.TotMedi);
        formula.louisianaPrior = in.louisianaPrior;
        if (const std::optional<StateFormulaResult> special = specialStateTax(formula, why)) {
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
    if (why != nullptr) {
        *why += in.state.StateAriz != 0 ? "Arizona, by the state table: " : "by the state table: ";
    }
    const StateByTableResult byTable =
        StateByTable(in.state, isSingle(e.StateStatus), e.frequency, r.TaxableWage,
                     carry.StateExpAmt, r.CafeStateAmt, why);
    r.StateWage = byTable.StateWage;
    r.StateTax = byTable.StateTax;
}

// GetSDI_SUI on this period's gross, with the state's rates, bases and "Use Base" boxes and
// the adjustment and California-allowance box texts.
SdiSuiResult insurance(const PayInput& in, float GrossPay, std::string* whySDI,
                       std::string* whySUI) {
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
    return GetSDI_SUI(insurance, whySDI, whySUI);
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

// The explanation's text of one figure, or null when no explanation was asked for.
class Explaining {
  public:
    explicit Explaining(PayExplanation* explanation) : explanation_(explanation) {}
    std::string* operator()(ResultKey key) const {
        return explanation_ != nullptr ? &(*explanation_)[key] : nullptr;
    }

  private:
    PayExplanation* explanation_;
};

// "80 h × 25.00"
std::string hoursAt(float hours, float rate) {
    return traceNumber(hours) + " h" + kTraceTimes + traceAmount(rate);
}

// "O.T. 1.5x 6.5 h × 1.5 × 25.00"
std::string halfTimeTerm(const EntryBoxes& box, float PayRate) {
    return "O.T. 1.5x " + traceNumber(box.OtHrs) + " h" + kTraceTimes + "1.5" + kTraceTimes +
           traceAmount(PayRate);
}

// "O.T. (2X) 3 h × 2 × 25.00", "O.T. (1X) 3 h × 25.00"
std::string overtimeTerm(const EntryBoxes& box, bool opt1x, float PayRate) {
    if (opt1x) {
        return "O.T. (1X) " + hoursAt(box.OtVar, PayRate);
    }
    return "O.T. (2X) " + traceNumber(box.OtVar) + " h" + kTraceTimes + "2" + kTraceTimes +
           traceAmount(PayRate);
}

std::string overtimeExplained(const EntryBoxes& box, bool opt1x, float PayRate) {
    if (box.OtHrs == 0 && box.OtVar == 0) {
        return "Overtime: no O.T. hours";
    }
    std::string text = "Overtime: ";
    if (box.OtHrs != 0) {
        text += halfTimeTerm(box, PayRate) + (box.OtVar != 0 ? " + " : "");
    }
    if (box.OtVar != 0) {
        text += overtimeTerm(box, opt1x, PayRate);
    }
    return text;
}

constexpr std::string_view kGrossHead = "Gross";

// The gross as it was summed: the hour terms in extended precision, then the dollar amount, the
// O.T. of box 2, vacation/sick and tips, each in currency. Kinds without hours are left out.
std::string grossExplained(const PayInput& in, const EntryBoxes& box, float PayRate, Extended hours,
                           float OtVar) {
    const PayEmployee& e = in.employee;
    std::string sum;
    const auto term = [&sum](const std::string& text) { sum += (sum.empty() ? "" : " + ") + text; };
    if (box.StrHrs2 != 0) {
        term("straight time 2 " + hoursAt(box.StrHrs2, e.HourRate2));
    }
    if (box.StrHrs != 0) {
        term("straight time 1 " + hoursAt(box.StrHrs, PayRate));
    }
    if (box.OtHrs != 0) {
        term(halfTimeTerm(box, PayRate));
    }
    if (box.Avas != 0) {
        term("holiday " + hoursAt(box.Avas, PayRate));
    }
    std::string parts;
    int count = 0;
    const auto part = [&parts, &count](const std::string& text) {
        parts += (parts.empty() ? "" : "; ") + text;
        ++count;
    };
    if (!sum.empty()) {
        part(sum + " = " + traceAmount(Currency::fromExtended(hours)));
    }
    if (box.Addit != Currency{}) {
        part("dollar amount " + traceAmount(box.Addit));
    }
    if (box.OtVar != 0) {
        part(overtimeTerm(box, in.opt1x, PayRate) + " = " +
             traceAmount(Currency::fromSingle(OtVar * PayRate)));
    }
    if (box.VacDys != 0) {
        part("vacation/sick " + hoursAt(box.VacDys, PayRate) + " = " +
             traceAmount(Currency::fromSingle(PayRate * box.VacDys)));
    }
    if (box.TipsHrs != 0) {
        part("tips " + hoursAt(box.TipsHrs, e.TipsRate) + " = " +
             traceAmount(Currency::fromSingle(e.TipsRate * box.TipsHrs)));
    }
    std::string text(kGrossHead);
    if (e.HourRate == 0) {
        text += " (no rate 1: every hour but straight time 2 at the default " +
                traceAmount(PayRate) + ")";
    }
    text += ": " + (count == 0 ? std::string("no hours and no dollar amount") : parts);
    if (count > 1) {
        text += "; together";
    }
    return text;
}

// The federal wage: the taxable wage (gross less health insurance and K plan) less the pension,
// the allowance and the cafeteria plan.
std::string federalWageExplained(const PayResult& r, const PayEmployee& e,
                                 const AllowancesPicked& picked, float weeklyAllowance) {
    std::string text = "Federal: wage " + traceAmount(r.TaxableWage);
    if (r.TaxableWage != r.GrossPay) {
        text += " (gross " + traceAmount(r.GrossPay) + kTraceMinus + "health insurance " +
                traceAmount(e.HealthAmt) + kTraceMinus + "K plan " + traceAmount(r.KplanAmt) + ")";
    }
    if (r.PensionAmt != 0) {
        text += kTraceMinus + std::string("pension ") + traceAmount(r.PensionAmt);
    }
    text += kTraceMinus;
    text += picked.federal ? "allowance for " + std::to_string(*picked.federal) + " exemptions "
                           : std::string("the allowance kept from the last calculation ");
    text += traceAmount(r.FedAllowAmt);
    if (e.frequency.biWeekly) {
        text += " (twice the weekly " + traceAmount(weeklyAllowance) + ")";
    }
    return text + kTraceMinus + "cafeteria " + traceAmount(r.CafeThisPay) + " = " +
           traceAmount(r.FedWage) + "; ";
}

// The values each figure held just before it was rounded to the cent (or shown unrounded), for
// the end of its explanation.
struct HeldFigures {
    std::array<float, kResultFigureCount> value{};
    float& operator[](ResultKey key) { return value[static_cast<std::size_t>(key)]; }
};

// The figures that are the employee's amounts or sums of the others, explained from the final
// figures they are made of.
void explainTheRest(PayExplanation& x, const PayResult& r, const PayEmployee& e) {
    using K = ResultKey;
    const auto amount = [](std::string_view what, float value) {
        return std::string(what) + traceAmount(value);
    };
    x[K::Ded5] = amount("Deduction 5: the employee's amount ", e.MuniAmt);
    x[K::Ded6] = amount("Deduction 6: the employee's amount ", e.BondAmt);
    x[K::Ded7] = amount("Deduction 7: the employee's amount ", e.DuesAmt);
    x[K::Ded9] = amount("Deduction 9, health insurance: the employee's amount ", e.HealthAmt);
    x[K::Cafe] = amount("Cafeteria Plan: the employee's amount ", e.CafeAmt) +
                 (e.CafeDeductState != 0 ? ", taken off the state wage too (Deduct State)" : "");
    x[K::Taxes] = "Taxes: federal " + traceAmount(r.FedTax) + " + state " +
                  traceAmount(r.StateTax) + " + SDI " + traceAmount(r.SDIAmt) + " + SUI " +
                  traceAmount(r.SUIAmt) + " + city " + traceAmount(r.CityTax) + " + Medicare " +
                  traceAmount(r.MediTax) + " + Social Security " + traceAmount(r.SocSecTax);
    x[K::Deductions] = "Deductions: deduction 6 " + traceAmount(r.BondAmt) + " + deduction 5 " +
                       traceAmount(r.MuniAmt) + " + health insurance " + traceAmount(r.HealthAmt) +
                       " + deduction 7 " + traceAmount(r.DuesAmt) + " + K plan " +
                       traceAmount(r.KplanAmt) + " + pension " + traceAmount(r.PensionAmt) +
                       " + cafeteria " + traceAmount(r.CafeThisPay);
    x[K::Net] = "Net: gross " + traceAmount(r.GrossPay) + kTraceMinus + "(deductions " +
                traceAmount(r.TotDeduct) + " + taxes " + traceAmount(r.TaxDeduct) + ")" +
                kTraceMinus + "tips " + traceAmount(r.TipsPay) + ", paid out already";
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

PayOutcome Calcu_late(const PayInput& in, PayExplanation* explanation) {
    using K = ResultKey;
    // Loading the federal table and the city and state settings (which re-reads the employee's
    // files) is the caller's, before this call: `in` carries what it loaded.
    const PayEmployee& e = in.employee;
    if (explanation != nullptr) {
        *explanation = PayExplanation{};
    }
    const Explaining why(explanation);
    HeldFigures held;
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

    const AllowancesPicked picked = pickAllowances(in, carry);

    // The "O.T." box counts twice unless "(1X)" is selected.
    const float OtVar = in.opt1x ? box.OtVar : box.OtVar * 2.0f;

    // Straight pay, tips and the overtime total.
    r.StraightPay1 = box.StrHrs * PayRate;
    r.StraightPay2 = e.HourRate2 * box.StrHrs2;
    r.TipsPay = e.TipsRate * box.TipsHrs;
    r.TotalOt = box.OtHrs * 1.5f * PayRate + OtVar * PayRate;
    r.TotalTips = e.TipsRate * box.TipsHrs;
    if (std::string* t = why(K::Overtime)) {
        *t = overtimeExplained(box, in.opt1x, PayRate);
    }
    if (std::string* t = why(K::Tips)) {
        *t = "Tips: " + hoursAt(box.TipsHrs, e.TipsRate);
    }

    // Gross pay: five terms, each converted to currency, summed as currency. The hour terms
    // (straight 2 and 1, time and a half, holiday) are summed in extended precision first.
    const Extended hours = Extended{e.HourRate2} * box.StrHrs2 + Extended{box.StrHrs} * PayRate +
                           Extended{box.OtHrs} * 1.5L * PayRate + Extended{box.Avas} * PayRate;
    const Currency gross =
        Currency::fromExtended(hours) + box.Addit + Currency::fromSingle(OtVar * PayRate) +
        Currency::fromSingle(PayRate * box.VacDys) + Currency::fromSingle(e.TipsRate * box.TipsHrs);
    r.GrossPay = gross.toSingle();
    if (std::string* t = why(K::Gross)) {
        *t = grossExplained(in, box, PayRate, hours, OtVar);
    }
    held[K::Gross] = r.GrossPay;

    // K plan, pension and the taxable wage that the state and local computations start from.
    r.KplanAmt = e.KplanPercent != 0 ? e.KplanValue * 0.01f * r.GrossPay : e.KplanValue;
    r.PensionAmt = e.PensionPct * 0.01f * r.GrossPay;
    r.TaxableWage = r.GrossPay - e.HealthAmt - r.KplanAmt;
    if (std::string* t = why(K::Kplan)) {
        *t = e.KplanPercent != 0 ? "K Plan: " + traceNumber(e.KplanValue) + " % of the gross " +
                                       traceAmount(r.GrossPay) + " = " + traceAmount(r.KplanAmt)
                                 : "K Plan: a fixed amount " + traceAmount(r.KplanAmt);
    }
    if (std::string* t = why(K::Ded8)) {
        *t = "Deduction 8, pension: " + traceNumber(e.PensionPct) + " % of the gross " +
             traceAmount(r.GrossPay) + " = " + traceAmount(r.PensionAmt);
    }

    // The federal wage; the table holds weekly allowances, so a bi-weekly one is doubled.
    r.FedAllowAmt = e.frequency.biWeekly ? carry.FedAllowAmt * 2.0f : carry.FedAllowAmt;
    r.FedWage = r.TaxableWage - r.PensionAmt - r.FedAllowAmt - r.CafeThisPay;
    std::string* const whyFed = why(K::Fed);
    if (whyFed != nullptr) {
        *whyFed = federalWageExplained(r, e, picked, carry.FedAllowAmt);
    }

    // Federal withholding (FedSingle, FedMarried).
    if (e.FedExempt == 0) {
        r.FedTax =
            FedWithholding(in.federal, isSingle(e.FedStatus), e.frequency, r.FedWage, whyFed);
    }

    // Social Security (GetSocSec) and Medicare with the Additional Medicare Tax on the wages of
    // the year above its threshold, unless exempt from both.
    const bool selfEmployed = e.SelfEmployed != 0;
    std::string* const whySocSec = why(K::SocSec);
    std::string* const whyMedicare = why(K::Medicare);
    if (whySocSec != nullptr) {
        *whySocSec = "Social Security: ";
        *whyMedicare = "Medicare: ";
    }
    r.SocSecTax =
        GetSocSec(r.GrossPay, r.CafeThisPay, e.HealthAmt, selfEmployed, in.TotGross, whySocSec)
            .SocSecTax;
    const float medicare =
        Medicare(r.GrossPay, e.HealthAmt, r.CafeThisPay, selfEmployed, whyMedicare);
    if (whyMedicare != nullptr) {
        *whyMedicare += "; ";
    }
    const float additional = AdditionalMedicare(r.GrossPay - e.HealthAmt - r.CafeThisPay,
                                                in.medicareWagesPosted, whyMedicare);
    r.MediTax = medicare + additional;
    if (whyMedicare != nullptr) {
        *whyMedicare += "; " + traceAmount(medicare) + " + " + traceAmount(additional) + " = " +
                        traceAmount(r.MediTax);
    }
    if (e.SSMediExempt != 0) {
        r.MediTax = 0;
        r.SocSecTax = 0;
        if (whySocSec != nullptr) {
            *whySocSec += "; exempt from Social Security and Medicare: 0";
            *whyMedicare += "; exempt from Social Security and Medicare: 0";
        }
    }

    // The cafeteria amount that lowers the state wage ("Deduct State").
    r.CafeStateAmt = e.CafeDeductState != 0 ? r.CafeThisPay : 0.0f;

    std::string* const whyState = why(K::State);
    std::string* const whyCity = why(K::City);
    if (whyState != nullptr) {
        const char* kept = picked.stateAndCity ? "" : "(allowance kept from the last calculation) ";
        *whyState = std::string("State: ") + kept;
        *whyCity = std::string("City: ") + kept;
    }
    withholdState(in, r, carry, whyState);

    // Filling the state dialog's blank rate, base, adjustment and allowance boxes with "0"
    // (ZeroBlankStateBoxes) is the caller's; an empty box reads as 0 here anyway.

    // City or non-city withholding (CityByTable).
    const CityByTableResult byCity =
        CityByTable(in.city, in.nonCity, isSingle(e.StateStatus), e.NonCityRes != 0, e.frequency,
                    r.TaxableWage, carry.CityExpAmt, whyCity);
    r.CityWage = byCity.CityWage;
    r.CityTax = byCity.CityTax;
    carry.CityExpAmt = byCity.CityExpAmt;

    // SDI and SUI; the adjustment and California allowance come from their boxes.
    std::string* const whySdi = why(K::Sdi);
    std::string* const whySui = why(K::Sui);
    if (whySdi != nullptr) {
        *whySdi = "SDI: ";
        *whySui = "SUI: ";
    }
    const SdiSuiResult sdiSui = insurance(in, r.GrossPay, whySdi, whySui);
    r.StateAdj = sdiSui.StateAdj;
    r.CalAllow = sdiSui.CalAllow;
    r.SDIYtdAfter = sdiSui.SDIYtdAfter;
    r.SUIYtdAfter = sdiSui.SUIYtdAfter;
    r.SDIAmt = sdiSui.SDIAmt;
    r.SUIAmt = sdiSui.SUIAmt;

    // The additional federal withholding, then every amount to cents. The profile keeps the
    // rounded municipal, bond, dues and health amounts.
    held[K::Fed] = e.FedAddWithhold + r.FedTax;
    if (whyFed != nullptr && e.FedExempt == 0 && e.FedAddWithhold != 0) {
        *whyFed += "; + additional withholding " + traceAmount(e.FedAddWithhold) + " = " +
                   traceAmount(held[K::Fed]);
    }
    held[K::SocSec] = r.SocSecTax;
    held[K::Medicare] = r.MediTax;
    held[K::City] = r.CityTax;
    held[K::Ded5] = e.MuniAmt;
    held[K::Ded6] = e.BondAmt;
    held[K::Ded7] = e.DuesAmt;
    held[K::Ded8] = r.PensionAmt;
    held[K::Ded9] = e.HealthAmt;
    held[K::Kplan] = r.KplanAmt;
    held[K::Sdi] = r.SDIAmt;
    held[K::Sui] = r.SUIAmt;
    held[K::Cafe] = r.CafeThisPay;
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
        held[K::Fed] = 0;
        if (whyFed != nullptr) {
            *whyFed += "Federal Tax Exempt: no federal tax, nor the additional withholding";
        }
    }

    // The state adjustment, to cents; "Round State" to the even dollar; never below 0.
    const float adjusted = r.StateTax + r.StateAdj;
    r.StateTax = roundedToCents(adjusted);
    held[K::State] = adjusted;
    if (whyState != nullptr && r.StateAdj != 0) {
        *whyState += "; + adjustment " + traceAmount(r.StateAdj) + " = " + traceAmount(adjusted);
    }
    if (r.RoundState != 0) {
        if (whyState != nullptr) {
            if (r.StateTax != adjusted) {
                *whyState += "; to the cent " + traceAmount(r.StateTax);
            }
            *whyState += "; Round State, to the whole dollar (halves to even)";
        }
        r.StateTax = roundedToWholeHalfEven(r.StateTax);
        held[K::State] = r.StateTax;
    }
    if (r.StateTax < 0) {
        r.StateTax = 0;
        held[K::State] = 0;
        if (whyState != nullptr) {
            *whyState += "; below 0: 0";
        }
    }

    // Taxes, deductions and net pay. Tips are in the gross and in every tax base, and were paid
    // out already.
    r.TaxDeduct = r.FedTax + r.StateTax + r.SDIAmt + r.SUIAmt + r.CityTax + r.MediTax + r.SocSecTax;
    r.TotDeduct =
        r.BondAmt + r.MuniAmt + r.HealthAmt + r.DuesAmt + r.KplanAmt + r.PensionAmt + r.CafeThisPay;
    r.NetPay = r.GrossPay - (r.TotDeduct + r.TaxDeduct) - r.TipsPay;
    held[K::Taxes] = r.TaxDeduct;
    held[K::Deductions] = r.TotDeduct;
    held[K::Net] = r.NetPay;
    held[K::Overtime] = r.TotalOt;
    held[K::Tips] = r.TotalTips;

    showResultArea(r);
    fillStatementEarnings(in, box, r);
    if (explanation != nullptr) {
        explainTheRest(*explanation, r, e);
        for (const ResultFigure& f : resultFigures(r)) {
            std::string shown(f.caption);
            if (f.id == K::Gross && shown.empty()) {
                (*explanation)[K::Gross].insert(kGrossHead.size(),
                                                " (not shown: the taxable wage is 0)");
                shown = format(r.GrossPay, kTotalFormat);
            }
            traceEnd((*explanation)[f.id], held[f.id], shown);
        }
    }

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
