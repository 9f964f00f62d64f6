// The state tax dialog "Biweekly State Tax" as a plain model: its boxes, check boxes and labels,
// and its procedures (blank filling, taking the boxes over, New York, NO STATE TAX, CLEAR ALL,
// the special states and their presets). Files and other windows are the session's.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/state_formulas.hpp"
#include "engine/tables.hpp"
#include "session/boxes.hpp"
#include "session/key_filter.hpp"
#include "session/new_york.hpp"

namespace quillon {

inline constexpr const char* kStateDialogCaption = "Biweekly State Tax";
inline constexpr const char* kStateBiweeklyFiguresNotice =
    "You MUST enter biweekly figures. The WEEKLY tables will auto adjust by selecting weekly in "
    "\"User Info\".";
inline constexpr const char* kStateUnusedRowWarning = "WARNING!";
inline constexpr const char* kStateUnusedRowNotice =
    "Enter 999999 in any Minum Range Box that is not used.";
inline constexpr const char* kStateAdjNotice =
    "Enter figure to add to State Tax. Place a (-)Minus to subtract.";
// "SAVE" or "Make Default" with a box whose text is not a number.
inline constexpr const char* kNonNumericMessage = "You have entered a NON numerial.";

inline constexpr const char* kStateUnusedMinimumText = "999999";
inline constexpr const char* kStateWageBaseCaption = "Wage Base";
inline constexpr const char* kStateFlatRateCaption = "Flat Rate";

// The twelve special states, in the order of their boxes.
enum class SpecialState {
    Ariz,
    Louis,
    Iowa,
    Missouri,
    Mass,
    Oregon,
    Utah,
    Alabama,
    Kentucky,
    Wiscon,       // "Wisconsin Prior to 4/1/14"
    WisconApril,  // "Wisconsin"
    NC,
};
inline constexpr int kSpecialStateCount = 12;

// What the presets read from outside the dialog.
struct PresetContext {
    PayFrequency frequency;   // the "User Info" frequency options; bi-weekly, else weekly
    std::string StateStatus;  // the "User Info" state-and-city status box ("Single", ...)
    int StateExemptions = 0;  // 0 to 9
    StateSettings settings;   // the state settings in memory (Louisiana and Oregon read them)
    // The calculation's figures for the Iowa and Missouri presets, which run their formula; when
    // absent the formula is not run. Frequency, status, exemptions and the state settings are
    // taken from the fields above, "Spouse Works" from the dialog's box.
    std::optional<StateFormulaInput> formula;
};

// What a preset asks of the rest of the program.
struct PresetEffects {
    // The Iowa or Missouri formula's result, which holds as StateTax until the next calculation.
    std::optional<double> StateTax;
    // Oregon set the dialog back from the settings: the "User Info" boxes take StateExemptions,
    // StateStatus, FedAddWithhold, FedExempt and SSMediExempt from the employee again.
    bool userInfoFromSettings = false;

    void merge(const PresetEffects& later);
};

struct StateDialog {
    using Column = std::array<TextBox, 10>;

    std::string caption = kStateDialogCaption;
    // The boxes were changed since the dialog was loaded, saved or given the default settings.
    bool unsaved = false;

    // The two bracket tables (rows 0 to 9) and the allowance columns (0 to 9 exemptions).
    Column txtStateMinBS{}, txtStateAmtBS{}, txtStatePerBS{};
    Column txtStateMinBM{}, txtStateAmtBM{}, txtStatePerBM{};
    Column txtStateSgExp{}, txtStateMarExp{};
    TextBox txtSDIpercent, txtSDIwageBase, txtSUIpercent, txtSUIwageBase, txtStateAdj, txtCalAllow;

    CheckBox ckNoStateTax{"NO STATE TAX"};
    CheckBox ckRoundOff{"Round State"};
    CheckBox ckSpouse{"Spouse Works", 0, true, false};  // shown for Missouri and Utah only
    CheckBox ckSDI{"Use Base"};
    CheckBox ckSUI{"Use Base"};
    CheckBox ckAriz{"Arizona"}, ckLouis{"Louisiana"}, ckIowa{"Iowa"}, ckMissouri{"Missouri"},
        ckMass{"Mass"}, ckOregon{"Oregon"}, ckUtah{"Utah"}, ckAlabama{"Alabama"},
        ckKentucky{"Kentucky"}, ckWiscon{"Wisconsin Prior to 4/1/14"}, ckWisconApril{"Wisconsin"},
        ckNC{"N.C."};

    // The SDI and SUI base labels: "Wage Base" with "Use Base" checked, "Flat Rate" without.
    Label lbSDIbase{kStateFlatRateCaption}, lbSUIbase{kStateFlatRateCaption};

    // Labels the presets relabel, hide or disable.
    Label Frame1{"Table for SINGLE Persons"};
    Label Label5{"Table for MARRIED Persons"};
    Label Label1{"Minimum Range"}, Label2{"Amount to Withhold"},
        Label3{"Multiply by Percentage in Decimal"};
    Label Label4{"Minimum Range"}, Label6{"Amount to Withhold"},
        Label8{"Multiply by Percentage in Decimal"};
    Label Label9{kStateUnusedRowWarning}, Label10{kStateUnusedRowNotice},
        Label11{kStateBiweeklyFiguresNotice};
    Label Label19{"BIWEEKLY "}, Label20{"BIWEEKLY "};  // over the single and married tables
    Label Label21{"BIWEEKLY "};                        // over the allowance columns
    Label Label14{"SINGLE"}, Label15{"MARRIED"};       // allowance column headings
    Label Label13{"# of Exemp"};                       // heading of the allowance row numbers
    std::array<Label, 10> Label27{Label{"0"}, Label{"1"}, Label{"2"}, Label{"3"}, Label{"4"},
                                  Label{"5"}, Label{"6"}, Label{"7"}, Label{"8"}, Label{"9"}};
    Label allowanceFrame{"Withholding Allowance"};

    // The main window's "Louisiana- Prior to July 1" box is shown while Louisiana is selected;
    // the session copies this to it.
    bool louisPriorVisible = false;

    // --- Boxes and settings -------------------------------------------------------------------
    // CheckFor: every empty table, allowance and single box gets its New York state value ("0"
    // for the six single boxes); other text, a lone space included, is left alone.
    void fillBlankBoxes();
    // fillVari: fillBlankBoxes, then every box into the settings. A box whose text is not a strict
    // number refuses the whole copy: the first such box is named and no setting changes.
    [[nodiscard]] std::optional<BadBox> takeOverBoxes(StateSettings& s);
    // The boxes the state file reading fills: tables, allowances and the six singles as decimal
    // text, "NO STATE TAX" and the two "Use Base" boxes (with their labels).
    void showSettings(const StateSettings& s);
    // The boxes set from the settings whether or not there was a file: the twelve special
    // states, "Spouse Works" and "Round State".
    void showSwitches(const StateSettings& s);
    // What the calculation reads live from the dialog: the special states, "Round State", both
    // "Use Base" boxes and "Spouse Works".
    void liveSwitches(StateSettings& s) const;
    // The adjustment and the California allowance, read from their boxes as the calculation
    // starts (the leading number of each box).
    void liveAmounts(StateSettings& s) const;
    // Run by the calculation after the state withholding: the six single boxes that are empty
    // get "0".
    void ZeroBlankStateBoxes();

    // --- Buttons and check boxes --------------------------------------------------------------
    // The New York state values into the 80 boxes and the standard layout back.
    void SetNewYork();
    // "New York" (the button's procedure).
    void newYork();
    // "NO STATE TAX" checked: NoStateTax becomes 1 at once, the tables are emptied.
    void SetNoStateTax(StateSettings& s);
    // "NO STATE TAX" changed to value by the operator.
    void noStateTaxChanged(std::int16_t value, StateSettings& s);
    // "CLEAR ALL".
    void clearAll();
    // "Use Base" of SDI or SUI changed to value by the operator.
    void sdiUseBaseChanged(std::int16_t value);
    void suiUseBaseChanged(std::int16_t value);
    // "Spouse Works" changed to value by the operator; runs MissouriSet while Missouri is checked.
    PresetEffects spouseWorksChanged(std::int16_t value, const PresetContext& ctx);
    // A press on a special state's box: the other special states and NO STATE TAX cleared, the
    // state's flags and preset, then the box toggles (a press on an unchecked box leaves it
    // checked, on a checked one unchecked).
    PresetEffects pressSpecialState(SpecialState which, const PresetContext& ctx);

    // --- Presets ------------------------------------------------------------------------------
    void LouisianaSet(const PresetContext& ctx);
    PresetEffects IowaSet(const PresetContext& ctx);
    PresetEffects MissouriSet(const PresetContext& ctx);
    void MassSet();
    PresetEffects OregonSet(const PresetContext& ctx);
    void UtahSet(const PresetContext& ctx);
    void AlabamaSet();
    void KentuckySet(const PresetContext& ctx);
    void WisconsinSet();
    void WisconsinAprilSet();
    void NCSet();

    // --- Load sequence and showing ------------------------------------------------------------
    // The load sequence's presets: for each checked special state, in the order Louisiana
    // (which first shows the main window's Louisiana box), Iowa, Missouri, Mass, Oregon, Utah,
    // Alabama, Kentucky, Wisconsin Prior to 4/1/14, Wisconsin, N.C., its preset.
    PresetEffects applyCheckedPresets(const PresetContext& ctx);
    // Right after the dialog is shown: the checked presets again, and "Spouse Works" shown when
    // Missouri or Utah is checked.
    PresetEffects afterShown(const PresetContext& ctx);
    // The base labels from the "Use Base" boxes (end of the load sequence).
    void showUseBaseLabels();
    // The load sequence runs fillBlankBoxes before the presets when none of the states with a
    // preset other than Alabama is checked.
    [[nodiscard]] bool loadFillsBlankBoxes() const;
    // "SAVE" runs fillBlankBoxes first when no state with a preset and not NO STATE TAX is checked.
    [[nodiscard]] bool saveFillsBlankBoxes() const;

    // --- Access by state ----------------------------------------------------------------------
    [[nodiscard]] CheckBox& specialBox(SpecialState which);
    [[nodiscard]] const CheckBox& specialBox(SpecialState which) const;
    [[nodiscard]] bool anySpecialStateChecked() const;

    // The box control(row) (row -1 for a single box), or nothing when the dialog has none.
    [[nodiscard]] TextBox* box(std::string_view control, int row);
    // The window's title: the caption, and " (not saved)" while unsaved.
    [[nodiscard]] std::string title() const;

    // The key filter of every box: digits, space, minus, period and Backspace (8).
    [[nodiscard]] static bool keyAccepted(int charCode);
};

}  // namespace quillon
