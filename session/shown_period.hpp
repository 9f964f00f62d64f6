// The period as the main window shows it, the one view of it that the register posting, the
// printouts, the command line and the tests read: the week-ending date, the entry boxes, the last
// calculation's earnings lines and the result area as one ordered table of figures.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/figure.hpp"
#include "engine/pay.hpp"
#include "session/main_window.hpp"

namespace quillon {

class Session;

// One figure of the result area: its key, the caption the window shows, and the number that
// caption shows. The number is the calculation's own when the caption is the calculation's
// text; a caption put there otherwise (a saved period shown again) is read for its number once,
// here. A blank caption, or one that is not a number, has none.
struct ShownFigure {
    ResultKey id = ResultKey::Fed;
    std::string_view key;  // kResultKeys[id]
    std::string caption;
    std::optional<Figure> number;
    std::string_view format;  // "#,###.00" (rows and labels) or "$#,###.00" (the totals)
};

struct ShownPeriod {
    std::string txtWeek;                   // the week-ending box
    std::array<std::string, 8> txtAmount;  // the entry boxes as they stand
    bool opt1x = true;                     // "(1X)" chosen; otherwise box 2 counts twice
    // The last calculation's statement lines (the default lines, all zero, before one).
    StatementEarnings earnings;
    // The result area in key order (kResultKeys), every caption empty before a calculation.
    std::array<ShownFigure, kResultFigureCount> figures;
    // The last calculation's overtime, tips, gross and net, which a posting copies as they were
    // calculated whatever the window shows.
    float TotalOt = 0, TotalTips = 0, GrossPay = 0, NetPay = 0;

    [[nodiscard]] const ShownFigure& operator[](ResultKey key) const {
        return figures[static_cast<std::size_t>(key)];
    }
    [[nodiscard]] ShownFigure& operator[](ResultKey key) {
        return figures[static_cast<std::size_t>(key)];
    }
};

// The period right after the calculation r, with the given boxes, option and week-ending date.
[[nodiscard]] ShownPeriod shownPeriod(const PayResult& r,
                                      const std::array<std::string, 8>& txtAmount, bool opt1x,
                                      std::string txtWeek);
// The period as the session's main window shows it now.
[[nodiscard]] ShownPeriod shownPeriod(const Session& session);

// Why the period is not to be printed, or nothing when it is: the O.T. box holds a text that is
// not a number (typed after the calculation; an empty box prints as 0).
[[nodiscard]] std::optional<std::string> unprintableReason(const ShownPeriod& period);

// The main window's label that shows a result figure.
[[nodiscard]] const Label& resultLabel(const MainWindow& main, ResultKey key);
// That label's name as the windows name their controls ("lbTaxDed_3", "lbSDI", "Label13").
[[nodiscard]] std::string resultLabelName(ResultKey key);

}  // namespace quillon
