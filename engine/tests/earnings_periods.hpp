// Periods whose statement earnings lines are pinned: the worked bi-weekly period and odd ones (a
// dollar adjustment, "(2X)", empty boxes, texts that read as zero, no rate 1, hours with more
// digits than a Single keeps, half cents).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/pay.hpp"
#include "engine/tests/pay_inputs.hpp"

namespace quillon::testing {

struct EarningsPeriod {
    const char* what;
    PayInput in;
};

inline PayInput withBoxes(PayInput in, const std::array<std::string, 8>& boxes, bool opt1x) {
    in.txtAmount = boxes;
    in.opt1x = opt1x;
    return in;
}

inline std::vector<EarningsPeriod> earningsPeriods() {
    std::vector<EarningsPeriod> periods;
    periods.push_back({"the worked period: (2X), a dollar amount, tips", realisticInput()});
    periods.push_back({"every box empty", newYorkInput(kWeekly)});

    PayInput noRate =
        withBoxes(newYorkInput(kWeekly), {"40", "5", "2", "3", "8", "4", "", "6"}, true);
    noRate.employee.HourRate = 0;
    noRate.employee.HourRate2 = 12;
    noRate.employee.TipsRate = 1.5f;
    periods.push_back({"no rate 1: the default 7.50", noRate});

    PayInput odd =
        withBoxes(newYorkInput(kWeekly),
                  {"37.125", "0.333", "7.777", "2.675", "1.005", "3.3333", "", "2.675"}, true);
    odd.employee.HourRate = 13.37f;
    odd.employee.HourRate2 = 9.99f;
    odd.employee.TipsRate = 2.675f;
    periods.push_back({"(1X) and odd hours", odd});

    PayInput twoX =
        withBoxes(newYorkInput(kWeekly), {"40", "", "2.675", "", "", "", "-50", ""}, false);
    twoX.employee.HourRate = 10.01f;
    periods.push_back({"(2X) and a negative dollar amount", twoX});

    periods.push_back(
        {"a dollar amount of four decimals with a separator",
         withBoxes(newYorkInput(kWeekly), {"", "", "", "", "", "", "1,234.5678", ""}, true)});
    periods.push_back({"texts that read as zero",
                       withBoxes(newYorkInput(kWeekly),
                                 {"abc", " 0", "-0", "0.00", ".", "x1", "$5", ""}, false)});

    PayInput biWeekly = withBoxes(newYorkInput(kBiWeekly),
                                  {"80.5", "", "1.5", "10.25", "", "7.75", "0.005", "3"}, false);
    biWeekly.employee.HourRate = 20.05f;
    biWeekly.employee.TipsRate = 0.35f;
    periods.push_back({"a bi-weekly employee, half cents", biWeekly});

    PayInput digits = withBoxes(
        newYorkInput(kWeekly),
        {"1.0049999", "1e3", "12.3456789", "0.125", "1,000", "0.375", "99999.995", "1.0049999"},
        true);
    digits.employee.HourRate = 0.1f;
    digits.employee.HourRate2 = 2.5f;
    digits.employee.TipsRate = 1;
    periods.push_back({"more digits than a Single keeps, exponents and separators", digits});
    return periods;
}

}  // namespace quillon::testing
