// Tests of the state tax dialog model: blank filling, taking the boxes over, New York, NO STATE
// TAX, CLEAR ALL, "Use Base", the special states' presets and the load sequence's helpers.
// Expected box texts are read off the state tables and the presets' figures by hand.
#include "session/state_dialog.hpp"
#include "session/tests/box_name.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

enum Col { MinS, AmtS, PerS, MinM, AmtM, PerM, SgExp, MarExp };

constexpr std::array<StateDialog::Column StateDialog::*, 8> kCols = {
    &StateDialog::txtStateMinBS, &StateDialog::txtStateAmtBS,  &StateDialog::txtStatePerBS,
    &StateDialog::txtStateMinBM, &StateDialog::txtStateAmtBM,  &StateDialog::txtStatePerBM,
    &StateDialog::txtStateSgExp, &StateDialog::txtStateMarExp,
};
constexpr std::array<const char*, 8> kColNames = {"MinS", "AmtS", "PerS",  "MinM",
                                                  "AmtM", "PerM", "SgExp", "MarExp"};

TextBox& box(StateDialog& d, Col c, int row) {
    return (d.*kCols[c])[static_cast<std::size_t>(row)];
}

constexpr std::array<SpecialState, kSpecialStateCount> kAllStates = {
    SpecialState::Ariz,     SpecialState::Louis,  SpecialState::Iowa,        SpecialState::Missouri,
    SpecialState::Mass,     SpecialState::Oregon, SpecialState::Utah,        SpecialState::Alabama,
    SpecialState::Kentucky, SpecialState::Wiscon, SpecialState::WisconApril, SpecialState::NC,
};

// Settings as a saved New York employee has them, with a few marks the tests look for.
StateSettings savedSettings() {
    StateSettings s;
    const float minimum[10] = {0, 325, 448, 533, 819, 3083, 3700, 4113, 6173, 8231};
    for (std::size_t r = 0; r < 10; ++r) {
        s.StateMinBS[r] = minimum[r];
        s.StateMinBM[r] = minimum[r];
    }
    s.StatePerBS[2] = 0.0525f;
    s.StateAmtBM[7] = 257.04f;
    s.StateSgExp[0] = 3;  // Louisiana: three personal exemptions
    s.StateMarExp[0] = 4;
    s.SDIpercent = 1.2f;
    s.SDIwageBase = 7.5f;
    return s;
}

PresetContext context(bool biWeekly, std::string status = "Married") {
    PresetContext ctx;
    ctx.frequency = PayFrequency{!biWeekly, biWeekly};
    ctx.StateStatus = std::move(status);
    ctx.StateExemptions = 0;
    ctx.settings = savedSettings();
    return ctx;
}

// A dialog in the standard New York layout, with "Spouse Works" shown and checked, "Round
// State" and NO STATE TAX checked, so that a press's clearing shows.
StateDialog newYorkDialog() {
    StateDialog d;
    d.newYork();
    d.ckSpouse.value = 1;
    d.ckSpouse.visible = true;
    d.ckRoundOff.value = 1;
    d.ckNoStateTax.value = 1;
    return d;
}

bool sameSettings(const StateSettings& a, const StateSettings& b) {
    return a.StateMinBS == b.StateMinBS && a.StateAmtBS == b.StateAmtBS &&
           a.StatePerBS == b.StatePerBS && a.StateMinBM == b.StateMinBM &&
           a.StateAmtBM == b.StateAmtBM && a.StatePerBM == b.StatePerBM &&
           a.StateSgExp == b.StateSgExp && a.StateMarExp == b.StateMarExp &&
           a.NoStateTax == b.NoStateTax && a.SDIpercent == b.SDIpercent &&
           a.SUIpercent == b.SUIpercent && a.SDIwageBase == b.SDIwageBase &&
           a.SUIwageBase == b.SUIwageBase && a.SDIuseBase == b.SDIuseBase &&
           a.SUIuseBase == b.SUIuseBase && a.StateAdj == b.StateAdj && a.CalAllow == b.CalAllow &&
           a.RoundState == b.RoundState && a.SpouseWorks == b.SpouseWorks &&
           a.StateAriz == b.StateAriz && a.StateLouis == b.StateLouis &&
           a.StateIowa == b.StateIowa && a.StateMissouri == b.StateMissouri &&
           a.StateMass == b.StateMass && a.StateOregon == b.StateOregon &&
           a.StateUtah == b.StateUtah && a.StateAlabama == b.StateAlabama &&
           a.StateKentucky == b.StateKentucky && a.StateWiscon == b.StateWiscon &&
           a.StateWisconApril == b.StateWisconApril && a.StateNC == b.StateNC;
}

// ---------------------------------------------------------------------------------------------
// Pressing a special state

struct Cell {
    Col col;
    int row;
    const char* text;
    bool enabled;
};

struct PressCase {
    const char* name;
    SpecialState state;
    bool biWeekly;
    std::vector<Cell> cells;
    std::int16_t spouseValue;
    bool spouseVisible;
    std::int16_t roundState;
    bool biweeklyLabelsVisible;
    bool louisPriorVisible;
    const char* label14;  // allowance headings after the press
    const char* label15;
    const char* label21;
};

// Starting from New York with "Spouse Works" and "Round State" checked, status "Married".
const std::vector<PressCase>& pressCases() {
    static const std::vector<PressCase> cases = {
        {"Arizona keeps the operator's table",
         SpecialState::Ariz,
         true,
         {{MinS, 1, "325", true}, {AmtM, 7, "257.04", true}, {SgExp, 0, "284.6", true}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "BiWeekly"},
        {"Louisiana",
         SpecialState::Louis,
         true,
         {{PerS, 0, "0", false},
          {PerM, 0, "0", false},
          {MinS, 1, "999999", false},
          {AmtM, 5, "0", false},
          {PerM, 9, "0", false},
          {SgExp, 0, "2", true},  // three saved personal exemptions show as 2
          {MarExp, 0, "4", true},
          {SgExp, 3, "0", false},
          {MarExp, 9, "0", false}},
         0,
         false,
         0,
         true,
         true,
         "Personal",
         "Dependent",
         "Enter Number Of"},
        {"Iowa bi-weekly",
         SpecialState::Iowa,
         true,
         {{MinS, 0, "999999", false},
          {AmtM, 4, "0", false},
          {PerS, 9, "0", false},
          {SgExp, 0, "63.46", true},
          {SgExp, 1, "63.46", true},
          {SgExp, 2, "156.15", true},
          {SgExp, 9, "156.15", true},
          {MarExp, 1, "1.54", true},
          {MarExp, 5, "7.7", true},
          {MarExp, 9, "13.86", true}},
         0,
         false,
         1,
         false,
         false,
         "Standard",
         "Credit",
         "BiWeekly"},
        {"Iowa weekly",
         SpecialState::Iowa,
         false,
         {{SgExp, 0, "31.73", true},
          {SgExp, 1, "31.73", true},
          {SgExp, 2, "78.08", true},
          {MarExp, 3, "2.31", true},
          {MarExp, 9, "6.93", true}},
         0,
         false,
         1,
         false,
         false,
         "Standard",
         "Credit",
         "BiWeekly"},
        {"Missouri bi-weekly, married, spouse works",
         SpecialState::Missouri,
         true,
         {{MinM, 3, "999999", false},
          {PerS, 0, "0", false},
          {SgExp, 0, "242.31", true},
          {SgExp, 9, "242.31", true},
          {MarExp, 0, "0", true},
          {MarExp, 1, "80.77", true},
          {MarExp, 9, "449.97", true}},
         1,
         true,
         1,
         true,
         false,
         "Standard",
         "W4 Allowance",
         "BiWeekly"},
        {"Missouri weekly",
         SpecialState::Missouri,
         false,
         {{SgExp, 4, "121.15", true},
          {MarExp, 5, "132.7", true},
          {MarExp, 8, "184.64", true},
          {MarExp, 9, "201.94", true}},
         1,
         true,
         1,
         true,
         false,
         "Standard",
         "W4 Allowance",
         "BiWeekly"},
        {"Mass",
         SpecialState::Mass,
         true,
         {{MinS, 0, "0", true},
          {PerS, 0, "0.051", true},
          {PerM, 0, "0.051", true},
          {MinS, 1, "999999", false},
          {AmtS, 1, "0", false},
          {PerM, 9, "0", false},
          {SgExp, 1, "169", true},
          {MarExp, 9, "473", true}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "BiWeekly"},
        {"Oregon bi-weekly",
         SpecialState::Oregon,
         true,
         {{AmtS, 0, "7.5", true},
          {MinS, 1, "128.85", true},
          {AmtM, 1, "20.38", true},
          {AmtS, 2, "27.69", true},
          {MinM, 2, "650", true},
          {PerS, 2, "0.09", true},
          {MinS, 3, "999999", false},
          {PerM, 9, "0", false},
          {SgExp, 9, "67.5", true},
          {MarExp, 3, "22.5", true}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "BIWEEKLY"},
        {"Oregon weekly",
         SpecialState::Oregon,
         false,
         {{AmtS, 0, "3.75", true},
          {MinS, 1, "64.42", true},
          {AmtS, 2, "27.69", true},  // not halved
          {AmtM, 2, "23.92", true},
          {MarExp, 9, "33.75", true}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "WEEKLY"},
        {"Utah bi-weekly",
         SpecialState::Utah,
         true,
         {{MinS, 1, "254", true},
          {MinM, 3, "846", true},
          {AmtS, 4, "0", true},
          {PerS, 5, "0.05", true},
          {MinM, 6, "3062", true},
          {MinS, 7, "999999", true},
          {SgExp, 9, "45", true}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "BiWeekly"},
        {"Utah weekly",
         SpecialState::Utah,
         false,
         {{MarExp, 4, "8", true}, {SgExp, 9, "18", true}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "BiWeekly"},
        {"Alabama",
         SpecialState::Alabama,
         true,
         {{MinS, 0, "0", false},
          {MinM, 9, "0", false},
          {PerS, 4, "0", false},
          {SgExp, 5, "0", false},
          {MarExp, 0, "0", false}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "BiWeekly"},
        {"Kentucky bi-weekly",
         SpecialState::Kentucky,
         true,
         {{MinS, 0, "115.38", true},
          {AmtS, 3, "94.62", true},
          {PerM, 4, "0.058", true},
          {MinM, 5, "5769.22", true},
          {MinS, 6, "999999", false},
          {SgExp, 9, "3.465", true},
          {MarExp, 3, "1.155", true}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "BiWeekly"},
        {"Kentucky weekly",
         SpecialState::Kentucky,
         false,
         {{MinS, 4, "1442.3", true}, {AmtM, 0, "47.31", true}, {SgExp, 9, "1.728", true}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "BiWeekly"},
        {"Wisconsin Prior to 4/1/14",
         SpecialState::Wiscon,
         false,  // bi-weekly tables either way
         {{MinS, 0, "0", true},
          {MinS, 2, "408.46", true},
          {PerS, 2, "0.05154", true},
          {PerM, 3, "0.0738", true},
          {AmtM, 5, "99.31", true},
          {MinS, 7, "999999", true},
          {SgExp, 9, "7.65", true}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "BiWeekly"},
        {"Wisconsin",
         SpecialState::WisconApril,
         true,
         {{MinM, 1, "302.69", true},
          {PerS, 3, "0.065408", true},
          {PerM, 4, "0.07524", true},
          {AmtS, 6, "567.9", true},
          {MinM, 9, "999999", true},
          {SgExp, 2, "1.7", true}},
         0,
         false,
         0,
         true,
         false,
         "Single",
         "Married",
         "BiWeekly"},
        {"N.C.",
         SpecialState::NC,
         true,
         {{MinS, 2, "605.77", true},
          {MinM, 2, "524.04", true},
          {AmtM, 3, "27.45", true},
          {PerS, 3, "0.0775", true},
          {MinS, 4, "999999", true},
          {AmtS, 9, "0", true},
          {SgExp, 2, "192.3", true},
          {MarExp, 9, "865.35", true}},
         0,
         false,
         1,
         true,
         false,
         "Single",
         "Married",
         "BiWeekly"},
    };
    return cases;
}

TEST(StateDialogPress, PutsThePresetIntoTheBoxesAndSetsTheFlags) {
    for (const PressCase& c : pressCases()) {
        SCOPED_TRACE(c.name);
        StateDialog d = newYorkDialog();
        // another special state selected before
        d.specialBox(c.state == SpecialState::NC ? SpecialState::Ariz : SpecialState::NC).value = 1;
        // hidden by an earlier Iowa press
        d.Label19.visible = d.Label20.visible = d.Label21.visible = false;
        d.pressSpecialState(c.state, context(c.biWeekly));

        for (const Cell& cell : c.cells) {
            SCOPED_TRACE(std::string(kColNames[cell.col]) + "(" + std::to_string(cell.row) + ")");
            EXPECT_EQ(box(d, cell.col, cell.row).text, cell.text);
            EXPECT_EQ(box(d, cell.col, cell.row).enabled, cell.enabled);
        }
        for (SpecialState other : kAllStates) {
            EXPECT_EQ(d.specialBox(other).value, other == c.state ? 1 : 0);
        }
        EXPECT_EQ(d.ckNoStateTax.value, 0);
        EXPECT_EQ(d.ckSpouse.value, c.spouseValue);
        EXPECT_EQ(d.ckSpouse.visible, c.spouseVisible);
        EXPECT_EQ(d.ckRoundOff.value, c.roundState);
        EXPECT_EQ(d.Label19.visible, c.biweeklyLabelsVisible);
        EXPECT_EQ(d.Label20.visible, c.biweeklyLabelsVisible);
        EXPECT_EQ(d.Label21.visible, c.biweeklyLabelsVisible);
        EXPECT_EQ(d.louisPriorVisible, c.louisPriorVisible);
        EXPECT_EQ(d.Label14.caption, c.label14);
        EXPECT_EQ(d.Label15.caption, c.label15);
        EXPECT_EQ(d.Label21.caption, c.label21);
    }
}

TEST(StateDialogPress, RowNumbersAndTableLabelsFollowThePreset) {
    struct Case {
        SpecialState state;
        const char* rowZero;  // allowance row number 0
        const char* label13;
        bool tableLabelsEnabled;
    };
    static const Case cases[] = {
        {SpecialState::Louis, "", "", true},
        {SpecialState::Iowa, "0", "# of Exemp", false},
        {SpecialState::Missouri, "0", "# of Exemp", false},
        {SpecialState::Utah, "0", "# of Exemp", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        StateDialog d = newYorkDialog();
        for (Label& row : d.Label27) {
            row.caption = "x";
        }
        d.pressSpecialState(c.state, context(true));
        EXPECT_EQ(d.Label27[0].caption, c.rowZero);
        EXPECT_EQ(d.Label27[9].caption, c.rowZero[0] == '\0' ? "" : "9");
        EXPECT_EQ(d.Label13.caption, c.label13);
        for (const Label* label :
             {&d.Frame1, &d.Label1, &d.Label8, &d.Label11, &d.Label19, &d.Label20, &d.Label5}) {
            EXPECT_EQ(label->enabled, c.tableLabelsEnabled);
        }
    }
}

TEST(StateDialogPress, PressingACheckedBoxUnchecksItAfterThePreset) {
    StateDialog d = newYorkDialog();
    d.ckMass.value = 1;
    d.pressSpecialState(SpecialState::Mass, context(true));
    EXPECT_EQ(d.ckMass.value, 0);
    EXPECT_EQ(box(d, PerS, 0).text, "0.051");
}

TEST(StateDialogPress, KentuckyShowsTheAllowanceFrameAndDisablesBiweeklyLabelsForWeekly) {
    StateDialog d = newYorkDialog();
    d.allowanceFrame.visible = false;
    d.Label13.visible = false;
    d.pressSpecialState(SpecialState::Kentucky, context(false));
    EXPECT_TRUE(d.allowanceFrame.visible);
    EXPECT_TRUE(d.Label13.visible);
    EXPECT_FALSE(d.Label19.enabled);
    EXPECT_FALSE(d.Label21.enabled);

    d.pressSpecialState(SpecialState::Kentucky, context(true));
    EXPECT_TRUE(d.Label19.enabled);
    EXPECT_TRUE(d.Label21.enabled);
}

TEST(StateDialogPress, LouisianaCapsThePersonalAndDependentCountsFromTheSettings) {
    struct Case {
        float personal, dependents;
        const char* personalText;
        const char* dependentText;
    };
    static const Case cases[] = {
        {3, 7, "2", "6"},
        {2, 6, "2", "6"},
        {1, 0, "1", "0"},
        {0, 2, "0", "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.personal);
        StateDialog d = newYorkDialog();
        box(d, SgExp, 0).text = "9";  // an unsaved edit: the preset reads the settings
        PresetContext ctx = context(true);
        ctx.settings.StateSgExp[0] = c.personal;
        ctx.settings.StateMarExp[0] = c.dependents;
        d.pressSpecialState(SpecialState::Louis, ctx);
        EXPECT_EQ(box(d, SgExp, 0).text, c.personalText);
        EXPECT_EQ(box(d, MarExp, 0).text, c.dependentText);
        EXPECT_EQ(ctx.settings.StateSgExp[0], c.personal);  // the setting changes at SAVE
    }
}

TEST(StateDialogPress, LouisianaKeepsRowZeroMinimumAndAmount) {
    StateDialog d = newYorkDialog();
    box(d, MinS, 0).text = "12";
    box(d, AmtM, 0).text = "3.5";
    d.pressSpecialState(SpecialState::Louis, context(true));
    EXPECT_EQ(box(d, MinS, 0).text, "12");
    EXPECT_EQ(box(d, AmtM, 0).text, "3.5");
}

TEST(StateDialogPress, MissouriStandardFollowsStatusAndSpouseWorks) {
    struct Case {
        const char* status;
        std::int16_t spouse;
        bool biWeekly;
        const char* standard;
    };
    static const Case cases[] = {
        {"Single", 0, true, "242.31"},
        {"Single", 1, true, "242.31"},
        {"Married", 0, true, "484.62"},
        {"Married", 1, true, "242.31"},
        {"Single", 0, false, "121.15"},
        {"Married", 0, false, "242.31"},
        {"Married", 1, false, "121.15"},
        {"Head of Household", 0, true, "323.1"},  // another status leaves the column (New York)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.status) + " spouse " + std::to_string(c.spouse) +
                     (c.biWeekly ? " bi-weekly" : " weekly"));
        StateDialog d = newYorkDialog();
        d.ckSpouse.value = c.spouse;
        d.pressSpecialState(SpecialState::Missouri, context(c.biWeekly, c.status));
        EXPECT_EQ(box(d, SgExp, 1).text, c.standard);
    }
}

TEST(StateDialogPress, SpouseWorksRerunsMissouriOnlyWhileMissouriIsChecked) {
    StateDialog d = newYorkDialog();
    d.ckSpouse.value = 0;
    const PresetContext ctx = context(true, "Married");
    d.pressSpecialState(SpecialState::Missouri, ctx);
    EXPECT_EQ(box(d, SgExp, 0).text, "484.62");
    d.spouseWorksChanged(1, ctx);
    EXPECT_EQ(box(d, SgExp, 0).text, "242.31");
    EXPECT_EQ(d.ckSpouse.value, 1);

    StateDialog ny = newYorkDialog();
    ny.ckSpouse.value = 0;
    ny.spouseWorksChanged(1, ctx);
    EXPECT_EQ(box(ny, SgExp, 0).text, "284.6");
}

TEST(StateDialogPress, IowaAndMissouriRunTheirFormulaOnTheSettings) {
    PresetContext ctx = context(true, "Married");
    StateFormulaInput in;
    in.TaxableWage = 400;
    in.FedTax = 0;
    ctx.formula = in;
    // x = 400 - 100 = 300: 2.97 + 0.045 x (300 - 200) = 7.47, less the credit 0.5.
    ctx.settings.StateSgExp[0] = 100;
    ctx.settings.StateMarExp[0] = 0.5f;
    StateDialog iowa = newYorkDialog();
    const PresetEffects fx = iowa.pressSpecialState(SpecialState::Iowa, ctx);
    ASSERT_TRUE(fx.StateTax.has_value());
    EXPECT_NEAR(*fx.StateTax, 6.97, 1e-3);

    // Missouri reads "Spouse Works" from the box: with it checked the limit is 5000 / 26, so a
    // federal tax of 200 is not deducted: x = 500, 12.1275 + 0.06 x (500 - 346.5) = 21.3375.
    // Without it the limit is 10000 / 26 and x = 300: 8.085 + 0.05 x (300 - 269.5) = 9.61.
    ctx.StateExemptions = 1;
    ctx.settings.StateSgExp[1] = 0;
    ctx.settings.StateMarExp[1] = 0;
    ctx.formula->TaxableWage = 500;
    ctx.formula->FedTax = 200;
    ctx.settings.SpouseWorks = 0;
    StateDialog missouri = newYorkDialog();
    missouri.ckSpouse.value = 1;
    PresetEffects mo = missouri.pressSpecialState(SpecialState::Missouri, ctx);
    ASSERT_TRUE(mo.StateTax.has_value());
    EXPECT_NEAR(*mo.StateTax, 21.3375, 1e-3);
    mo = missouri.spouseWorksChanged(0, ctx);
    ASSERT_TRUE(mo.StateTax.has_value());
    EXPECT_NEAR(*mo.StateTax, 9.61, 1e-3);
}

TEST(StateDialogPress, WithoutCalculationFiguresNoFormulaRunsButRoundStateIsChecked) {
    for (SpecialState s : {SpecialState::Iowa, SpecialState::Missouri}) {
        SCOPED_TRACE(static_cast<int>(s));
        StateDialog d = newYorkDialog();
        d.ckRoundOff.value = 0;
        const PresetEffects fx = d.pressSpecialState(s, context(true));
        EXPECT_FALSE(fx.StateTax.has_value());
        EXPECT_EQ(d.ckRoundOff.value, 1);
    }
}

TEST(StateDialogPress, OregonPutsTheSavedSettingsBackAndStaysTheOnlySpecialState) {
    PresetContext ctx = context(true);
    ctx.settings.RoundState = 1;
    ctx.settings.SpouseWorks = 1;
    ctx.settings.SDIuseBase = 1;
    ctx.settings.StateIowa = 1;  // saved before Oregon was pressed
    ctx.settings.NoStateTax = 1;
    StateDialog d = newYorkDialog();
    d.ckRoundOff.value = 0;
    d.txtSDIpercent.text = "5";  // unsaved edit
    d.txtStateAdj.text = "3";
    const PresetEffects fx = d.pressSpecialState(SpecialState::Oregon, ctx);

    EXPECT_EQ(d.txtSDIpercent.text, "1.2");
    EXPECT_EQ(d.txtSDIwageBase.text, "7.5");
    EXPECT_EQ(d.txtStateAdj.text, "0");
    EXPECT_EQ(d.ckSDI.value, 1);
    EXPECT_EQ(d.lbSDIbase.caption, "Wage Base");
    EXPECT_EQ(d.ckRoundOff.value, 1);
    EXPECT_EQ(d.ckSpouse.value, 1);
    EXPECT_FALSE(d.ckSpouse.visible);
    EXPECT_EQ(d.ckOregon.value, 1);
    EXPECT_EQ(d.ckIowa.value, 0);
    EXPECT_EQ(d.ckNoStateTax.value, 0);
    EXPECT_TRUE(fx.userInfoFromSettings);
    EXPECT_EQ(box(d, MinS, 1).text, "128.85");
}

TEST(StateDialogNewYork, PutsTheStandardLayoutBackAfterEveryPreset) {
    for (SpecialState s : kAllStates) {
        for (bool biWeekly : {true, false}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(s)) + (biWeekly ? " bi" : " weekly"));
            StateDialog d = newYorkDialog();
            d.pressSpecialState(s, context(biWeekly));
            d.newYork();

            EXPECT_EQ(d.Label14.caption, "Single");
            EXPECT_EQ(d.Label15.caption, "Married");
            EXPECT_EQ(d.Label21.caption, "BiWeekly");
            EXPECT_EQ(d.Label19.caption, "BIWEEKLY ");
            EXPECT_EQ(d.Label13.caption, "# of Exemp");
            EXPECT_EQ(d.Label5.caption, "Table for MARRIED Persons");
            for (const Label* label :
                 {&d.Label19, &d.Label20, &d.Label21, &d.Frame1, &d.Label1, &d.Label2, &d.Label3,
                  &d.Label4, &d.Label6, &d.Label8, &d.Label9, &d.Label10, &d.Label11, &d.Label5}) {
                EXPECT_TRUE(label->visible);
                EXPECT_TRUE(label->enabled);
            }
            for (std::size_t n = 0; n < 10; ++n) {
                EXPECT_EQ(d.Label27[n].caption, std::to_string(n));
            }
            for (int c = MinS; c <= MarExp; ++c) {
                for (int r = 0; r < 10; ++r) {
                    EXPECT_TRUE(box(d, static_cast<Col>(c), r).enabled);
                }
            }
            EXPECT_EQ(box(d, AmtM, 7).text, "257.04");
            EXPECT_EQ(box(d, MinS, 9).text, "8231");
            EXPECT_EQ(box(d, MarExp, 0).text, "303.8");
            EXPECT_FALSE(d.anySpecialStateChecked());
            EXPECT_EQ(d.ckNoStateTax.value, 0);
            EXPECT_EQ(d.ckRoundOff.value, 0);
            EXPECT_EQ(d.ckSpouse.value, 0);
            EXPECT_FALSE(d.ckSpouse.visible);
            EXPECT_FALSE(d.louisPriorVisible);
        }
    }
}

TEST(StateDialogNewYork, GivesZeroOnlyToEmptySingleBoxes) {
    StateDialog d;
    d.txtSDIpercent.text = "1.5";
    d.txtCalAllow.text = " ";
    d.SetNewYork();
    EXPECT_EQ(d.txtSDIpercent.text, "1.5");
    EXPECT_EQ(d.txtCalAllow.text, " ");
    EXPECT_EQ(d.txtSUIwageBase.text, "0");
}

// ---------------------------------------------------------------------------------------------
// CheckFor and fillVari

TEST(StateDialogCheckFor, FillsOnlyEmptyBoxesWithTheNewYorkValueOfTheirCell) {
    struct Case {
        Col col;
        int row;
        const char* text;
    };
    // Values of the New York state table, lines 1 to 10 = rows 0 to 9.
    static const Case cases[] = {
        {MinS, 1, "325"},     {MinM, 9, "8231"},    {AmtS, 2, "18.54"},  {AmtS, 7, "258.27"},
        {AmtM, 7, "257.04"},  {AmtM, 9, "583.54"},  {PerS, 2, "0.0525"}, {PerS, 6, "0.0758"},
        {PerM, 6, "0.0728"},  {PerM, 9, "0.0715"},  {SgExp, 0, "284.6"}, {SgExp, 9, "631.1"},
        {MarExp, 0, "303.8"}, {MarExp, 4, "457.8"},
    };
    StateDialog d;
    box(d, MinS, 0).text = " ";
    box(d, AmtS, 0).text = "12";
    d.txtStateAdj.text = " ";
    d.fillBlankBoxes();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(kColNames[c.col]) + "(" + std::to_string(c.row) + ")");
        EXPECT_EQ(box(d, c.col, c.row).text, c.text);
    }
    EXPECT_EQ(box(d, MinS, 0).text, " ");
    EXPECT_EQ(box(d, AmtS, 0).text, "12");
    EXPECT_EQ(d.txtStateAdj.text, " ");
    EXPECT_EQ(d.txtSDIpercent.text, "0");
    EXPECT_EQ(d.txtCalAllow.text, "0");
    EXPECT_EQ(d.txtSUIwageBase.text, "0");
}

TEST(StateDialogFillVari, AnEmptiedBoxStoresItsNewYorkValue) {
    StateDialog d = newYorkDialog();
    d.clearAll();
    box(d, AmtM, 7).text = "";
    StateSettings s;
    ASSERT_FALSE(d.takeOverBoxes(s).has_value());
    EXPECT_EQ(s.StateAmtBM[7], 257.04f);
    EXPECT_EQ(s.StateAmtBS[7], 0.0f);
    EXPECT_EQ(s.StateMinBM[7], 999999.0f);
}

TEST(StateDialogFillVari, TakesEveryBoxAndSwitchOver) {
    StateDialog d;
    d.fillBlankBoxes();
    d.txtSDIpercent.text = "1.2";
    d.txtSUIwageBase.text = "7000";
    d.txtStateAdj.text = "-2.5";
    d.txtCalAllow.text = "3";
    d.ckNoStateTax.value = 1;
    d.ckSDI.value = 1;
    d.ckWisconApril.value = 1;
    d.ckSpouse.value = 1;
    d.ckRoundOff.value = 1;
    StateSettings s;
    ASSERT_FALSE(d.takeOverBoxes(s).has_value());
    EXPECT_EQ(s.StateMinBS[9], 8231.0f);
    EXPECT_EQ(s.StatePerBS[2], 0.0525f);
    EXPECT_EQ(s.StatePerBM[7], 0.0778f);
    EXPECT_EQ(s.StateAmtBS[8], 424.69f);
    EXPECT_EQ(s.StateSgExp[1], 323.1f);
    EXPECT_EQ(s.StateMarExp[9], 650.3f);
    EXPECT_EQ(s.SDIpercent, 1.2f);
    EXPECT_EQ(s.SUIwageBase, 7000.0f);
    EXPECT_EQ(s.StateAdj, -2.5f);
    EXPECT_EQ(s.CalAllow, 3.0f);
    EXPECT_EQ(s.NoStateTax, 1);
    EXPECT_EQ(s.SDIuseBase, 1);
    EXPECT_EQ(s.SUIuseBase, 0);
    EXPECT_EQ(s.StateWisconApril, 1);
    EXPECT_EQ(s.StateWiscon, 0);
    EXPECT_EQ(s.SpouseWorks, 1);
    EXPECT_EQ(s.RoundState, 1);
}

TEST(StateDialogFillVari, ABoxThatIsNotANumberRefusesTheWholeCopyAndIsNamed) {
    struct Case {
        const char* text;
        Col col;
        int row;
        const char* name;
    };
    static const Case cases[] = {
        {"1-2", AmtM, 7, "txtStateAmtBM(7)"},   {"..", PerS, 0, "txtStatePerBS(0)"},
        {"-", MinS, 9, "txtStateMinBS(9)"},     {" ", MarExp, 3, "txtStateMarExp(3)"},
        {"4..1", SgExp, 0, "txtStateSgExp(0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StateDialog d = newYorkDialog();
        d.ckMass.value = 1;
        box(d, MinS, 0).text = "5";  // a good box before the faulty one
        box(d, c.col, c.row).text = c.text;
        const StateSettings before = savedSettings();
        StateSettings s = before;
        const std::optional<BadBox> bad = d.takeOverBoxes(s);
        ASSERT_TRUE(bad.has_value());
        EXPECT_EQ(testing::boxName(*bad), c.name);
        EXPECT_TRUE(sameSettings(s, before));
    }
}

TEST(StateDialogFillVari, SingleBoxesAreCheckedAndTheFirstFaultyBoxIsNamed) {
    struct Case {
        TextBox StateDialog::*bad;
        const char* name;
    };
    static const Case cases[] = {
        {&StateDialog::txtSDIpercent, "txtSDIpercent"},
        {&StateDialog::txtSUIwageBase, "txtSUIwageBase"},
        {&StateDialog::txtCalAllow, "txtCalAllow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StateDialog d = newYorkDialog();
        d.*c.bad = TextBox{"-"};
        StateSettings s = savedSettings();
        const auto bad = d.takeOverBoxes(s);
        ASSERT_TRUE(bad.has_value());
        EXPECT_EQ(testing::boxName(*bad), c.name);
        EXPECT_TRUE(sameSettings(s, savedSettings()));
    }

    // Taken over row by row: row 2's married minimum comes before row 3's single one, and the
    // allowances after every table row.
    StateDialog d = newYorkDialog();
    box(d, MinS, 3).text = "..";
    box(d, MinM, 2).text = "..";
    box(d, SgExp, 0).text = "..";
    StateSettings s;
    EXPECT_EQ(testing::boxName(*d.takeOverBoxes(s)), "txtStateMinBM(2)");
}

// ---------------------------------------------------------------------------------------------
// NO STATE TAX, Use Base, CLEAR ALL, blank single boxes

TEST(StateDialogNoStateTax, CheckingEmptiesTheTablesAndShowsTheSettingsElsewhere) {
    StateDialog d = newYorkDialog();
    d.ckNoStateTax.value = 0;
    d.ckUtah.value = 1;
    d.louisPriorVisible = true;
    d.txtSDIpercent.text = "9";
    d.ckSDI.value = 0;
    StateSettings s = savedSettings();
    s.SDIuseBase = 1;
    s.RoundState = 0;
    d.noStateTaxChanged(1, s);

    EXPECT_EQ(s.NoStateTax, 1);  // at once
    for (int c = MinS; c <= MarExp; ++c) {
        for (int r = 0; r < 10; ++r) {
            SCOPED_TRACE(std::string(kColNames[c]) + "(" + std::to_string(r) + ")");
            EXPECT_EQ(box(d, static_cast<Col>(c), r).text, c == MinS || c == MinM ? "999999" : "0");
        }
    }
    EXPECT_EQ(d.txtSDIpercent.text, "1.2");
    EXPECT_EQ(d.txtSDIwageBase.text, "7.5");
    EXPECT_EQ(d.ckSDI.value, 1);
    EXPECT_FALSE(d.anySpecialStateChecked());
    EXPECT_EQ(d.ckSpouse.value, 0);
    EXPECT_FALSE(d.ckSpouse.visible);
    EXPECT_FALSE(d.louisPriorVisible);
    EXPECT_EQ(d.ckRoundOff.value, 0);

    StateSettings taken;
    ASSERT_FALSE(d.takeOverBoxes(taken).has_value());
    EXPECT_EQ(taken.NoStateTax, 1);
    for (std::size_t r = 0; r < 10; ++r) {
        EXPECT_EQ(taken.StateMinBS[r], 999999.0f);
        EXPECT_EQ(taken.StateMinBM[r], 999999.0f);
        EXPECT_EQ(taken.StatePerBM[r], 0.0f);
        EXPECT_EQ(taken.StateSgExp[r], 0.0f);
    }
}

TEST(StateDialogNoStateTax, UncheckingShowsTheSettingsAgain) {
    StateDialog d = newYorkDialog();
    StateSettings s = savedSettings();
    d.noStateTaxChanged(1, s);
    d.noStateTaxChanged(0, s);
    EXPECT_EQ(d.ckNoStateTax.value, 0);
    EXPECT_EQ(s.NoStateTax, 1);  // taken over from the box at the next fillVari
    EXPECT_EQ(box(d, MinS, 1).text, "325");
    EXPECT_EQ(box(d, PerS, 2).text, "0.0525");
    EXPECT_EQ(box(d, AmtM, 7).text, "257.04");
    EXPECT_EQ(box(d, SgExp, 0).text, "3");
    EXPECT_EQ(box(d, AmtS, 4).text, "0");
}

TEST(StateDialogUseBase, LabelAndRateFollowTheBox) {
    struct Case {
        bool sdi;
        std::int16_t value;
        const char* label;
        const char* rate;
    };
    static const Case cases[] = {
        {true, 0, "Flat Rate", "0"},
        {true, 1, "Wage Base", "1.5"},
        {false, 0, "Flat Rate", "0"},
        {false, 1, "Wage Base", "1.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sdi ? "SDI " : "SUI ") + std::to_string(c.value));
        StateDialog d;
        d.txtSDIpercent.text = "1.5";
        d.txtSUIpercent.text = "1.5";
        if (c.sdi) {
            d.sdiUseBaseChanged(c.value);
        } else {
            d.suiUseBaseChanged(c.value);
        }
        EXPECT_EQ((c.sdi ? d.lbSDIbase : d.lbSUIbase).caption, c.label);
        EXPECT_EQ((c.sdi ? d.txtSDIpercent : d.txtSUIpercent).text, c.rate);
        EXPECT_EQ((c.sdi ? d.txtSUIpercent : d.txtSDIpercent).text, "1.5");
        EXPECT_EQ((c.sdi ? d.ckSDI : d.ckSUI).value, c.value);
    }
}

TEST(StateDialogClearAll, EmptiesTheTablesAndChangesNothingElse) {
    StateDialog d = newYorkDialog();
    d.ckIowa.value = 1;
    d.txtSDIpercent.text = "1.2";
    d.clearAll();
    for (int c = MinS; c <= MarExp; ++c) {
        for (int r = 0; r < 10; ++r) {
            EXPECT_EQ(box(d, static_cast<Col>(c), r).text, c == MinS || c == MinM ? "999999" : "0");
        }
    }
    EXPECT_EQ(d.ckRoundOff.value, 0);
    EXPECT_EQ(d.ckSpouse.value, 0);
    EXPECT_FALSE(d.ckSpouse.visible);
    EXPECT_EQ(d.ckIowa.value, 1);
    EXPECT_EQ(d.ckNoStateTax.value, 1);
    EXPECT_EQ(d.txtSDIpercent.text, "1.2");
}

TEST(StateDialogZeroBlank, GivesZeroToTheEmptySingleBoxesOnly) {
    StateDialog d;
    d.txtSDIpercent.text = "1.2";
    d.txtStateAdj.text = " ";
    d.ZeroBlankStateBoxes();
    EXPECT_EQ(d.txtSDIpercent.text, "1.2");
    EXPECT_EQ(d.txtStateAdj.text, " ");
    for (TextBox* b : {&d.txtSDIwageBase, &d.txtSUIpercent, &d.txtSUIwageBase, &d.txtCalAllow}) {
        EXPECT_EQ(b->text, "0");
    }
    EXPECT_EQ(box(d, MinS, 0).text, "");
}

// ---------------------------------------------------------------------------------------------
// Settings into the boxes, live switches, load sequence and showing

TEST(StateDialogShow, SettingsGoIntoTheBoxesAsDecimalText) {
    StateSettings s = savedSettings();
    s.NoStateTax = 1;
    s.SUIuseBase = 1;
    s.StateKentucky = 1;
    s.SpouseWorks = 1;
    s.RoundState = 1;
    StateDialog d;
    d.showSettings(s);
    EXPECT_EQ(box(d, PerS, 2).text, "0.0525");
    EXPECT_EQ(box(d, MinM, 6).text, "3700");
    EXPECT_EQ(box(d, AmtS, 1).text, "0");
    EXPECT_EQ(d.txtSDIwageBase.text, "7.5");
    EXPECT_EQ(d.ckNoStateTax.value, 1);
    EXPECT_EQ(d.ckSUI.value, 1);
    EXPECT_EQ(d.lbSUIbase.caption, "Wage Base");
    EXPECT_EQ(d.lbSDIbase.caption, "Flat Rate");
    EXPECT_EQ(d.ckKentucky.value, 0);  // the switches are showSwitches'

    d.showSwitches(s);
    EXPECT_EQ(d.ckKentucky.value, 1);
    EXPECT_EQ(d.ckSpouse.value, 1);
    EXPECT_EQ(d.ckRoundOff.value, 1);
}

TEST(StateDialogLive, SwitchesAndAmountsComeFromTheBoxes) {
    StateDialog d;
    d.ckUtah.value = 1;
    d.ckRoundOff.value = 1;
    d.ckSUI.value = 1;
    d.ckSpouse.value = 1;
    d.txtStateAdj.text = "12abc";
    d.txtCalAllow.text = "";
    StateSettings s;
    s.StateIowa = 1;
    s.CalAllow = 4;
    d.liveSwitches(s);
    d.liveAmounts(s);
    EXPECT_EQ(s.StateUtah, 1);
    EXPECT_EQ(s.StateIowa, 0);
    EXPECT_EQ(s.RoundState, 1);
    EXPECT_EQ(s.SUIuseBase, 1);
    EXPECT_EQ(s.SDIuseBase, 0);
    EXPECT_EQ(s.SpouseWorks, 1);
    EXPECT_EQ(s.StateAdj, 12.0f);
    EXPECT_EQ(s.CalAllow, 0.0f);
}

TEST(StateDialogLoad, CheckedPresetsRunInOrderAndLouisianaShowsItsMainWindowBox) {
    StateDialog d;
    d.fillBlankBoxes();
    d.ckLouis.value = 1;
    d.applyCheckedPresets(context(true));
    EXPECT_TRUE(d.louisPriorVisible);
    EXPECT_EQ(box(d, SgExp, 0).text, "2");

    // Oregon's preset puts the settings back and leaves Oregon alone selected, so Utah's preset
    // after it does not run.
    StateDialog two;
    two.fillBlankBoxes();
    two.ckOregon.value = 1;
    two.ckUtah.value = 1;
    PresetContext ctx = context(true);
    ctx.settings.StateOregon = 1;
    ctx.settings.StateUtah = 1;
    const PresetEffects fx = two.applyCheckedPresets(ctx);
    EXPECT_TRUE(fx.userInfoFromSettings);
    EXPECT_EQ(two.ckUtah.value, 0);
    EXPECT_EQ(box(two, MinS, 1).text, "128.85");
}

TEST(StateDialogLoad, ShowingMakesSpouseWorksVisibleForMissouriAndUtah) {
    struct Case {
        SpecialState state;
        bool visible;
    };
    static const Case cases[] = {
        {SpecialState::Missouri, true},
        {SpecialState::Utah, true},
        {SpecialState::Mass, false},
        {SpecialState::Ariz, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        StateDialog d;
        d.fillBlankBoxes();
        d.specialBox(c.state).value = 1;
        d.afterShown(context(true));
        EXPECT_EQ(d.ckSpouse.visible, c.visible);
        EXPECT_FALSE(d.louisPriorVisible);
    }
}

TEST(StateDialogLoad, CheckForConditionsOfLoadAndSave) {
    struct Case {
        const char* name;
        CheckBox StateDialog::*checked;  // null: none
        bool load, save;
    };
    static const Case cases[] = {
        {"none", nullptr, true, true},
        {"Arizona", &StateDialog::ckAriz, true, true},
        {"Alabama", &StateDialog::ckAlabama, true, false},
        {"NO STATE TAX", &StateDialog::ckNoStateTax, true, false},
        {"Iowa", &StateDialog::ckIowa, false, false},
        {"Wisconsin", &StateDialog::ckWisconApril, false, false},
        {"N.C.", &StateDialog::ckNC, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StateDialog d;
        if (c.checked != nullptr) {
            (d.*c.checked).value = 1;
        }
        EXPECT_EQ(d.loadFillsBlankBoxes(), c.load);
        EXPECT_EQ(d.saveFillsBlankBoxes(), c.save);
    }
}

TEST(StateDialogKeys, TakesDigitsSpaceMinusPeriodAndBackspace) {
    for (char ch : std::string("0123456789 -.")) {
        EXPECT_TRUE(StateDialog::keyAccepted(ch)) << ch;
    }
    EXPECT_TRUE(StateDialog::keyAccepted(8));
    static const int rejected[] = {'a', ',', '$', '+', 'e', 0, 13, 200};
    for (int ch : rejected) {
        EXPECT_FALSE(StateDialog::keyAccepted(ch)) << ch;
    }
}

}  // namespace
}  // namespace quillon
