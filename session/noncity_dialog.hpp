// The non-city dialog "NON City Resident" as a plain model: its 33 boxes and its procedures
// (defaults, blank filling, taking the boxes over). The non-city file is the session's.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/tables.hpp"
#include "session/boxes.hpp"
#include "session/key_filter.hpp"

namespace quillon {

inline constexpr const char* kNonCityDialogCaption = "NON City Resident";

using NonCityTextColumn = std::array<std::string_view, 8>;

// The default values ("&DEFAULT" and every box left blank) as the boxes show them, rows 0 to 7.
inline constexpr NonCityTextColumn kNonCityMinBi = {"0",    "145",    "385",    "769",
                                                    "1154", "999999", "999999", "999999"};
inline constexpr NonCityTextColumn kNonCityExpBi = {"0", "115", "77", "38", "0", "0", "0", "0"};
inline constexpr NonCityTextColumn kNonCityMinWk = {"0",   "78",     "192",    "385",
                                                    "577", "999999", "999999", "999999"};
inline constexpr NonCityTextColumn kNonCityExpWk = {"0", "58", "38", "19", "0", "0", "0", "0"};
inline constexpr std::string_view kNonCityPer = "0.0045";

struct NonCityDialog {
    using Column = std::array<TextBox, 8>;

    std::string caption = kNonCityDialogCaption;
    // The boxes were changed since the dialog was loaded or saved ("&CANCEL" keeps the edits).
    bool unsaved = false;
    Column txtNonMinBi{}, txtNonExpBi{};  // "BIWEEKLY" table: "Minimum Range", "Subtract"
    Column txtNonMinWk{}, txtNonExpWk{};  // "WEEKLY" table
    TextBox txtNonPer;                    // "Multiply by Percentage in Decimal"

    // "&DEFAULT": the default values in every box.
    void deFault();
    // ChkFor: the default value in every box whose text is empty.
    void fillBlankBoxes();
    // fillVarib: every box into the settings. A box that is not a number refuses the whole
    // take-over: the first such box is named and no setting changes.
    [[nodiscard]] std::optional<BadBox> takeOverBoxes(NonCitySettings& n) const;
    // "&SAVE" fills the blank boxes before the take-over, always.
    [[nodiscard]] static bool saveFillsBlankBoxes() { return true; }
    // The boxes from the settings, as the non-city file reading fills them (decimal text).
    void showSettings(const NonCitySettings& n);

    // The box control(row) (row -1 for the rate box), or nothing when the dialog has none.
    [[nodiscard]] TextBox* box(std::string_view control, int row);
    // The window's title: the caption, and " (not saved)" while unsaved.
    [[nodiscard]] std::string title() const;
};

}  // namespace quillon
