// The quarter's and the year's figures over every employee: wages and taxes per employee and in
// total, the quarter's federal return (Form 941, revision of January 2016) and the year's wage
// statements (Form W-2), from the register rows dated in 2016. Every amount is exact currency;
// the only cents decided here are the return's tax columns and its line 7 (taxAtRate).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/money.hpp"
#include "engine/register.hpp"

namespace quillon {

// A day of 2016 (a leap year).
struct Date2016 {
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to the month's last day

    [[nodiscard]] int dayOfYear() const;  // 1 to 366
    [[nodiscard]] int quarter() const;    // 1 to 4
    friend bool operator==(const Date2016&, const Date2016&) = default;
};

// The register's date text as a day of 2016: M/D/YYYY with the year 2016, a month and a day of
// one or two digits ("3/12/2016", "03/05/2016"), blanks around it allowed. Anything else is no
// date of 2016 and nullopt: "3/12/16", "2/30/2016", "3-12-2016", "", "week 3".
[[nodiscard]] std::optional<Date2016> date2016(std::string_view text);
// "M/D/2016", as the week-ending box writes it: {3, 5} -> "3/5/2016".
[[nodiscard]] std::string dateText(Date2016 date);
// The last day of a quarter 1 to 4: 3/31, 6/30, 9/30, 12/31.
[[nodiscard]] Date2016 lastDayOfQuarter(int quarter);

// The 2016 rates of the federal return, in ten-thousandths.
inline constexpr std::int64_t kSocialSecurityReturnRate = 1240;    // 12.4 %, both shares
inline constexpr std::int64_t kMedicareReturnRate = 290;           // 2.9 %, both shares
inline constexpr std::int64_t kAdditionalMedicareReturnRate = 90;  // 0.9 %, the employee's
inline constexpr std::int64_t kSocialSecurityEmployeeRate = 620;   // 6.2 %
inline constexpr std::int64_t kMedicareEmployeeRate = 145;         // 1.45 %

// The amount times a rate in ten-thousandths, to the cent, halves away from zero (the return's
// column 2): 10,000.00 x 12.4 % = 1,240.00; 0.25 x 2.9 % = 0.00725 -> 0.01;
// 1.50 x 0.9 % = 0.0135 -> 0.01; -0.50 x 0.9 % = -0.0045 -> 0.00. Exact for every amount.
[[nodiscard]] Currency taxAtRate(Currency amount, std::int64_t rateTenThousandths);

// An empty slot of the register: no date (blanks at most) and 0 in every column.
[[nodiscard]] bool emptyRegisterRow(const RegisterRow& row);

// One employee as the figures need him: his register rows and the profile flags that decide
// where his wages go.
struct YearEmployee {
    std::string userFile;  // the base name of his files
    std::string EmpName;
    std::string DedName8, DedName9;  // the pension's and the ninth deduction's names
    bool SSMediExempt = false;       // "Soc. Sec.  Medicare Tax Exempt"
    bool SelfEmployed = false;
    bool biWeekly = false;          // a row pays fourteen days; weekly (seven) otherwise
    bool CafeDeductState = false;   // the cafeteria plan lowers the state wage
    std::vector<RegisterRow> rows;  // the used rows in slot order (row 1 first)
    friend bool operator==(const YearEmployee&, const YearEmployee&) = default;
};

// Which part of 2016 the figures are for.
struct SummaryPeriod {
    int quarter = 0;  // 1 to 4, or 0 for the whole year

    [[nodiscard]] static SummaryPeriod wholeYear() { return {}; }
    [[nodiscard]] static SummaryPeriod ofQuarter(int q) { return SummaryPeriod{q}; }
    [[nodiscard]] bool isYear() const { return quarter == 0; }
    friend bool operator==(const SummaryPeriod&, const SummaryPeriod&) = default;
};

// What was paid and withheld in the period. The wages follow the calculation: Social Security
// and Medicare wages are gross - cafeteria - the ninth deduction (tips included, the register's
// tips column being part of gross); the federal wage also leaves out the K plan and the pension.
// The Social Security wages and tips count up to the 118,500 base and the Additional Medicare
// wages from 200,000, both through the year in date order (slot order within a date), so a quarter
// holds only its share.
struct WageFigures {
    Currency gross, fed;
    Currency ssWages, ssTips, ssTax;      // ssWages without tips; ssTax as withheld (the register)
    Currency medicareWages, medicareTax;  // medicareWages with tips; the tax as withheld
    Currency addlMedicareWages;           // the Medicare wages above 200,000
    Currency state, city, sdi, sui;
    Currency federalWages;  // gross - ninth deduction - K plan - pension - cafeteria
    Currency kplan, pension, ninthDeduction, cafeteria, tips;
    Currency stateWages;  // gross - ninth deduction - K plan (- cafeteria with "Deduct State")
    Currency cityWages;   // gross - ninth deduction - K plan

    WageFigures& operator+=(const WageFigures& other);
    friend bool operator==(const WageFigures&, const WageFigures&) = default;
};

// What the operator must look at by hand. `amount` is the figure the note is about.
enum class SummaryNoteKind {
    // An employee's
    SelfEmployed,           // listed apart: on no line of the return, no wage statement
    ExemptButWithheld,      // exempt, yet the register holds Social Security or Medicare withheld
                            // (amount: both together); counted in line 7, in no box
    SocialSecurityDiffers,  // withheld differs from 6.2 % of the wages and tips (amount: that)
    MedicareDiffers,        // withheld differs from 1.45 % + 0.9 % above 200,000 (amount: that)
    // A wage statement's
    KplanIsBox12D,          // box 12 code D holds the K plan: right for a 401(k) plan only
    PensionLeftOutOfBox1,   // box 1 leaves out the pension deduction (amount)
    NinthDeductionLeftOut,  // boxes 1, 3 and 5 leave out the ninth deduction (amount)
    CafeteriaLeftOut,       // boxes 1, 3 and 5 leave out the cafeteria plan (amount)
    // The report's
    StateAndCityWages,  // boxes 16 and 18 are the wages the state and city computations use
    LinesNotFigured,    // the return's lines 4, 5f, 8, 9 and 11 on are the operator's
};

struct SummaryNote {
    SummaryNoteKind kind{};
    Currency amount;
    friend bool operator==(const SummaryNote&, const SummaryNote&) = default;
};

struct EmployeeSummary {
    std::string userFile, EmpName, DedName8, DedName9;
    bool SSMediExempt = false, SelfEmployed = false;
    int rows = 0;  // the rows of the period counted
    WageFigures figures;
    std::vector<SummaryNote> notes;
    friend bool operator==(const EmployeeSummary&, const EmployeeSummary&) = default;
};

// A row whose date text is not a 2016 date: in no figure. An empty row (no date, every amount
// 0) is not listed.
struct SkippedRow {
    std::string userFile;
    int row = 0;  // 1 to 53, as on the screen
    std::string date;
    friend bool operator==(const SkippedRow&, const SkippedRow&) = default;
};

// The quarter's federal return; column 1 wages, column 2 taxes (each rounded to the cent).
struct Form941 {
    int line1 = 0;   // employees paid for a pay period that includes the 12th of the last month
    Currency line2;  // wages, tips and other compensation (the wage statements' box 1)
    Currency line3;  // federal income tax withheld
    Currency line5aWages, line5aTax;  // taxable Social Security wages x 12.4 %
    Currency line5bTips, line5bTax;   // taxable Social Security tips x 12.4 %
    Currency line5cWages, line5cTax;  // taxable Medicare wages and tips x 2.9 %
    Currency line5dWages, line5dTax;  // subject to Additional Medicare x 0.9 %
    Currency line5e;                  // 5a to 5d, column 2
    Currency line6;                   // 3 + 5e
    Currency line7;   // Social Security and Medicare withheld - half of 5a to 5c - all of 5d
    Currency line10;  // 6 + 7
    friend bool operator==(const Form941&, const Form941&) = default;
};

// One employee's wage statement for the year.
struct FormW2 {
    std::string userFile, EmpName;
    Currency box1;          // wages, tips, other compensation: the federal wage
    Currency box2;          // federal income tax withheld
    Currency box3;          // Social Security wages (without tips; box 3 + box 7 at most 118,500)
    Currency box4;          // Social Security tax withheld
    Currency box5;          // Medicare wages and tips
    Currency box6;          // Medicare tax withheld
    Currency box7;          // Social Security tips
    Currency box12D;        // elective deferrals: the K plan
    Currency box16, box17;  // state wages, state income tax
    Currency box18, box19;  // local wages, local income tax
    std::vector<SummaryNote> notes;
    friend bool operator==(const FormW2&, const FormW2&) = default;
};

struct YearSummary {
    SummaryPeriod period;
    // Those on the return, in the order given, each with a row counted in the period; the
    // self-employed apart, on no line.
    std::vector<EmployeeSummary> employees;
    std::vector<EmployeeSummary> selfEmployed;
    WageFigures totals;               // of `employees`
    std::optional<Form941> form941;   // for a quarter
    std::vector<FormW2> w2;           // for the year, one per employee of `employees`
    std::vector<SkippedRow> skipped;  // of every employee, whatever the period
    std::vector<SummaryNote> notes;
};

// The figures of a quarter or of the year. A quarter outside 1 to 4 is a programming error (it
// throws std::invalid_argument).
[[nodiscard]] YearSummary summarize(const std::vector<YearEmployee>& employees,
                                    SummaryPeriod period);

}  // namespace quillon
