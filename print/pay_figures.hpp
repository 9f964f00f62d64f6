// What the pay statement and the paycheck's stubs print about the period: the earnings lines,
// the tax and deduction lines with their year-to-date amounts, and the current and year-to-date
// summary, as the texts that go on paper.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "engine/money.hpp"
#include "engine/pay.hpp"
#include "engine/register.hpp"
#include "print/page.hpp"
#include "records/profile.hpp"

namespace quillon {

// The period as the main window holds it when a page is printed: its entry boxes and
// week-ending box, the figures the last calculation left, and the result labels as shown.
struct PrintedPeriod {
    std::array<std::string, 8> txtAmount;  // the entry boxes; an empty one prints as "0"
    bool opt1x = true;                     // "(1X)" chosen; otherwise box 2 counts twice
    std::string txtWeek;                   // the week-ending date
    // Left by the calculation: the rate paid, the straight-time pay, and the boxes as it read
    // them (O.T. 1.5x, holiday, vacation/sick and tip hours, the dollar adjustment).
    float PayRate = 0, StraightPay1 = 0, StraightPay2 = 0;
    float OtHrs = 0, Avas = 0, VacDys = 0, TipsHrs = 0;
    Currency Addit;
    // The result labels as shown: rows 0 to 10 and SDI, SUI, cafeteria ("#,###.00"), gross,
    // taxes, deductions and net ("$#,###.00"). All empty before a calculation.
    std::array<std::string, 11> lbTaxDed;
    std::string lbSDI, lbSUI, lbCafe;
    std::string Label13, lbTaxes, lbDeduct, lbNet;
};

// The period after the calculation r, with the entry boxes and options as they stand now.
[[nodiscard]] PrintedPeriod printedPeriod(const PayResult& r,
                                          const std::array<std::string, 8>& txtAmount, bool opt1x,
                                          std::string txtWeek);

// Printed number formats. Amounts are "#####.00", rates and hours "###.00" (engine/money.hpp).
inline constexpr std::string_view kAmountFormat = "#####.00";
inline constexpr std::string_view kHoursFormat = "###.00";
// A shown text in a printed format: a text that is a number ("$1,234.50" included) is
// reformatted, any other text (the empty one included) prints as it stands.
[[nodiscard]] std::string printedText(std::string_view shown, std::string_view pattern);

struct EarningsLine {
    std::string description, rate, hours, earnings;
};
struct TaxLine {
    std::string label, current, ytd;
};
struct SummaryLine {
    std::string earnings, taxes, deductions, net;
};

struct PayFigures {
    EarningsLine regular1, regular2, overtime, overtime15, tips, holiday, vacation, adjustment;
    std::string TotTips;  // printed beside the tips line of the statement
    // Federal, Social Security, Medicare, state, city, SDI, SUI, the five deductions, K plan,
    // cafeteria plan.
    std::array<TaxLine, 14> taxes;
    SummaryLine current, ytd;
};

// The year-to-date taxes and deductions of the summary, the exact sums of the register's
// totals. The cafeteria plan counts among the taxes here, while the period's own figures count
// it among the deductions.
[[nodiscard]] Currency ytdTaxes(const RegisterTotals& t);
[[nodiscard]] Currency ytdDeductions(const RegisterTotals& t);

// Fails when the O.T. box does not hold a number (its earnings are that number times the rate).
[[nodiscard]] std::variant<PayFigures, PrintError> payFigures(const PrintedPeriod& period,
                                                              const Profile& profile,
                                                              const RegisterTotals& totals);

}  // namespace quillon
