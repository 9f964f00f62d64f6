// The pay-period calculation: one period's entry boxes and the open employee's settings in,
// gross pay, every tax, every deduction, net pay, the statement's earnings lines and the texts
// the main window shows out; on request, how every figure was reached.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/figure.hpp"
#include "engine/money.hpp"
#include "engine/state_formulas.hpp"
#include "engine/tables.hpp"

namespace quillon {

// The rate paid for every hour kind except straight hours 2 when the employee has no rate 1.
inline constexpr float kDefaultRate = 7.5f;

// The profile fields the calculation reads (flags are 0 or 1, as the check boxes hold them).
struct PayEmployee {
    float HourRate = 0, HourRate2 = 0, TipsRate = 0;
    std::string FedStatus;       // "Single"; any other text is treated as married
    std::string FedExemptions;   // "0" to "9"
    std::int16_t FedExempt = 0;  // "Federal Tax Exempt"
    float FedAddWithhold = 0;
    std::int16_t SSMediExempt = 0;  // "Soc. Sec.  Medicare Tax Exempt"
    std::int16_t SelfEmployed = 0;
    std::string StateStatus;  // "Single" or "Married", for state and city
    std::int16_t StateExemptions = 0;
    std::int16_t NonCityRes = 0;
    float MuniAmt = 0, BondAmt = 0, DuesAmt = 0;
    float PensionPct = 0;  // 5 means 5 %
    float HealthAmt = 0;
    float KplanValue = 0;
    std::int16_t KplanPercent = 0;  // 1: KplanValue is a percentage of gross pay
    float CafeAmt = 0;
    std::int16_t CafeDeductState = 0;  // "Deduct State"
    PayFrequency frequency;            // the "Weekly" / "Bi-Weekly" options of "User Info"
};

// Allowances that carry over from one calculation to the next when a lookup finds no match
// (a status other than "Single"/"Married", an exemption count outside 0 to 9).
struct PayCarryOver {
    // The federal table's weekly allowance last picked. Kept undoubled, so that a bi-weekly
    // employee whose lookup finds nothing is not given twice the allowance again every time.
    float FedAllowAmt = 0;
    float StateExpAmt = 0;
    float CityExpAmt = 0;
};

struct PayInput {
    std::array<std::string, 8> txtAmount;  // the entry boxes, as typed
    bool opt1x = false;                    // "(1X)" selected; otherwise box 2 counts twice
    bool louisianaPrior = false;           // "Louisiana- Prior to July 1"
    PayEmployee employee;
    FederalTable federal;
    // The state settings with the state dialog's live switches filled in: the special states,
    // RoundState, SDIuseBase/SUIuseBase, SpouseWorks. CalAllow is the value the special-state
    // formulas read; the adjustment and California allowance are re-read from the box texts.
    StateSettings state;
    std::string txtStateAdj;
    std::string txtCalAllow;
    CitySettings city;
    NonCitySettings nonCity;
    Currency TotGross;  // register: year-to-date gross before this period
    // Register: the Medicare wages posted this year before this period (TotGross - TotCafe -
    // TotMisc), from which the Additional Medicare Tax starts.
    Currency medicareWagesPosted;
    float TotSS = 0, TotMedi = 0;
    PayCarryOver carry;
};

// One earnings line of the pay statement, as the statement prints it: the rate and the hours in
// "###.00", the earnings in "#####.00". Each figure is held in the precision it has always been
// printed from (engine/figure.hpp): the hours of boxes 0 to 5 are the box's number read in
// double, the O.T. lines are worked in double, the others in single precision.
struct EarningsRow {
    std::string_view description;  // "Regular1 Earning", ...
    Figure rate;
    std::optional<Figure> hours;  // none on the adjustment line
    Figure earnings;
};

// The statement's earnings lines, in its order (the paycheck's stubs print the same lines).
// Before a calculation every line is there with its figures 0.
struct StatementEarnings {
    // rate PayRate, box 0, StraightPay1
    EarningsRow regular1{"Regular1 Earning", 0.0f, 0.0, 0.0f};
    // rate 2, box 1, StraightPay2
    EarningsRow regular2{"Regular2 Earning", 0.0f, 0.0, 0.0f};
    // "O.T. 1x / 2x": PayRate, twice it at (2X); box 2; hours x rate
    EarningsRow overtime{"O.T. 1x / 2x Earned", 0.0f, 0.0, 0.0};
    // PayRate x 1.5, box 3, OtHrs x 1.5 x PayRate
    EarningsRow overtime15{"O.T. 1.5x Earned", 0.0, 0.0, 0.0};
    // tips rate, tip hours, their product
    EarningsRow tips{"Tips", 0.0f, 0.0f, 0.0f};
    // PayRate, box 4, Avas x PayRate
    EarningsRow holiday{"Holiday", 0.0f, 0.0, 0.0f};
    // PayRate, box 5, VacDys x PayRate
    EarningsRow vacation{"Vacation/Sick", 0.0f, 0.0, 0.0f};
    // the dollar amount as its rate and (in currency) its earnings
    EarningsRow adjustment{"Adjustment", 0.0, std::nullopt, Currency{}};
};

struct PayResult {
    float PayRate = 0;
    float GrossPay = 0, TaxableWage = 0, FedWage = 0;
    float FedAllowAmt = 0;  // the allowance taken off FedWage (doubled for bi-weekly)
    float FedTax = 0, SocSecTax = 0, MediTax = 0, StateTax = 0, CityTax = 0;
    float StateWage = 0, CityWage = 0;
    float PensionAmt = 0, KplanAmt = 0, SDIAmt = 0, SUIAmt = 0;
    float CafeThisPay = 0, CafeStateAmt = 0;
    float NetPay = 0, TotalOt = 0, TotalTips = 0, TaxDeduct = 0, TotDeduct = 0;
    float StraightPay1 = 0, StraightPay2 = 0, TipsPay = 0;
    float SDIYtdAfter = 0, SUIYtdAfter = 0;
    // Profile deductions, rounded to cents; the profile keeps these values.
    float MuniAmt = 0, BondAmt = 0, DuesAmt = 0, HealthAmt = 0;
    // Read from the state dialog's adjustment and California-allowance boxes.
    float StateAdj = 0, CalAllow = 0;
    // The "Round State" box after the calculation (the Missouri formula checks it).
    std::int16_t RoundState = 0;
    PayCarryOver carry;  // hand back in the next calculation's input
    StatementEarnings earnings;

    std::array<std::string, 11> lbTaxDed;  // result rows, "#,###.00"
    std::string lbSDI, lbSUI, lbCafe;      // "#,###.00"
    std::string Label13;                   // gross, "$#,###.00"; empty when TaxableWage is 0
    std::string lbTaxes, lbDeduct, lbNet, lbOverT, lbTips;  // "$#,###.00"
    std::array<std::string, 8> txtAmountFilled;             // the boxes after the zero-fill ("0")
    std::array<std::string, 8> txtAmount;                   // the boxes at the end (zeros emptied)
};

// The figures of the result area, in the order the command line lists them and scripts read
// them: rows 0 to 10, the SDI, SUI and cafeteria labels, then the totals.
enum class ResultKey : std::uint8_t {
    Fed,
    SocSec,
    Medicare,
    State,
    City,
    Ded5,
    Ded6,
    Ded7,
    Ded8,
    Ded9,
    Kplan,
    Sdi,
    Sui,
    Cafe,
    Gross,
    Taxes,
    Deductions,
    Net,
    Overtime,
    Tips
};
inline constexpr std::size_t kResultFigureCount = 20;
// The keys as scripts name them, by ResultKey.
inline constexpr std::array<std::string_view, kResultFigureCount> kResultKeys = {
    "fed",   "socsec", "medicare",   "state", "city",     "ded5", "ded6",
    "ded7",  "ded8",   "ded9",       "kplan", "sdi",      "sui",  "cafe",
    "gross", "taxes",  "deductions", "net",   "overtime", "tips"};

struct ResultFigure {
    ResultKey id;
    std::string_view key;      // kResultKeys[id]
    std::string_view caption;  // the figure as the main window shows it (a text of the result)
    float number;              // the figure itself
    std::string_view format;   // "#,###.00" (rows and labels) or "$#,###.00" (the totals)
};

// The result area of r in key order, captions pointing into r (valid while r lives, unchanged).
// The gross caption is empty when the taxable wage is 0, as the main window leaves it; its
// number is the gross pay all the same.
[[nodiscard]] std::array<ResultFigure, kResultFigureCount> resultFigures(const PayResult& r);

// How each figure of the result area was reached, in words: the wage it was computed on and the
// arithmetic, ending with "= " and the figure as shown ("Federal: wage 800.00 − allowance for 2
// exemptions 155.80 − cafeteria 0.00 = 644.20; over 222.00 in the single weekly bracket: 17.90 +
// 15 % of 422.20 = 81.23"). Amounts are written as held, with two decimals at least and more
// where a cent is still to be decided ("= 274.643, to the cent = 274.64"). One line each, no
// tabs; UTF-8 for "−" and "×".
struct PayExplanation {
    std::array<std::string, kResultFigureCount> texts;  // by ResultKey

    [[nodiscard]] const std::string& operator[](ResultKey key) const {
        return texts[static_cast<std::size_t>(key)];
    }
    [[nodiscard]] std::string& operator[](ResultKey key) {
        return texts[static_cast<std::size_t>(key)];
    }
};

// An entry box whose text has a leading number but is not a number as a whole ("1 2", "1-2").
// Nothing is computed; the caller tells the operator which box to correct.
struct EntryBoxError {
    int box = 0;  // 0 to 7
    std::string text;
};

using PayOutcome = std::variant<PayResult, EntryBoxError>;

// What the state formulas read from a calculation: its wages and taxes so far, the employee's
// statuses and frequency, the state allowance picked, the register totals, the state settings.
[[nodiscard]] StateFormulaInput stateFormulaInput(const PayResult& r, const PayEmployee& e,
                                                  const StateSettings& state, float StateExpAmt,
                                                  float TotSS, float TotMedi);

// The calculation behind the calculate button. Loading the tables and settings before it,
// blank-filling the state dialog's boxes, zeroing the federal table and saving the employee
// after it, and unloading the dialogs are the caller's. Given an explanation, the calculation
// fills it as it goes, each step telling what it did (null, the default: no text is built).
// A refused entry box leaves it empty.
[[nodiscard]] PayOutcome Calcu_late(const PayInput& in, PayExplanation* explanation = nullptr);

}  // namespace quillon
