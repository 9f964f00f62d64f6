// The city dialog "City (Local) Tax Tables", the non-city dialog "NON City Resident" and the
// employee tax information dialog "User Info", as plain models with their procedures. Files and
// other windows are the session's.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/tables.hpp"
#include "records/profile.hpp"
#include "session/boxes.hpp"

namespace quillon {

// A box whose text is not a number, named as the dialog names it ("txtCityAmtBM(6)").
struct BadBox {
    std::string box;
};

// The key filter of the number boxes: digits, space, minus, period and Backspace (8).
[[nodiscard]] bool acceptsNumericKey(int charCode);

// --- City ---------------------------------------------------------------------------------

using TextColumn = std::array<std::string_view, 10>;

// The New York City values, as the boxes show them. The married table equals the single one but
// for the amount on line 7.
inline constexpr TextColumn kNewYorkCityMin = {"0",    "308",   "334",    "577",    "962",
                                               "2308", "19231", "999999", "999999", "999999"};
inline constexpr TextColumn kNewYorkCityAmtS = {"0",     "5.85",   "6.58", "14.08", "28.31",
                                                "80.81", "801.31", "0",    "0",     "0"};
inline constexpr TextColumn kNewYorkCityAmtM = {"0",     "5.85",   "6.58", "14.08", "28.31",
                                                "80.81", "801.09", "0",    "0",     "0"};
inline constexpr TextColumn kNewYorkCityPer = {"0.019", "0.0265", "0.031", "0.037", "0.039",
                                               "0.04",  "0.0425", "0",     "0",     "0"};
inline constexpr TextColumn kNewYorkCitySgExp = {"192.3", "230.8", "269.3", "307.8", "346.3",
                                                 "384.8", "423.3", "461.8", "500.3", "538.8"};
inline constexpr TextColumn kNewYorkCityMarExp = {"211.5", "250",   "288.5", "327",   "365.5",
                                                  "404",   "442.5", "481",   "519.5", "558"};

struct CityDialog {
    using Column = std::array<TextBox, 10>;

    std::string caption = "City (Local) Tax Tables";
    Column txtCityMinBS{}, txtCityAmtBS{}, txtCityPerBS{};
    Column txtCityMinBM{}, txtCityAmtBM{}, txtCityPerBM{};
    Column txtCitySgExp{}, txtCityMarExp{};
    CheckBox ckNoLocalTax{"NO LOCAL TAX"};

    // Every empty box gets its New York value; other text, a lone space included, stays.
    void CheckFor();
    // The check box and every box into the settings. A box that is not a number refuses the
    // whole copy: it is named and no setting changes.
    [[nodiscard]] std::optional<BadBox> fillVar(CitySettings& c) const;
    // The boxes from the settings, as the city file reading fills them (decimal text), and the
    // NO LOCAL TAX box, whose being checked empties the tables again.
    void showSettings(const CitySettings& c);
    // NO LOCAL TAX checked: NoLocalTax becomes 1 at once; 999999 in the minimums, 0 elsewhere.
    void SetNoLocalTax(CitySettings& c);
    // The operator changed NO LOCAL TAX: checked runs SetNoLocalTax, unchecked shows the
    // settings again.
    void noLocalTaxChanged(std::int16_t value, CitySettings& c);
    // "&New York": the box cleared, the New York values in all 80 boxes.
    void newYork();
    // "CLEAR ALL": 999999 in the minimums, 0 elsewhere; the check box stays.
    void clearAll();
};

// --- Non-city -----------------------------------------------------------------------------

using NonCityColumn = std::array<std::string_view, 8>;
inline constexpr NonCityColumn kNonCityMinBi = {"0",    "145",    "385",    "769",
                                                "1154", "999999", "999999", "999999"};
inline constexpr NonCityColumn kNonCityExpBi = {"0", "115", "77", "38", "0", "0", "0", "0"};
inline constexpr NonCityColumn kNonCityMinWk = {"0",   "78",     "192",    "385",
                                                "577", "999999", "999999", "999999"};
inline constexpr NonCityColumn kNonCityExpWk = {"0", "58", "38", "19", "0", "0", "0", "0"};
inline constexpr std::string_view kNonCityPer = "0.0045";

struct NonCityDialog {
    using Column = std::array<TextBox, 8>;

    std::string caption = "NON City Resident";
    Column txtNonMinBi{}, txtNonExpBi{}, txtNonMinWk{}, txtNonExpWk{};
    TextBox txtNonPer;

    // "&DEFAULT": the default values in every box.
    void deFault();
    // The default value in every empty box.
    void ChkFor();
    // Every box into the settings, all or nothing.
    [[nodiscard]] std::optional<BadBox> fillVarib(NonCitySettings& n) const;
    // The boxes from the settings, as the non-city file reading fills them.
    void showSettings(const NonCitySettings& n);
};

// --- Employee tax information ("User Info") ------------------------------------------------

// What taking the dialog over changes on the main window.
struct TaxInfoMainItems {
    std::array<std::string, 5> deductionCaptions;  // result rows 5 to 9
    std::string tableNotice;                       // "Weekly Tax Tables" or "Bi-Weekly Tax Tables"
};

struct TaxInfoDialog {
    std::string caption = "User Info";
    TextBox txtName, txtAddress, txtStateCityZip, txtSSnum;
    TextBox txtHourRate, txtHourRate2, txtTipsRate;
    OptionButton optWeek{"Weekly"}, optBiWeek{"Bi-Weekly"};
    TextBox cboStatus, cboDepend;  // FEDERAL STATUS: status, exemptions
    CheckBox ckFedExemp{"Federal Tax Exempt"};
    TextBox txtFedAddL;
    CheckBox ckSSMediExemp{"Soc. Sec.  Medicare Tax Exempt"};
    CheckBox ckSelfEmp{"Self Employed"};
    TextBox cboStatus2, cboDepend2;  // STATE & CITY STATUS: status, exemptions
    CheckBox ckNonCity{"NON-CITY Resident"};
    TextBox txtTax5, txtTax6, txtTax7, txtTax8, txtTax9;  // deduction captions
    TextBox txtMuni, txtBond, txtDues, txtPension, txtMisc;
    TextBox txtKplan;
    CheckBox ckKpFix{"$"}, ckKpPer{"%"};
    TextBox txtCafe;
    CheckBox ckCafeState{"Deduct State"};

    // Every field of the profile into its control; numbers in their shortest decimal form.
    void showProfile(const Profile& p);
    // The load sequence up to the take-over: empty-field defaults, a frequency and a K plan
    // kind when none is set, every field shown, empty captions filled, the 7.5 rule.
    void prepareLoad(Profile& p);
    // Every field into the profile. The three rates and the state exemptions must be numbers:
    // a box that is not refuses the whole take-over, naming the box, and no field changes.
    [[nodiscard]] std::variant<TaxInfoMainItems, BadBox> fillVar_(Profile& p) const;
    // New employee: the profile and the controls back to their defaults.
    void ClearAll(Profile& p);
    // The rates as the profile writer takes them over (the numbers in the three rate boxes;
    // a box that is not a number keeps the rate held).
    void takeOverRates(Profile& p) const;
    // The two K plan boxes from the flags.
    void showKplanFlags(const Profile& p);
    // The operator checked "$" or "%": the other is cleared.
    void kplanFixedChanged(std::int16_t value);
    void kplanPercentChanged(std::int16_t value);
    // The caption of deduction n (5 to 9) as its box shows it.
    [[nodiscard]] const std::string& deductionCaption(int n) const;
};

}  // namespace quillon
