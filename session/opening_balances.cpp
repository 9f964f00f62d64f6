// The opening-balance row: its boxes, their check, and its save through the register window.
#include "session/opening_balances.hpp"

#include <utility>

#include "engine/money.hpp"
#include "engine/year_summary.hpp"
#include "records/fields.hpp"
#include "session/key_filter.hpp"
#include "session/register_window.hpp"
#include "session/session.hpp"
#include "session/session_helpers.hpp"

namespace quillon {

using detail::failed;
using detail::okMessage;
namespace {

// The row's amount of column `box` (kOpeningColumns order).
float& amountOf(RegisterRow& row, std::size_t box) {
    std::array<float*, kOpeningAmounts> fields = {
        &row.Fed,   &row.SS,   &row.Medi, &row.State, &row.City,  &row.Muni,
        &row.Bond,  &row.Dues, &row.Pen,  &row.Misc,  &row.Kplan, &row.OT,
        &row.Gross, &row.Net,  &row.Sdi,  &row.Sui,   &row.Cafe,  &row.Tips};
    return *fields.at(box);
}

float amountOf(const RegisterRow& row, std::size_t box) {
    RegisterRow copy = row;
    return amountOf(copy, box);
}

// The amount as the register's grid shows it: "#####.00" (0 shows ".00").
std::string shownAmount(float value) {
    return format(value, "#####.00");
}

}  // namespace

std::string OpeningBalancesDialog::boxName(std::size_t box) const {
    const std::string& label = labels.at(box);
    return label.empty() ? std::string(kOpeningColumns.at(box).field) : label;
}

Outcome OpeningBalancesDialog::typeAmount(std::size_t box, const std::string& text) {
    if (box >= txtAmount.size()) {
        return failed(okMessage("There is no such box in Opening Balances."));
    }
    if (!isNumericBoxText(text)) {
        return failed(okMessage("The box " + boxName(box) +
                                " takes only the characters 0123456789, blank, minus and point; " +
                                quotedExcerpt(text) + " was not taken."));
    }
    txtAmount[box] = text;
    return {};
}

OpeningBalancesDialog::Checked OpeningBalancesDialog::checkedRow() const {
    RegisterRow out;
    if (!date2016(txtDate)) {
        return {std::nullopt, "The date " + quotedExcerpt(txtDate) +
                                  " is not a date of 2016: type it as M/D/2016 (6/30/2016)."};
    }
    out.Date = txtDate;
    for (std::size_t box = 0; box < txtAmount.size(); ++box) {
        const std::string& text = txtAmount[box];
        const std::optional<float> value =
            isNumericBoxText(text) ? strictAmount(text) : std::nullopt;
        if (!value) {
            return {std::nullopt, "The box " + boxName(box) + " holds " + quotedExcerpt(text) +
                                      ", which is not a number (type 0 for none)."};
        }
        amountOf(out, box) = *value;
    }
    return {out, {}};
}

std::string openingDate(const Register& r, int usedRows) {
    for (int i = 0; i < usedRows; ++i) {
        if (const auto date = date2016(r.rows[static_cast<std::size_t>(i)].Date)) {
            return date->quarter() == 1 ? std::string("1/1/2016")
                                        : dateText(lastDayOfQuarter(date->quarter() - 1));
        }
    }
    return {};
}

Outcome openOpeningBalances(Session& s, std::optional<int> row, OpeningBalancesDialog& dialog) {
    Outcome opened = openRegisterWindow(s);
    if (!opened.ok) {
        return opened;
    }
    const int used = s.registerRows();
    s.registerWindow.reset();  // the dialog edits the register itself; no window stays open
    if (row && (*row < 1 || *row > used)) {
        return failed(okMessage("The register of " + s.UserFile + " has rows 1 to " +
                                std::to_string(used) + "; there is no row " + std::to_string(*row) +
                                "."));
    }
    if (!row) {
        for (int i = 1; i <= used && !row; ++i) {
            if (emptyRegisterRow(s.yearRegister.rows[static_cast<std::size_t>(i - 1)])) {
                row = i;
            }
        }
        if (!row) {
            return failed(okMessage("Every row of the register of " + s.UserFile +
                                    " is used: pick the row for the opening balances."));
        }
    }
    OpeningBalancesDialog d;
    d.row = *row;
    d.usedRows = used;
    const RegisterRow& held = s.yearRegister.rows[static_cast<std::size_t>(*row - 1)];
    const bool empty = emptyRegisterRow(held);
    d.txtDate = empty ? openingDate(s.yearRegister, used) : held.Date;
    const std::array<const std::string*, 5> names = {&s.profile.DedName5, &s.profile.DedName6,
                                                     &s.profile.DedName7, &s.profile.DedName8,
                                                     &s.profile.DedName9};
    for (std::size_t box = 0; box < kOpeningAmounts; ++box) {
        d.txtAmount[box] = shownAmount(amountOf(held, box));
        d.labels[box] = std::string(kOpeningColumns[box].words);
    }
    for (std::size_t k = 0; k < names.size(); ++k) {
        d.labels[5 + k] = *names[k];
    }
    dialog = std::move(d);
    return opened;
}

Outcome openingBalancesOK(Session& s, const OpeningBalancesDialog& dialog) {
    const OpeningBalancesDialog::Checked checked = dialog.checkedRow();
    if (!checked.row) {
        return failed(okMessage(checked.problem + " Nothing was stored."));
    }
    Outcome opened = openRegisterWindow(s);
    if (!opened.ok) {
        return opened;
    }
    if (dialog.row < 1 || dialog.row > s.registerRows()) {
        s.registerWindow.reset();
        return failed(okMessage("There is no row " + std::to_string(dialog.row) +
                                " in the register; nothing was stored."));
    }
    const Register before = s.yearRegister;
    s.yearRegister.rows[static_cast<std::size_t>(dialog.row - 1)] = *checked.row;
    Outcome shown = s.registerWindow->open(s.yearRegister, s.profile);
    Outcome saved = shown.ok ? SaveAnnual(s) : shown;
    if (!saved.ok) {
        s.yearRegister = before;
    }
    s.registerWindow.reset();
    opened.messages.insert(opened.messages.end(), saved.messages.begin(), saved.messages.end());
    opened.ok = saved.ok;
    return opened;
}

}  // namespace quillon
