// The employee tax information dialog "User Info" as a plain model: every control that edits
// the employee profile, and its procedures (the load sequence, taking the controls over, the
// new-employee reset, the K plan boxes). The profile files and the main window are the
// session's; what the take-over changes on the main window is handed back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "records/profile.hpp"
#include "session/boxes.hpp"
#include "session/key_filter.hpp"

namespace quillon {

inline constexpr const char* kTaxInfoCaption = "User Info";
inline constexpr const char* kWeeklyTablesNotice = "Weekly Tax Tables";
inline constexpr const char* kBiWeeklyTablesNotice = "Bi-Weekly Tax Tables";

// The Hourly Rate 1 box reading as zero becomes this.
inline constexpr std::string_view kDefaultHourRateText = "7.5";

// Texts an empty profile field takes at load.
inline constexpr std::string_view kDefaultFedExemptions = "0";
inline constexpr std::string_view kDefaultStatus = "Single";
inline constexpr std::string_view kDefaultEmpName = "Employee's Name";
inline constexpr std::string_view kDefaultEmpAddress = "Employee's Address for Check";
inline constexpr std::string_view kDefaultEmpCityStateZip = "City, State Zip Code";
inline constexpr std::string_view kDefaultEmpSSN = "Soc Sec #";

// Deduction captions 5 to 9: for a caption box found empty at load, and for a new employee.
inline constexpr std::array<std::string_view, 5> kDeductionCaptionsAtLoad = {
    "CrUnion", "Bond", "Dues", "Pension", "Health Ins"};
inline constexpr std::array<std::string_view, 5> kDeductionCaptionsOfNewEmployee = {
    "CrUnion", "Bond", "Dues", "Pension", "Misc."};

// What taking the dialog over changes on the main window.
struct TaxInfoMainItems {
    std::array<std::string, 5> deductionCaptions;  // lbTaxTag items 5 to 9
    std::string tableNotice;                       // lbTableNotice
};

struct TaxInfoDialog {
    std::string caption = kTaxInfoCaption;
    TextBox txtName, txtAddress, txtStateCityZip, txtSSnum;
    // "Hourly Rate 1", "Hourly Rate 2", "Tips Rate"
    TextBox txtHourRate, txtHourRate2, txtTipsRate;
    OptionButton optWeek{"Weekly"}, optBiWeek{"Bi-Weekly"};  // one group: at most one selected
    TextBox cboStatus, cboDepend;                            // FEDERAL STATUS: status, exemptions
    CheckBox ckFedExemp{"Federal Tax Exempt"};
    TextBox txtFedAddL;  // "Additional Federal Withholdings"
    CheckBox ckSSMediExemp{"Soc. Sec.  Medicare Tax Exempt"};
    CheckBox ckSelfEmp{"Self Employed"};
    TextBox cboStatus2, cboDepend2;  // STATE & CITY STATUS: status, exemptions
    CheckBox ckNonCity{"NON-CITY Resident"};
    TextBox txtTax5, txtTax6, txtTax7, txtTax8, txtTax9;     // captions of deductions 5 to 9
    TextBox txtMuni, txtBond, txtDues, txtPension, txtMisc;  // their amounts (pension in %)
    TextBox txtKplan;                                        // "K Plan"
    CheckBox ckKpFix{"$"}, ckKpPer{"%"};
    TextBox txtCafe;  // "Cafeteria Plan"
    CheckBox ckCafeState{"Deduct State"};

    // What opening an employee copies in after reading the profile files: the rates, the
    // federal lists, the amounts, the non-city, cafeteria-state, self-employed and K plan boxes,
    // the frequency, the identity texts and the captions; numbers as decimal text. The five
    // fields the state file keeps are shown by showStateFields.
    void showProfile(const Profile& p);
    // What reading the state file puts in: the state status and exemptions, the additional
    // federal withholding, the federal and the Social Security exemptions.
    void showStateFields(const Profile& p);
    // The load sequence up to the take-over: empty-field defaults, weekly when no frequency is
    // set, the K plan kind repaired, every field shown, empty caption boxes filled, the 7.5
    // rule. The caller then runs takeOverBoxes.
    void prepareLoad(Profile& p);
    // fillVar_: every control into the profile, in the dialog's order, with the 7.5 rule applied to
    // the Hourly Rate 1 box. The three rates must be numbers and the state exemptions a 16-bit
    // integer (a fraction rounds half to even): a box that is not refuses the whole take-over,
    // naming the box, and neither the profile nor any box changes. Amount boxes take their
    // leading number and fail only on a number no pay period holds (a billion or more), as
    // the rates do.
    [[nodiscard]] std::variant<TaxInfoMainItems, BadBox> takeOverBoxes(Profile& p);
    // New employee: the profile's fields of this dialog and the controls to their defaults.
    void ClearAll(Profile& p);

    // Saving the profile files takes the three rate boxes over (Hourly Rate 1 after the 7.5
    // rule). A box that is not a number is named and no rate changes.
    std::optional<BadBox> takeOverRates(Profile& p);
    // Before the profile files are written: the rates as above, weekly when no frequency is set
    // (selecting "Weekly"), the percent kind when no K plan kind is set (checking "%").
    std::optional<BadBox> takeOverForSave(Profile& p);
    // After the profile files are written: the K plan flags made exclusive again, percent
    // first, and the two boxes showing them.
    void makeKplanExclusive(Profile& p);
    // The two K plan boxes from the flags (at most one checked, percent first).
    void showKplanFlags(const Profile& p);

    // The operator checked or cleared "$" or "%": checking one clears the other.
    void kplanFixedChanged(std::int16_t value);
    void kplanPercentChanged(std::int16_t value);
    // The operator selected "Weekly" (true) or "Bi-Weekly" (false).
    void selectFrequency(bool weekly);

    // The caption of deduction n (5 to 9) as its box shows it.
    [[nodiscard]] const std::string& deductionCaption(int n) const;

    // A box (the four drop-downs' texts among them) or a check box by its control's name; null
    // for a name the dialog does not have. The K plan boxes and the frequency are not here: they
    // have their own events above.
    [[nodiscard]] TextBox* box(std::string_view control);
    [[nodiscard]] CheckBox* checkBox(std::string_view control);
};

}  // namespace quillon
