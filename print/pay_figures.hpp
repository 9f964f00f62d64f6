// What the pay statement and the paycheck's stubs print about the period: the earnings lines,
// the tax and deduction lines with their year-to-date amounts, and the current and year-to-date
// summary, as the texts that go on paper, formatted from the figures' numbers.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/money.hpp"
#include "engine/pay.hpp"
#include "engine/register.hpp"
#include "print/page.hpp"
#include "records/profile.hpp"
#include "session/shown_period.hpp"

namespace quillon {

// Printed number formats. Amounts are "#####.00", rates and hours "###.00" (engine/money.hpp).
inline constexpr std::string_view kAmountFormat = "#####.00";
inline constexpr std::string_view kHoursFormat = "###.00";
// A figure of the result area in a printed format: its number when it shows one, otherwise its
// caption as it stands (the empty one included).
[[nodiscard]] std::string printedText(const ShownFigure& shown, std::string_view pattern);

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

// The earnings lines are the calculation's; the rest is the result area as shown and the
// register's totals.
[[nodiscard]] PayFigures payFigures(const ShownPeriod& period, const Profile& profile,
                                    const RegisterTotals& totals);

}  // namespace quillon
