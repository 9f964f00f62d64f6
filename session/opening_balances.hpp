// "Opening Balances": what an employee was paid and withheld this year before the program was
// used, typed into one register row with every column of the register file, and saved as an
// ordinary row of the register, so that every year-to-date figure and wage base counts it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/register.hpp"

namespace quillon {

class Session;
struct Outcome;

// The amount boxes in the register file's column order after the date. `option` is the command
// line's name (`quillon-cli opening --fed T`), `alias` a second name that matches the result
// keys of `calc`; `words` names the box to the operator (empty for the five deductions, which
// take the employee's deduction names).
struct OpeningColumn {
    std::string_view field;  // the register column
    std::string_view option;
    std::string_view alias;
    std::string_view words;
};
inline constexpr std::array<OpeningColumn, 18> kOpeningColumns = {{
    {"Fed", "fed", "", "Federal"},
    {"SS", "ss", "socsec", "Social Security"},
    {"Medi", "medi", "medicare", "Medicare"},
    {"State", "state", "", "State"},
    {"City", "city", "", "City"},
    {"Muni", "muni", "ded5", ""},
    {"Bond", "bond", "ded6", ""},
    {"Dues", "dues", "ded7", ""},
    {"Pen", "pen", "ded8", ""},
    {"Misc", "misc", "ded9", ""},
    {"Kplan", "kplan", "", "K-Plan"},
    {"OT", "ot", "", "Overtime"},
    {"Gross", "gross", "", "Gross"},
    {"Net", "net", "", "Net"},
    {"Sdi", "sdi", "", "SDI"},
    {"Sui", "sui", "", "SUI"},
    {"Cafe", "cafe", "", "Cafeteria Plan"},
    {"Tips", "tips", "", "Tips"},
}};
inline constexpr std::size_t kOpeningAmounts = kOpeningColumns.size();

// The column of an option name ("fed" or its alias "socsec"), or nullopt.
[[nodiscard]] constexpr std::optional<std::size_t> openingColumn(std::string_view option) {
    for (std::size_t i = 0; i < kOpeningColumns.size(); ++i) {
        if (option == kOpeningColumns[i].option ||
            (!kOpeningColumns[i].alias.empty() && option == kOpeningColumns[i].alias)) {
            return i;
        }
    }
    return std::nullopt;
}

// The dialog's boxes: the row it edits, the date and the amounts as texts, and their labels.
struct OpeningBalancesDialog {
    std::string caption = "Opening Balances";
    int row = 0;       // 1 to the register's used rows
    int usedRows = 0;  // 53 weekly, 27 bi-weekly
    std::string txtDate;
    std::array<std::string, kOpeningAmounts> txtAmount{};
    std::array<std::string, kOpeningAmounts> labels{};  // the deduction names where they apply

    // Typing into an amount box: the register's number-box key filter ("0123456789 -."); a text
    // with another character is refused whole and the box keeps its text.
    Outcome typeAmount(std::size_t box, const std::string& text);
    // The date box takes any text; OK refuses one that is not a 2016 date.
    void typeDate(const std::string& text) { txtDate = text; }
    // The whole row the boxes hold; or no row and the words naming the first box that is not
    // a number within the amount limit (or a date that is not of 2016).
    struct Checked {
        std::optional<RegisterRow> row;
        std::string problem;
    };
    [[nodiscard]] Checked checkedRow() const;
    // The box's name as the operator reads it: "Federal", "the date", the deduction's name.
    [[nodiscard]] std::string boxName(std::size_t box) const;
};

// The dialog opened on the open employee's register, read afresh: on `row` when given (refused
// outside 1 to the used rows), else on the first empty row (refused when there is none). The
// boxes show what the row holds; an empty row's date is the last day of the quarter before the
// first dated row (so that the row counts in that quarter, in the year and in the wage bases),
// 1/1/2016 when that row is in the first quarter, empty when no row is dated.
Outcome openOpeningBalances(Session& session, std::optional<int> row,
                            OpeningBalancesDialog& dialog);
// OK: every box checked, then the row stored in the register and the register file saved in one
// transaction. Any box that is not a number refuses the whole row with a message naming it; then
// nothing is stored and the register in memory is as it was.
Outcome openingBalancesOK(Session& session, const OpeningBalancesDialog& dialog);

// The default date of an opening row, as above, from the register's rows.
[[nodiscard]] std::string openingDate(const Register& r, int usedRows);

}  // namespace quillon
