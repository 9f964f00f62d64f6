// The city dialog "City (Local) Tax Tables" as a plain model: its 80 boxes, the NO LOCAL TAX box
// and its procedures (blank filling, taking the boxes over, New York, NO LOCAL TAX, CLEAR ALL).
// The city file is the session's.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/tables.hpp"
#include "session/boxes.hpp"
#include "session/key_filter.hpp"

namespace quillon {

inline constexpr const char* kCityDialogCaption = "City (Local) Tax Tables";
inline constexpr const char* kCityWeeklyNotice =
    "When you enter the above biweekly info, the weekly tables will be configured for half the "
    "amount including the exemptions.";

using CityTextColumn = std::array<std::string_view, 10>;

// The New York City values as the boxes show them, rows 0 to 9. The married table equals the
// single one but for the amount on line 7.
inline constexpr CityTextColumn kNewYorkCityMin = {"0",    "308",   "334",    "577",    "962",
                                                   "2308", "19231", "999999", "999999", "999999"};
inline constexpr CityTextColumn kNewYorkCityAmtS = {"0",     "5.85",   "6.58", "14.08", "28.31",
                                                    "80.81", "801.31", "0",    "0",     "0"};
inline constexpr CityTextColumn kNewYorkCityAmtM = {"0",     "5.85",   "6.58", "14.08", "28.31",
                                                    "80.81", "801.09", "0",    "0",     "0"};
inline constexpr CityTextColumn kNewYorkCityPer = {"0.019", "0.0265", "0.031", "0.037", "0.039",
                                                   "0.04",  "0.0425", "0",     "0",     "0"};
// Withholding allowances for 0 to 9 exemptions.
inline constexpr CityTextColumn kNewYorkCitySgExp = {"192.3", "230.8", "269.3", "307.8", "346.3",
                                                     "384.8", "423.3", "461.8", "500.3", "538.8"};
inline constexpr CityTextColumn kNewYorkCityMarExp = {"211.5", "250",   "288.5", "327",   "365.5",
                                                      "404",   "442.5", "481",   "519.5", "558"};

struct CityDialog {
    using Column = std::array<TextBox, 10>;

    std::string caption = kCityDialogCaption;
    // The boxes were changed since the dialog was loaded or saved.
    bool unsaved = false;
    Column txtCityMinBS{}, txtCityAmtBS{}, txtCityPerBS{};  // "Table for SINGLE Persons"
    Column txtCityMinBM{}, txtCityAmtBM{}, txtCityPerBM{};  // "Table for MARRIED Persons"
    Column txtCitySgExp{}, txtCityMarExp{};                 // "Withholding Allowance"
    CheckBox ckNoLocalTax{"NO LOCAL TAX"};

    // CheckFor: every box whose text is empty gets its New York value; other text, a lone
    // space included, stays.
    void fillBlankBoxes();
    // fillVar: the check box and every box into the settings. A box that is not a number refuses
    // the whole take-over: the first such box (in the order the dialog visits them) is named and no
    // setting changes.
    [[nodiscard]] std::optional<BadBox> takeOverBoxes(CitySettings& c) const;
    // "&SAVE" fills the blank boxes before the take-over, always.
    [[nodiscard]] static bool saveFillsBlankBoxes() { return true; }
    // The boxes from the settings as the city file reading fills them (decimal text), then the
    // NO LOCAL TAX box from NoLocalTax; checking it that way empties the tables again.
    void showSettings(const CitySettings& c);
    // The NO LOCAL TAX box became checked: NoLocalTax takes it at once; 999999 in every minimum
    // box, 0 in every other box.
    void SetNoLocalTax(CitySettings& c);
    // The operator changed NO LOCAL TAX: checked runs SetNoLocalTax, unchecked shows the
    // settings in the boxes again. Setting the box to the value it has changes nothing.
    void noLocalTaxChanged(std::int16_t value, CitySettings& c);
    // "&New York": the NO LOCAL TAX box cleared, the New York values in all 80 boxes.
    void newYork();
    // "CLEAR ALL": 999999 in the 20 minimum boxes, 0 in the 60 others; the check box stays.
    void clearAll();

    // The box control(row), or nothing when the dialog has none.
    [[nodiscard]] TextBox* box(std::string_view control, int row);
    // The window's title: the caption, and " (not saved)" while unsaved.
    [[nodiscard]] std::string title() const;
};

}  // namespace quillon
